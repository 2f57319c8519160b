// TMyWindow: orders and display modes, the clipboard, the information
// panel, the status lines and the temporary display of hidden units and
// countries.
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QToolButton>

#include "basis/Gebietsnamen.h"
#include "basis/Texte.h"
#include "data/Wechselkursstand.h"
#include "ui/Text.h"
#include "ui/converter/EinheitenModell.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

// ------------------------------------------------------- orders and display

void TMyWindow::Sortieren(Sortiermodus modus) {
  if (!m_Konverter.SortierungMoeglich(modus)) {
    SortiersteuerungSetzen();  // the tool button group goes back to the current order
    return;
  }
  Sanduhr sanduhr(m_Plattform);
  SortierErgebnis ergebnis = m_Konverter.Sortieren(modus, AuswahlIndex());
  SortiersteuerungSetzen();
  if (!ergebnis.Ausgefuehrt || m_Konverter.Einheiten().empty()) {
    if (ergebnis.Meldung) Meldung(*ergebnis.Meldung);
    if (m_Konverter.Einheiten().empty()) m_Modell->Neu();
    return;
  }
  if (ergebnis.ErgebnisseVorhanden) {
    ListeFuellen();
    AuswahlSetzen(ergebnis.Auswahl);
    ListBoxEinheit->scrollTo(ListBoxEinheit->currentIndex());
    return;
  }
  if (ergebnis.Meldung) Meldung(*ergebnis.Meldung);
  ListeFuellen();
  AusgangVerbergen();
  EinheitAnzeigen();
  InfoAnzeigen();
}

void TMyWindow::SortiersteuerungSetzen() {
  const Sortiermodus modus = m_Konverter.Sortierung();
  SortierungAlphabet1->setEnabled(modus != Sortiermodus::Alphabet);
  SortierungLand1->setEnabled(modus != Sortiermodus::Land);
  SortierungGroesse1->setEnabled(modus != Sortiermodus::Groesse);
  ToolButton8->setChecked(modus == Sortiermodus::Alphabet);
  ToolButton9->setChecked(modus == Sortiermodus::Land);
  ToolButton12->setChecked(modus == Sortiermodus::Groesse);
}

void TMyWindow::AnzeigeSetzen(bool wissenschaftlich) {
  m_Konverter.SetWissenschaftlich(wissenschaftlich);
  AnzeigesteuerungSetzen();
  if (m_Konverter.ErgebnisseVorhanden()) ErgebnisseZeigen();
}

void TMyWindow::AnzeigesteuerungSetzen() {
  const bool wiss = m_Konverter.Wissenschaftlich();
  Fliekommaanzeige1->setEnabled(wiss);
  WissenschaZahlenanzeige1->setEnabled(!wiss);
  ToolButton11->setChecked(!wiss);
  ToolButton13->setChecked(wiss);
}

// --------------------------------------------------------------- clipboard

void TMyWindow::WertKopierenClick() {
  if (!WertKopieren1->isEnabled()) return;
  m_Plattform.ZwischenablageSetzen(QtText(m_Konverter.AngezeigtesErgebnis(AuswahlIndex())));
}

void TMyWindow::PopupKopierenClick() {
  m_Plattform.ZwischenablageSetzen(QtText(m_Konverter.AngezeigtesErgebnis(AuswahlIndex())));
}

void TMyWindow::WerteinfuegenClick() {
  Edit_Eingabe->clear();
  Edit_Eingabe->insert(m_Plattform.Zwischenablage().trimmed());
  AutomatischRechnen();
}

// ------------------------------------------------------- information panel

namespace {

Tagesdatum Heute() {
  const QDate heute = QDate::currentDate();
  return {heute.year(), heute.month(), heute.day()};
}

}  // namespace

