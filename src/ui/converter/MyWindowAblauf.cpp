// TMyWindow: start and close, category change and unit list, conversion
// and its result row, keys and mouse hints.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QToolTip>

#include "basis/Texte.h"
#include "basis/Zeichensatz.h"
#include "converter/Einstellungswerte.h"
#include "data/Laendertabelle.h"
#include "kolvaro_version.h"
#include "ui/Flaggen.h"
#include "ui/Text.h"
#include "ui/converter/EinheitenModell.h"
#include "ui/converter/Einstellungen.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

// ------------------------------------------------------------------- start

void TMyWindow::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  if (m_ErstesZeigen) {
    m_ErstesZeigen = false;
    FormShow();
  }
}

void TMyWindow::FormShow() {
  // The country table is read first, as the country dialog does when it is created.
  if (auto geladen = m_Konverter.LaenderLaden(); !geladen) Meldung(geladen.Fehler());

  Einstellungen einstellungen(m_EinstellungsSpeicher);
  EinstellungenGelesen gelesen = einstellungen.Lesen();
  if (!gelesen.Ok) m_Plattform.Warnung(QtText(EinstellungenNichtGelesenText()));
  m_Konverter.EinstellungenUebernehmen(gelesen.Werte);
  AutomatischesRechnen1->setChecked(m_Konverter.Autorechnen());
  m_Konverter.LaenderlistenNeuAufbauen();
  setWindowTitle(QtAusUtf8(texte::kProgramm) + QStringLiteral(" " KOLVARO_VERSION));
  // Before anything else at the very first start: the password.
  PasswortErzeugenBeiBedarf();

  if (auto geladen = m_Konverter.KatalogLaden(); !geladen) {
    Meldung(geladen.Fehler());
    SortiersteuerungSetzen();
    AnzeigesteuerungSetzen();
    WertKopieren1->setEnabled(false);
    StatusAnzeigen();
    return;
  }
  m_StartOk = true;
  for (const auto& eintrag : m_Konverter.Katalog()) ComboBox2->addItem(QtText(eintrag.Gebietsname));
  ComboBox2->setCurrentIndex(m_Konverter.StartGebietsindex());
  m_Konverter.GebietWaehlen(ComboBox2->currentIndex());

  EinheitenLaden();
  ListeFuellen();
  InfoAnzeigen();
  EinheitAnzeigen();
  StatusAnzeigen();
  SpeedButton8->setEnabled(false);
  AusgangVerbergen();
  SortiersteuerungSetzen();
  AnzeigesteuerungSetzen();
  WertKopieren1->setEnabled(false);
  if (m_Konverter.Autorechnen() && !Edit_Eingabe->text().isEmpty()) RechentasteClick();
}

void TMyWindow::closeEvent(QCloseEvent* ereignis) {
  FormClose();
  QMainWindow::closeEvent(ereignis);
}

void TMyWindow::FormClose() {
  Einstellungen einstellungen(m_EinstellungsSpeicher);
  if (!einstellungen.Schreiben(m_Konverter.Einstellungen()))
    m_Plattform.Fehler(QtText(EinstellungenNichtGespeichertText()));
  m_Plattform.HilfeSchliessen();
}

// ------------------------------------------------------- category and list

void TMyWindow::ComboBox2Change() {
  GebietNeuLaden();
  AutomatischRechnen();
}

void TMyWindow::GebietNeuLaden() {
  {
    Sanduhr sanduhr(m_Plattform);
    m_Konverter.GebietWaehlen(ComboBox2->currentIndex());
    WertKopieren1->setEnabled(false);
    AusgangVerbergen();
    EinheitenLaden();
    ListeFuellen();
    InfoAnzeigen();
    StatusAnzeigen();
    EinheitAnzeigen();
    AuswahlSetzen(0);
    StatusAnzeigen();
    SpeedButton8->setEnabled(false);
  }
}

void TMyWindow::EinheitenLaden() {
  m_Fuellen = true;
  auto geladen = m_Konverter.EinheitenLaden();
  m_Modell->Neu();
  m_Fuellen = false;
  if (!geladen) Meldung(geladen.Fehler());
}

