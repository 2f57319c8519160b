// TMyWindow: the converter's main window. It binds the converter state of
// the core to the widgets; every decision about units, results and orders
// is the core's.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "converter/Konverter.h"
#include "editing/Bearbeitungstor.h"
#include "ui/Dialoge.h"
#include "ui/Plattform.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QCompleter;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QToolButton;
class QFrame;

namespace kolvaro::ui {

class EinheitenModell;

class TMyWindow : public QMainWindow {
  Q_OBJECT
 public:
  // fabriken: the dialogs the window can call (the program's own by default).
  TMyWindow(Konverter& konverter, Plattform& plattform, QSettings& einstellungen,
            const Dialogfabriken& fabriken = Standardfabriken(), QWidget* eltern = nullptr);
  ~TMyWindow() override;

  // The operations of the main window.
  void EinheitenLaden();
  void ListeFuellen();
  void InfoAnzeigen();
  void EinheitAnzeigen();
  void StatusAnzeigen();
  void AusgangVerbergen();
  void AutomatischRechnen();
  void RechentasteClick();
  // A conversion the user asked for (Enter, the button, the menu): the value
  // goes into the field's history.
  void UmrechnenUndMerken();
  void ComboBox2Change();
  void GebietNeuLaden();  // a category change without the automatic calculation

  int AuswahlIndex() const;  // the row of the selected unit, -1 without units
  const Konverter& Zustand() const { return m_Konverter; }
  Dialoge& Dialogfenster() { return *m_Dialoge; }

  // Shows a dialog and reloads what it changed.
  void DialogOeffnen(Dialogart art);
  // The same, then the automatic calculation unless the reload did it.
  Neuladen DialogOeffnenUndRechnen(Dialogart art);
  // The gate of every editing command: the command runs only when the
  // checks of its kind let it; otherwise the refusal is shown (if it has a
  // message).
  void Bearbeiten(Bearbeitung bearbeitung, const std::function<void()>& befehl);
  // The password query the gate asks; until a password can be set, every
  // editing command is open.
  void SetPasswortabfrage(Passwortabfrage abfrage) { m_Passwortabfrage = std::move(abfrage); }
  // The one way back after a dialog changed data.
  void NachAenderung(Neuladen was);

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void FormShow();
  void FormClose();
  void OberflaecheAufbauen();
  void MenueAufbauen();
  void WerkzeugleisteAufbauen();
  void BefehleVerbinden();
  void KatalogNeuLaden();
  void EigeneEinheitEinfuegen();
  void FaktorAendern();
  // The editing commands without a dialog of their own, each in a file of its own.
  void EinheitenAusblenden();    // MyWindowAusblenden.cpp
  void AusgeblendeteLoeschen();  // MyWindowLoeschen.cpp
  void EinheitenSuchen();        // MyWindowSuchen.cpp: the search dialog and the jump to a hit
  void ZuSuchtrefferSpringen(const struct Suchsprung& ziel);  // MyWindowSuchen.cpp
  void FavoritUmschalten();                                   // MyWindowAnzeige.cpp
  void VerlaufZeigen();                                       // MyWindowAnzeige.cpp: Alt+Down in the field
  bool PasswortAbfragen();                                    // MyWindowPasswort.cpp: the password lock
  void PasswortErzeugenBeiBedarf();                           // MyWindowPasswort.cpp: at the first start
  QWidget* InfoPanelAufbauen();
  QWidget* StatuszeileAufbauen();

  void Timer1Timer();
  void ListBoxEinheitClick();
  void ErgebnisAbschliessen();
  bool Umrechnen();         // true: converted
  void ErgebnisseZeigen();  // the rows show new result texts
  void ErgebnisZeileStarten();
  void Sortieren(Sortiermodus modus);
  void SortiersteuerungSetzen();
  void AnzeigeSetzen(bool wissenschaftlich);
  void AnzeigesteuerungSetzen();
  void AutomatischesRechnenClick();
  void WertKopierenClick();
  void PopupKopierenClick();
  void WerteinfuegenClick();
  void WeitereInformationen();
  void GebietsInformationen();
  void TemporaerEinheitenAnzeigen();
  void TemporaerEinheitenRueckgaengig();
  void TemporaerLaenderAnzeigen();
  void TemporaerLaenderRueckgaengig();
  void Meldung(const kolvaro::Meldung& meldung) { MeldungZeigen(m_Plattform, meldung); }
  void AuswahlSetzen(int zeile);
  void EingabeFehler();

