// The owner of every dialog: it creates a dialog the first time a menu entry
// or button calls it and keeps it, hidden, for every later call, so that a
// dialog shows what it showed when it was last closed. Creating all of them
// at start made the window appear noticeably later and take more memory for
// dialogs most sessions never open. Each dialog is registered once, in the
// list of Dialoge.cpp: its class and, for a dialog that a menu entry only
// opens, that entry; the factories and those menu entries follow from it. A
// dialog missing from the factories a window is given is simply absent; its
// menu entry stays disabled.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "ui/Dialogbasis.h"

namespace kolvaro::ui {

// Every dialog of the program, as the code that calls it names it; each has
// its one line in the list of Dialoge.cpp.
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
  KurseEinlesen,
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
  Stellen,
  Umrechnungstabelle,
};
constexpr int kDialogartAnzahl = static_cast<int>(Dialogart::Umrechnungstabelle) + 1;

// Makes one dialog as a child of the main window.
using Dialogfabrik = std::function<Dialogbasis*(const Dialogumgebung& umgebung, QWidget* eltern)>;
using Dialogfabriken = std::map<Dialogart, Dialogfabrik>;

// The menu whose entry does nothing but open the dialog. The dialogs of the
// other commands (editing behind the password, search, countries) have no
// such entry: their commands are wired with their checks in the main window.
enum class Menueplatz { Keiner, Informationen, Extras, Hilfe };

struct Dialogeintrag {
  Dialogart Art;
  Dialogbasis* (*Erzeugen)(const Dialogumgebung& umgebung, QWidget* eltern);
  Menueplatz Platz = Menueplatz::Keiner;
  const char* Eintragname = nullptr;  // the menu entry's objectName
  const char* Eintragtext = nullptr;  // its caption, UTF-8
};

// Every dialog of the program, each once; within a menu in the order of its entries.
const std::array<Dialogeintrag, kDialogartAnzahl>& Dialogliste();

// The dialogs the program has, from Dialogliste.
Dialogfabriken Standardfabriken();

class Dialoge {
 public:
  // Keeps the factories; no dialog is made yet. The dialogs become children
  // of eltern and live as long as it does.
  Dialoge(const Dialogumgebung& umgebung, QWidget* eltern, Dialogfabriken fabriken);

  // The dialog, made on the first call; nullptr for a dialog the program does not have.
  Dialogbasis* Dialog(Dialogart art);
  bool Vorhanden(Dialogart art) const { return m_Fabriken.count(art) != 0; }

 private:
  Dialogumgebung m_Umgebung;
  QWidget* m_Eltern;
  Dialogfabriken m_Fabriken;
  std::array<Dialogbasis*, kDialogartAnzahl> m_Dialoge{};
};

}  // namespace kolvaro::ui