void TMyWindow::InfoAnzeigen() {
  const int zeile = AuswahlIndex();
  InfoPaar* paare[] = {&m_InfoKurzzeichen, &m_InfoSonstigeNamen, &m_InfoUebersetzung, &m_InfoEinsatzgebiet,
                       &m_InfoEntspricht,  &m_InfoCaWert,        &m_InfoOrt,          &m_InfoZeitraum,
                       &m_InfoLandname,    &m_InfoZerlegt};
  if (zeile < 0) {
    for (InfoPaar* p : paare) {
      p->Beschriftung->clear();
      p->Wert->clear();
    }
    Info_reg_Unterschiede->clear();
    Info_zeit_unterschiede->clear();
    ToolButton1->setEnabled(false);
    return;
  }
  Infotafel tafel = m_Konverter.Info(zeile);
  // A rate's age beside its date, so that a stale rate is seen.
  if (m_Konverter.Gebietsname() == gebiet::Waehrungen)
    tafel.Uebersetzung.Wert = StandMitAlter(tafel.Uebersetzung.Wert, Heute());
  ToolButton1->setEnabled(tafel.ZusatzinfoVorhanden);
  const Infotafel::Zeile* werte[] = {
      &tafel.Kurzzeichen, &tafel.SonstigeNamen, &tafel.Uebersetzung, &tafel.Einsatzgebiet, &tafel.Entspricht,
      &tafel.CaWert,      &tafel.Ort,           &tafel.Zeitraum,     &tafel.Land,          &tafel.Zerlegt};
  for (std::size_t i = 0; i < std::size(paare); ++i) {
    paare[i]->Beschriftung->setText(QtText(werte[i]->Beschriftung));
    paare[i]->Wert->setText(QtText(werte[i]->Wert));
    paare[i]->Wert->setAccessibleName(QtText(werte[i]->Beschriftung).trimmed() + QLatin1Char(' ') +
                                      QtText(werte[i]->Wert));
  }
  Info_reg_Unterschiede->setText(QtText(tafel.RegUnterschiede));
  Info_zeit_unterschiede->setText(QtText(tafel.ZeitUnterschiede));
}

void TMyWindow::FavoritUmschalten() {
  if (m_Konverter.Einheiten().empty()) return;
  const int zeile = m_Konverter.FavoritUmschalten(AuswahlIndex());
  m_Modell->Neu();
  AuswahlSetzen(zeile);
  ListBoxEinheit->scrollTo(ListBoxEinheit->currentIndex());
  InfoAnzeigen();
  EinheitAnzeigen();
}

void TMyWindow::VerlaufZeigen() {
  QStringList werte;
  for (const Text1252& wert : m_Konverter.Verlauf()) werte << QtText(wert);
  if (werte.isEmpty()) return;
  static_cast<QStringListModel*>(Verlauf->model())->setStringList(werte);
  Verlauf->setCompletionPrefix(QString());
  Verlauf->complete();
}

void TMyWindow::StatusAnzeigen() {
  Panel2->setText(QtText(m_Konverter.StatusEinheiten()));
  SpeedButton7->setEnabled(m_Konverter.Zaehler().Verborgen != 0);
  SpeedButton8->setEnabled(!SpeedButton7->isEnabled());
  if (m_Konverter.LaenderstatusAnzeigen()) {
    Panel3->setText(QtText(m_Konverter.StatusLaender()));
    SpeedButton9->setEnabled(!m_Konverter.NichtAngezeigteLaender().empty());
    SpeedButton10->setEnabled(!SpeedButton9->isEnabled());
  } else {
    Panel3->clear();
    SpeedButton9->setEnabled(false);
    SpeedButton10->setEnabled(false);
  }
}

void TMyWindow::WeitereInformationen() {
  const int zeile = AuswahlIndex();
  if (zeile < 0) return;
  const auto& info = m_Konverter.Einheiten()[static_cast<std::size_t>(zeile)].Zusatzinfo;
  m_Plattform.Schlicht(info.empty() ? QStringLiteral("Keine weiteren Informationen vorhanden.") : QtText(info));
}

void TMyWindow::GebietsInformationen() {
  if (m_Konverter.Gebietsindex() < 0) return;
  m_Plattform.Information(QtText(m_Konverter.GebietsInfo()));
}

// ------------------------------------------------------- temporary display

void TMyWindow::TemporaerEinheitenAnzeigen() {
  m_Konverter.SetTemporaereAnzeige(true);
  ComboBox2Change();
  m_Konverter.SetVerborgenZaehler(0);
  m_Konverter.SetTemporaereAnzeige(false);
  StatusAnzeigen();
}

void TMyWindow::TemporaerEinheitenRueckgaengig() {
  ComboBox2Change();
  SpeedButton8->setEnabled(false);
}

void TMyWindow::TemporaerLaenderAnzeigen() {
  const auto gespeichert = m_Konverter.Laenderflaggen();
  m_Konverter.LaenderflaggenAusListe(m_Konverter.Laender().Vorhandene);
  m_Konverter.LaenderlistenNeuAufbauen();
  if (m_Konverter.LaenderstatusAnzeigen()) {
    EinheitenLaden();
    ListeFuellen();
    AuswahlSetzen(0);
    AusgangVerbergen();
    EinheitAnzeigen();
    InfoAnzeigen();
  }
  StatusAnzeigen();
  m_Konverter.SetLaenderflaggen(gespeichert);
  m_Konverter.LaenderlistenNeuAufbauen();
  AutomatischRechnen();
}

void TMyWindow::TemporaerLaenderRueckgaengig() { ComboBox2Change(); }

}  // namespace kolvaro::ui
