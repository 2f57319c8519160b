// Creating the dialogs.
#include "ui/Dialoge.h"

#include <iterator>
#include <utility>

#include "ui/calculators/Flaechen_Berechnung_Dlg.h"
#include "ui/calculators/KalenderDlg.h"
#include "ui/calculators/Koerper_Berechnung_DlgN.h"
#include "ui/calculators/MolmasseDlg.h"
#include "ui/converter/Einheit_einblendenDlg.h"
#include "ui/converter/Land_neu_Dlg.h"
#include "ui/converter/UeberDlg.h"
#include "ui/editing/EigeneEinheitDlg.h"
#include "ui/editing/EigeneEinheitWaehrungDlg.h"
#include "ui/editing/EigeneEinheitWeltzeitDlg.h"
#include "ui/editing/FaktorAendernDlg.h"
#include "ui/editing/FaktorAendernWeltzeitDlg.h"
#include "ui/editing/GebietLoeschenDlg.h"
#include "ui/editing/GebietNeuDlg.h"
#include "ui/editing/PasswordDlg.h"
#include "ui/editing/PasswortErzeugungDlg.h"
#include "ui/editing/SuchDialog.h"
#include "ui/editing/WaehrungstabelleDlg.h"
#include "ui/reference/ANSIASCII_TabelleDlg.h"
#include "ui/reference/AuslandsvorwahlDlg.h"
#include "ui/reference/BuchstabiertafelDlg.h"
#include "ui/reference/DivDatenDlg.h"
#include "ui/reference/ElementeDlg.h"
#include "ui/reference/KonfektionDlg.h"
#include "ui/reference/NaehrwertDlg.h"
#include "ui/reference/PhysKonstDlg.h"
#include "ui/reference/StoffdatenDlg.h"
#include "ui/reference/Vorsatzzeichen.h"

namespace kolvaro::ui {

namespace {

// The factory of a dialog class whose constructor takes the environment and the parent.
template <typename T>
Dialogfabrik Fabrik() {
  return [](const Dialogumgebung& umgebung, QWidget* eltern) { return new T(umgebung, eltern); };
}

}  // namespace

Dialogfabriken Standardfabriken() {
  return {
      {Dialogart::EinheitenEinblenden, Fabrik<TDlg_Einheit_einblenden>()},
      {Dialogart::EigeneEinheit, Fabrik<TDlg_eigene_einfuegen>()},
      {Dialogart::EigeneEinheitWaehrung, Fabrik<TDlg_eigene_einfuegen_Waehrung>()},
      {Dialogart::EigeneEinheitWeltzeit, Fabrik<TDlg_eigene_einfuegen_WZ>()},
      {Dialogart::FaktorAendern, Fabrik<TFaktor_aendern>()},
      {Dialogart::FaktorAendernWeltzeit, Fabrik<TFaktor_aendern_Weltzeit>()},
      {Dialogart::Suchen, Fabrik<TSuch_Dialog>()},
      {Dialogart::Ueber, Fabrik<TUeberDlg>()},
      {Dialogart::GebietNeu, Fabrik<TGebietNeuDlg>()},
      {Dialogart::GebietLoeschen, Fabrik<TGebietLoeschenDlg>()},
      {Dialogart::Passwortabfrage, Fabrik<TPasswordDlg>()},
      {Dialogart::WaehrungstabelleAendern, Fabrik<TFaktor_aender_Waehrung_neu>()},
      {Dialogart::PasswortErzeugung, Fabrik<TPasswortErzeugungDlg>()},
      {Dialogart::Laender, Fabrik<TLand_neu_Dlg>()},
      {Dialogart::Molmasse, Fabrik<TMolmasseDlg>()},
      {Dialogart::Stoffdaten, Fabrik<TStoffdatenDlg>()},
      {Dialogart::Elemente, Fabrik<TElementeDlg>()},
      {Dialogart::DiverseDaten, Fabrik<TDivDatenDlg>()},
      {Dialogart::Naehrwerte, Fabrik<TNaehrwertDlg>()},
      {Dialogart::Auslandsvorwahlen, Fabrik<TAuslandsvorwahlDlg>()},
      {Dialogart::PhysikalischeKonstanten, Fabrik<TPhysKonstDlg>()},
      {Dialogart::Vorsatzzeichen, Fabrik<TVorsatzzeichen>()},
      {Dialogart::Buchstabiertafel, Fabrik<TBuchstabiertafelDlg>()},
      {Dialogart::Zeichentabelle, Fabrik<TANSIASCII_TabelleDlg>()},
      {Dialogart::Konfektion, Fabrik<TKonfektionDlg>()},
      {Dialogart::Flaechen, Fabrik<TFlaechen_Berechnung_Dlg>()},
      {Dialogart::ImmerwaehrenderKalender, Fabrik<TKalenderDlg>()},
      {Dialogart::Koerper, Fabrik<TKoerper_Berechnung_DlgN>()},
  };
}

Dialoge::Dialoge(const Dialogumgebung& umgebung, QWidget* eltern, Dialogfabriken fabriken)
    : m_Umgebung(umgebung), m_Eltern(eltern), m_Fabriken(std::move(fabriken)) {
  // An empty factory stands for a dialog the program does not have.
  for (auto it = m_Fabriken.begin(); it != m_Fabriken.end();) it = it->second ? std::next(it) : m_Fabriken.erase(it);
}

Dialogbasis* Dialoge::Dialog(Dialogart art) {
  Dialogbasis*& dialog = m_Dialoge[static_cast<std::size_t>(art)];
  if (!dialog) {
    auto fabrik = m_Fabriken.find(art);
    if (fabrik != m_Fabriken.end()) dialog = fabrik->second(m_Umgebung, m_Eltern);
  }
  return dialog;
}

}  // namespace kolvaro::ui