void TMyWindow::ListeFuellen() {
  const bool ergebnisse = m_Konverter.ErgebnisseVorhanden();
  const int gemerkt = ergebnisse ? AuswahlIndex() : 0;
  m_Fuellen = true;
  m_Modell->Neu();
  m_Fuellen = false;
  AuswahlSetzen(ergebnisse ? gemerkt : 0);
  if (m_Konverter.Einheiten().empty())
    m_Plattform.Information(
        QStringLiteral("Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten oder alle Länder "
                       "ausgeblendet oder die Datendatei konnte nicht geöffnet werden."));
}

void TMyWindow::ErgebnisseZeigen() {
  // Only the result texts changed: the rows, the selection and the scroll
  // position stay, so a repaint is all it takes. Rebuilding the rows, or
  // announcing every row as changed, would lay the list out anew and lose
  // the top line.
  ListBoxEinheit->viewport()->update();
}

void TMyWindow::AuswahlSetzen(int zeile) {
  const int anzahl = m_Modell->rowCount();
  if (anzahl == 0) return;
  if (zeile < 0 || zeile >= anzahl) zeile = 0;
  m_Fuellen = true;
  QModelIndex index = m_Modell->index(zeile);
  ListBoxEinheit->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  m_Fuellen = false;
}

int TMyWindow::AuswahlIndex() const {
  if (m_Konverter.Einheiten().empty()) return -1;
  int zeile = ListBoxEinheit->currentIndex().row();
  return zeile < 0 ? 0 : zeile;
}

void TMyWindow::ListBoxEinheitClick() {
  InfoAnzeigen();
  EinheitAnzeigen();
  AutomatischRechnen();
}

void TMyWindow::EinheitAnzeigen() {
  const int zeile = AuswahlIndex();
  if (zeile < 0) {
    Label_gewaehlte_einheit->clear();
    Image1->clear();
    return;
  }
  const auto& einheit = m_Konverter.Einheiten()[static_cast<std::size_t>(zeile)];
  Label_gewaehlte_einheit->setText(QtText(einheit.Einheitenname));
  QPixmap flagge = Flagge(QtText(Flaggenname(einheit.Landname)));
  if (flagge.isNull())
    Image1->clear();
  else
    Image1->setPixmap(flagge);
  // The picture is read out by what it stands for: the country or unit class.
  Image1->setAccessibleName(QStringLiteral("Flagge: ") + QtText(einheit.Landname));
}

// -------------------------------------------------------------- conversion

void TMyWindow::AutomatischRechnen() {
  if (m_Konverter.AutomatischRechnenMoeglich(Cp1252MitErsatz(Edit_Eingabe->text()))) RechentasteClick();
}

void TMyWindow::RechentasteClick() { Umrechnen(); }

void TMyWindow::UmrechnenUndMerken() {
  if (Umrechnen()) m_Konverter.VerlaufMerken(Cp1252MitErsatz(Edit_Eingabe->text()));
}

bool TMyWindow::Umrechnen() {
  if (m_Konverter.Einheiten().empty()) return false;
  auto eingabe = Cp1252AusQt(Edit_Eingabe->text());
  if (!eingabe) {
    m_Plattform.Fehler(QtAusUtf8(texte::kFalscheEingabe));
    EingabeFehler();
    return false;
  }
  const Rechenergebnis ergebnis = m_Konverter.Umrechnen(*eingabe, AuswahlIndex(), RueckfrageUeber(m_Plattform));
  for (const auto& meldung : ergebnis.Vorher) Meldung(meldung);
  if (ergebnis.Eingabetext) Edit_Eingabe->setText(QtText(*ergebnis.Eingabetext));
  if (ergebnis.Fehler) Meldung(*ergebnis.Fehler);
  if (ergebnis.Erfolg) {
    ErgebnisAbschliessen();
    for (const auto& meldung : ergebnis.Nachher) Meldung(meldung);
  }
  if (ergebnis.GebietNeuLaden) GebietNeuLaden();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren)
    EingabeFehler();
  else if (ergebnis.FokusDanach == Fokus::NurFokus)
    Edit_Eingabe->setFocus();
  return ergebnis.Erfolg;
}

void TMyWindow::EingabeFehler() {
  Edit_Eingabe->setFocus();
  Edit_Eingabe->selectAll();
}

