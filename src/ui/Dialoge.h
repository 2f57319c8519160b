// The owner of every dialog: it creates each dialog once, at start, in the
// order below, and hands it to the main window when a menu entry or button
// calls it. A dialog the program does not have yet is simply absent; its
// menu entry stays disabled.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "ui/Dialogbasis.h"

namespace kolvaro::ui {

// Every dialog of the program, in the order of creation at start.
enum class Dialogart {
  EinheitenEinblenden,
  EigeneEinheit,
  EigeneEinheitWaehrung,
  EigeneEinheitWeltzeit,
  FaktorAendern,
  FaktorAendernWeltzeit,
  Suchen,
  Ueber,
  Vorsatzzeichen,
  GebietNeu,
  GebietLoeschen,
  Passwortabfrage,
  WaehrungstabelleAendern,
  Stoffdaten,
  Elemente,
  PhysikalischeKonstanten,
  DiverseDaten,
  PasswortErzeugung,
  Laender,
  Molmasse,
  Flaechen,
  Naehrwerte,
  Konfektion,
  Zeichentabelle,
  Auslandsvorwahlen,
  Buchstabiertafel,
  ImmerwaehrenderKalender,
  Koerper,
};
constexpr int kDialogartAnzahl = static_cast<int>(Dialogart::Koerper) + 1;

// Makes one dialog as a child of the main window.
using Dialogfabrik = std::function<Dialogbasis*(const Dialogumgebung& umgebung, QWidget* eltern)>;
using Dialogfabriken = std::map<Dialogart, Dialogfabrik>;

// The dialogs the program has; each new dialog adds its line here.
Dialogfabriken Standardfabriken();

class Dialoge {
 public:
  // Creates every dialog that has a factory, in the order of Dialogart.
  // The dialogs are children of eltern and live as long as it does.
  Dialoge(const Dialogumgebung& umgebung, QWidget* eltern, const Dialogfabriken& fabriken);

  // nullptr for a dialog the program does not have.
  Dialogbasis* Dialog(Dialogart art) const { return m_Dialoge[static_cast<std::size_t>(art)]; }
  bool Vorhanden(Dialogart art) const { return Dialog(art) != nullptr; }

 private:
  std::array<Dialogbasis*, kDialogartAnzahl> m_Dialoge{};
};

}  // namespace kolvaro::ui