  Konverter& m_Konverter;
  Plattform& m_Plattform;
  QSettings& m_EinstellungsSpeicher;
  std::unique_ptr<Dialoge> m_Dialoge;
  Passwortabfrage m_Passwortabfrage = [this] { return PasswortAbfragen(); };
  bool m_ErstesZeigen = true;
  bool m_StartOk = false;
  bool m_Fuellen = false;  // the list is being refilled: selection changes are ours
  bool m_Blinkphase = true;
  int m_Blinkzaehler = 0;
  QString m_Hinweis;

  EinheitenModell* m_Modell = nullptr;
  QTimer* Timer1 = nullptr;

  QComboBox* ComboBox2 = nullptr;
  QListView* ListBoxEinheit = nullptr;
  QLineEdit* Edit_Eingabe = nullptr;
  QCompleter* Verlauf = nullptr;  // the values last converted in the category
  QPushButton* Rechentaste = nullptr;
  QLabel* Label_gewaehlte_einheit = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label_Ausgangseinheit = nullptr;
  QLabel* Flagge1 = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Panel2 = nullptr;
  QLabel* Panel3 = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  QToolButton* SpeedButton10 = nullptr;

  struct InfoPaar {
    QLabel* Beschriftung;
    QLabel* Wert;
  };
  InfoPaar m_InfoKurzzeichen{}, m_InfoSonstigeNamen{}, m_InfoUebersetzung{}, m_InfoEinsatzgebiet{}, m_InfoEntspricht{},
      m_InfoCaWert{}, m_InfoOrt{}, m_InfoZeitraum{}, m_InfoLandname{}, m_InfoZerlegt{};
  QLabel* Info_reg_Unterschiede = nullptr;
  QLabel* Info_zeit_unterschiede = nullptr;

  // The main menu, every entry by its form name.
  QAction* Beenden1 = nullptr;
  QAction* Wechselkurseeinlesen1 = nullptr;
  QAction* WertKopieren1 = nullptr;
  QAction* Werteinfgen1 = nullptr;
  QAction* Einheitumrechnen1 = nullptr;
  QAction* Einheitausblenden1 = nullptr;
  QAction* Einheiteinblenden1 = nullptr;
  QAction* AusgeblendeteEinheitenlschen1 = nullptr;
  QAction* EigeneEinheiteinfgen1 = nullptr;
  QAction* Umrechnungsfaktorndern1 = nullptr;
  QAction* Einheitensuchen1 = nullptr;
  QAction* NeuesGebieteinfgen1 = nullptr;
  QAction* VorhandenesGebietlschen1 = nullptr;
  QAction* InformationenueberGebiet1 = nullptr;
  QAction* Fliekommaanzeige1 = nullptr;
  QAction* WissenschaZahlenanzeige1 = nullptr;
  QAction* SortierungAlphabet1 = nullptr;
  QAction* SortierungLand1 = nullptr;
  QAction* SortierungGroesse1 = nullptr;
  QAction* Stellen1 = nullptr;
  QAction* Favorit1 = nullptr;
  QAction* ListeSpeichern1 = nullptr;
  QAction* ListeDrucken1 = nullptr;
  QAction* Laenderauseinblenden1 = nullptr;
  QAction* AutomatischesRechnen1 = nullptr;
  QAction* Index1 = nullptr;
  // The entries that only open a dialog, with their dialog.
  std::vector<std::pair<QAction*, Dialogart>> m_Starter;

  // The tool bar.
  QAction* ToolButton1 = nullptr;  // "Weitere Informationen zur Einheit"
  QAction* ToolButton2 = nullptr;  // "Einheit suchen"
  QAction* ToolButton3 = nullptr;  // "Einheit(en) ausblenden"
  QAction* ToolButton4 = nullptr;  // "Einheit(en) einblenden"
  QAction* ToolButton7 = nullptr;  // "Informationen über Gebiet"
  QAction* ToolButton8 = nullptr;
  QAction* ToolButton9 = nullptr;
  QAction* ToolButton10 = nullptr;
  QAction* ToolButton12 = nullptr;
  QAction* ToolButton11 = nullptr;
  QAction* ToolButton13 = nullptr;
  QAction* m_PopupKopieren = nullptr;
};

}  // namespace kolvaro::ui