void TMyWindow::ErgebnisAbschliessen() {
  WertKopieren1->setEnabled(true);
  ErgebnisZeileStarten();
  ErgebnisseZeigen();
  InfoAnzeigen();
}

void TMyWindow::ErgebnisZeileStarten() {
  Timer1->start();
  m_Blinkzaehler = 0;
  Label_Ausgangseinheit->setText(Edit_Eingabe->text() + QStringLiteral("  ") + Label_gewaehlte_einheit->text());
  Label2->setText(QStringLiteral("="));
  const QPixmap flagge = Image1->pixmap();
  if (!flagge.isNull())
    Flagge1->setPixmap(flagge);
  else
    Flagge1->clear();
  Flagge1->setAccessibleName(Image1->accessibleName());
}

void TMyWindow::Timer1Timer() {
  ++m_Blinkzaehler;
  QWidget* zeile[] = {Label_Ausgangseinheit, Flagge1, Label2};
  bool sichtbar;
  if (m_Blinkzaehler == 6) {
    Timer1->stop();
    sichtbar = true;
  } else {
    sichtbar = m_Blinkphase;
    m_Blinkphase = !m_Blinkphase;
  }
  for (QWidget* w : zeile) w->setVisible(sichtbar);
}

void TMyWindow::AusgangVerbergen() {
  Timer1->stop();
  Label_Ausgangseinheit->clear();
  Label2->clear();
  Flagge1->hide();
  Label_Ausgangseinheit->show();
  Label2->show();
}

void TMyWindow::AutomatischesRechnenClick() {
  m_Konverter.SetAutorechnen(AutomatischesRechnen1->isChecked());
  if (m_Konverter.AutomatischRechnenBeiEingabe(Cp1252MitErsatz(Edit_Eingabe->text()))) RechentasteClick();
}

// ------------------------------------------------------------------- events

bool TMyWindow::eventFilter(QObject* objekt, QEvent* ereignis) {
  const auto typ = ereignis->type();
  if ((objekt == Edit_Eingabe || objekt == ListBoxEinheit) && typ == QEvent::KeyPress) {
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
      UmrechnenUndMerken();
      return true;
    }
    // Alt+Down opens the history of the field, as in a drop-down list.
    if (objekt == Edit_Eingabe && taste->key() == Qt::Key_Down && (taste->modifiers() & Qt::AltModifier)) {
      VerlaufZeigen();
      return true;
    }
  }
  if (objekt == Edit_Eingabe && typ == QEvent::ShortcutOverride) {
    // Ctrl+C and Ctrl+V are the menu's: copy the result, paste into the field.
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->matches(QKeySequence::Copy) || taste->matches(QKeySequence::Paste)) return true;
  }
  if (objekt == Edit_Eingabe && typ == QEvent::KeyRelease) {
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    const bool dezimaltaste =
        (taste->modifiers() & Qt::KeypadModifier) && (taste->key() == Qt::Key_Comma || taste->key() == Qt::Key_Period);
    const bool aendernd =
        !taste->text().isEmpty() || taste->key() == Qt::Key_Backspace || taste->key() == Qt::Key_Delete;
    const bool eingabetaste = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
    if (aendernd && !dezimaltaste && !eingabetaste && !taste->isAutoRepeat() &&
        m_Konverter.AutomatischRechnenBeiEingabe(Cp1252MitErsatz(Edit_Eingabe->text())))
      RechentasteClick();
  }
  if (objekt == ListBoxEinheit->viewport()) {
    if (typ == QEvent::ToolTip) return true;  // the hint follows the mouse instead
    if (typ == QEvent::MouseMove) {
      auto* maus = static_cast<QMouseEvent*>(ereignis);
      const QModelIndex index = ListBoxEinheit->indexAt(maus->position().toPoint());
      const QString hinweis = index.isValid() ? QtText(m_Konverter.Hinweis(index.row())) : QString();
      if (hinweis != m_Hinweis) {
        QToolTip::hideText();
        m_Hinweis = hinweis;
        if (!hinweis.isEmpty())
          QToolTip::showText(maus->globalPosition().toPoint(), hinweis, ListBoxEinheit->viewport());
      }
    }
    if (typ == QEvent::Leave) {
      m_Hinweis.clear();
      QToolTip::hideText();
    }
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

}  // namespace kolvaro::ui
