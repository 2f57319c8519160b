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
#include "ui/converter/StellenDlg.h"
#include "ui/converter/UeberDlg.h"
#include "ui/converter/UmrechnungstabelleDlg.h"
#include "ui/editing/EigeneEinheitDlg.h"
#include "ui/editing/EigeneEinheitWaehrungDlg.h"
#include "ui/editing/EigeneEinheitWeltzeitDlg.h"
#include "ui/editing/FaktorAendernDlg.h"
#include "ui/editing/FaktorAendernWeltzeitDlg.h"
#include "ui/editing/GebietLoeschenDlg.h"
#include "ui/editing/GebietNeuDlg.h"
#include "ui/editing/KurseEinlesenDlg.h"
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

template <typename T>
Dialogbasis* Erzeugen(const Dialogumgebung& umgebung, QWidget* eltern) {
  return new T(umgebung, eltern);
}

using M = Menueplatz;
using A = Dialogart;

// A new dialog is one line here (and its name in Dialogart).
constexpr std::array<Dialogeintrag, kDialogartAnzahl> kDialoge{{
    {A::EinheitenEinblenden, Erzeugen<TDlg_Einheit_einblenden>},
    {A::EigeneEinheit, Erzeugen<TDlg_eigene_einfuegen>},
    {A::EigeneEinheitWaehrung, Erzeugen<TDlg_eigene_einfuegen_Waehrung>},
    {A::EigeneEinheitWeltzeit, Erzeugen<TDlg_eigene_einfuegen_WZ>},
    {A::FaktorAendern, Erzeugen<TFaktor_aendern>},
    {A::FaktorAendernWeltzeit, Erzeugen<TFaktor_aendern_Weltzeit>},
    {A::WaehrungstabelleAendern, Erzeugen<TFaktor_aender_Waehrung_neu>},
    {A::KurseEinlesen, Erzeugen<TKurseEinlesenDlg>},
    {A::Suchen, Erzeugen<TSuch_Dialog>},
    {A::GebietNeu, Erzeugen<TGebietNeuDlg>},
    {A::GebietLoeschen, Erzeugen<TGebietLoeschenDlg>},
    {A::Passwortabfrage, Erzeugen<TPasswordDlg>},
    {A::PasswortErzeugung, Erzeugen<TPasswortErzeugungDlg>},
    {A::Laender, Erzeugen<TLand_neu_Dlg>},
    {A::Stellen, Erzeugen<TStellenDlg>},
    {A::Vorsatzzeichen, Erzeugen<TVorsatzzeichen>, M::Informationen, "Vorsatzzeichen1", "&Vorsatzzeichen"},
    {A::Elemente, Erzeugen<TElementeDlg>, M::Informationen, "ChemischeElemente1", "&Chemische Elemente"},
    {A::PhysikalischeKonstanten, Erzeugen<TPhysKonstDlg>, M::Informationen, "PhysikalischeKonstanten1",
     "&Physikalische Konstanten"},
    {A::Stoffdaten, Erzeugen<TStoffdatenDlg>, M::Informationen, "Stoffdaten1", "&Stoffdaten"},
    {A::DiverseDaten, Erzeugen<TDivDatenDlg>, M::Informationen, "DiverseDaten1", "&Diverse Daten"},
    {A::Zeichentabelle, Erzeugen<TANSIASCII_TabelleDlg>, M::Informationen, "ANSIASCIIZeichentabelle1",
     "&ANSI/ASCII-Zeichentabelle"},
    {A::Auslandsvorwahlen, Erzeugen<TAuslandsvorwahlDlg>, M::Informationen, "Auslandsvorwahlen1", "Auslands&vorwahlen"},
    {A::Buchstabiertafel, Erzeugen<TBuchstabiertafelDlg>, M::Informationen, "Buchstabiertafel1", "&Buchstabiertafel"},
    {A::ImmerwaehrenderKalender, Erzeugen<TKalenderDlg>, M::Informationen, "ImmerwhrenderKalender1",
     "&Immerwährender Kalender"},
    {A::Konfektion, Erzeugen<TKonfektionDlg>, M::Informationen, "Konfektionsgroessen1", "&Konfektionsgrößen"},
    {A::Naehrwerte, Erzeugen<TNaehrwertDlg>, M::Informationen, "Naehrwerttabelle1", "&Nährwerttabelle"},
    {A::Molmasse, Erzeugen<TMolmasseDlg>, M::Extras, "MolmassenRechner1", "&Molmassen-Rechner"},
    {A::Flaechen, Erzeugen<TFlaechen_Berechnung_Dlg>, M::Extras, "FlchenBerechnung1", "&Flächen-Berechnung"},
    {A::Koerper, Erzeugen<TKoerper_Berechnung_DlgN>, M::Extras, "KrperBerechnung1", "&Körper-Berechnung"},
    {A::Umrechnungstabelle, Erzeugen<TUmrechnungstabelleDlg>, M::Extras, "Umrechnungstabelle1",
     "&Umrechnungstabelle..."},
    {A::Ueber, Erzeugen<TUeberDlg>, M::Hilfe, "UeberKolvaro1", "&Über Kolvaro"},
}};

// A name in Dialogart without its line, or a line twice, does not build.
constexpr bool JedeArtEinmal() {
  std::array<int, kDialogartAnzahl> gezaehlt{};
  for (const Dialogeintrag& eintrag : kDialoge) {
    if (!eintrag.Erzeugen || (eintrag.Platz != Menueplatz::Keiner && !eintrag.Eintragname)) return false;
    ++gezaehlt[static_cast<std::size_t>(eintrag.Art)];
  }
  for (int anzahl : gezaehlt)
    if (anzahl != 1) return false;
  return true;
}
static_assert(JedeArtEinmal(), "every dialog has exactly one line in kDialoge");

}  // namespace

const std::array<Dialogeintrag, kDialogartAnzahl>& Dialogliste() { return kDialoge; }

Dialogfabriken Standardfabriken() {
  Dialogfabriken fabriken;
  for (const Dialogeintrag& eintrag : kDialoge) fabriken.emplace(eintrag.Art, eintrag.Erzeugen);
  return fabriken;
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
