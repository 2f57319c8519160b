// The perpetual calendar.
#include "ui/calculators/KalenderDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calculators/ImmerwaehrenderKalender.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

QPlainTextEdit* Hinweis(QWidget* eltern, const char* name, const QStringList& zeilen) {
  auto* memo = new QPlainTextEdit(zeilen.join(QLatin1Char('\n')), eltern);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setReadOnly(true);
  memo->setAccessibleName(QStringLiteral("Hinweis"));
  return memo;
}

// Shows the messages of a calculation and puts the focus where it says.
void Zeigen(Plattform& plattform, const Rechenergebnis& ergebnis, QLineEdit* feld) {
  if (!ergebnis.Fehler) return;
  MeldungZeigen(plattform, *ergebnis.Fehler);
  if (ergebnis.FokusDanach == Fokus::Keiner) return;
  feld->setFocus();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) feld->selectAll();
}

}  // namespace

TKalenderDlg::TKalenderDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("KalenderDlg"), QStringLiteral("Immerwährender Kalender"), eltern) {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  auto* label1 = Beschriftung(this, "Label1", QStringLiteral("Ermittlung des Wochentages zu einem Datum:"));
  auto* label2 = Beschriftung(this, "Label2", QStringLiteral("&Datum (z.B. 15.03.1940):"));
  label2->setBuddy(Edit1);
  Label3 = Beschriftung(this, "Label3", QString());
  // No name of its own: the result "Wochentag = Samstag" says what it is.
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* label4 = Beschriftung(this, "Label4", QStringLiteral("Ermittlung der beweglichen Feiertage:"));
  auto* label5 = Beschriftung(this, "Label5", QStringLiteral("&Jahr (z.B. 1930):"));
  label5->setBuddy(Edit2);
  BitBtn1 = new QPushButton(QStringLiteral("&Rechnen"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setAccessibleName(QStringLiteral("Wochentag rechnen"));
  BitBtn2 = new QPushButton(QStringLiteral("R&echnen"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setAccessibleName(QStringLiteral("Feiertage rechnen"));
  BitBtn3 = new QPushButton(QStringLiteral("&Schließen"), this);
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));

  auto* RadioGroup1 = new QGroupBox(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_Gregorianisch = new QRadioButton(QStringLiteral("&Gregorianischer Kalender"), RadioGroup1);
  m_Julianisch = new QRadioButton(QStringLiteral("J&ulianischer Kalender"), RadioGroup1);
  m_Gregorianisch->setObjectName(QStringLiteral("Gregorianisch"));
  m_Julianisch->setObjectName(QStringLiteral("Julianisch"));
  m_Gregorianisch->setChecked(true);
  auto* kalender = new QHBoxLayout(RadioGroup1);
  kalender->addWidget(m_Gregorianisch);
  kalender->addWidget(m_Julianisch);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setAccessibleName(QStringLiteral("Bewegliche Feiertage"));
  auto* memo2 = Hinweis(
      this, "Memo2",
      {QStringLiteral("Die Umstellung des Julianischen zum "), QStringLiteral("Gregorianischen Kalender erfolgte in "),
       QStringLiteral("den meisten Ländern im Okt. 1582. "), QStringLiteral("Daher ist die Angabe des Datums vor "),
       QStringLiteral("diesem Termin als Julian. Datum,  "), QStringLiteral("danach als Greg. Datum erforderlich.")});
  auto* memo3 =
      Hinweis(this, "Memo3",
              {QStringLiteral("Hinweis zur Einstellung:"), QStringLiteral("Die Lage der Feiertage richtet sich "),
               QStringLiteral("danach, welcher Kalender im "), QStringLiteral("jeweiligen Jahr gültig ist. In den "),
               QStringLiteral("meisten Ländern wurde der Kalender "), QStringLiteral("im Okt. "),
               QStringLiteral("1582 vom Julianischen zum "), QStringLiteral("Gregorianischen umgestellt. Vor dem "),
               QStringLiteral("Jahre 1583 können "), QStringLiteral("daher keine Berechnungen des Greg. "),
               QStringLiteral("Kalenders duchgeführt werden."), QStringLiteral("In einigen "),
               QStringLiteral("Länder wurder aber der "), QStringLiteral("Gregorianische Kalender erst im 20. "),
               QStringLiteral("Jahrhundert eingeführt. Sie können "), QStringLiteral("daher für solche Länder die "),
               QStringLiteral("Einstellung \"Julianischer Kalender\" "), QStringLiteral("wählen.")});

  auto* wochentag = new QGridLayout;
  wochentag->addWidget(label1, 0, 0, 1, 3);
  wochentag->addWidget(label2, 1, 0);
  wochentag->addWidget(Edit1, 1, 1);
  wochentag->addWidget(BitBtn1, 1, 2);
  wochentag->addWidget(Label3, 2, 1, 1, 2);
  wochentag->addWidget(memo2, 0, 3, 3, 1);
  auto* feiertage = new QGridLayout;
  feiertage->addWidget(label4, 0, 0, 1, 3);
  feiertage->addWidget(label5, 1, 0);
  feiertage->addWidget(Edit2, 1, 1);
  feiertage->addWidget(BitBtn2, 1, 2);
  feiertage->addWidget(RadioGroup1, 2, 0, 1, 3);
  feiertage->addWidget(Memo1, 3, 0, 1, 3);
  feiertage->addWidget(memo3, 0, 3, 4, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(BitBtn3);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(wochentag);
  gesamt->addLayout(feiertage);
  gesamt->addLayout(knoepfe);
  setTabOrder(Edit1, BitBtn1);
  setTabOrder(BitBtn1, Edit2);
  setTabOrder(Edit2, BitBtn2);
  setTabOrder(BitBtn2, m_Gregorianisch);
  setTabOrder(m_Gregorianisch, Memo1);
  setTabOrder(Memo1, BitBtn3);

  connect(Edit1, &QLineEdit::textChanged, Label3, &QLabel::clear);
  connect(Edit2, &QLineEdit::textChanged, Memo1, &QPlainTextEdit::clear);
  connect(m_Gregorianisch, &QRadioButton::toggled, Memo1, &QPlainTextEdit::clear);
  connect(Edit1, &QLineEdit::returnPressed, this, &TKalenderDlg::BitBtn1Click);
  connect(Edit2, &QLineEdit::returnPressed, this, &TKalenderDlg::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TKalenderDlg::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TKalenderDlg::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
  // Return in a field calculates that field's answer, not the default button.
  for (QPushButton* knopf : {BitBtn1, BitBtn2, BitBtn3}) knopf->setAutoDefault(false);
}

void TKalenderDlg::Vorbereiten() {
  Edit1->clear();
  Edit2->clear();
  Label3->clear();
  Memo1->clear();
  Edit1->setFocus();
}

void TKalenderDlg::BitBtn1Click() {
  const Rechenergebnis ergebnis = WochentagBerechnen(Cp1252MitErsatz(Edit1->text()));
  Zeigen(m_Plattform, ergebnis, Edit1);
  if (!ergebnis.Werte.empty()) Label3->setText(QtText(ergebnis.Werte.front()));
}

void TKalenderDlg::BitBtn2Click() {
  const Rechenergebnis ergebnis = FeiertageBerechnen(Cp1252MitErsatz(Edit2->text()), m_Julianisch->isChecked());
  Zeigen(m_Plattform, ergebnis, Edit2);
  QStringList zeilen;
  for (const Text1252& zeile : ergebnis.Werte) zeilen << QtText(zeile);
  if (!zeilen.isEmpty()) Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

}  // namespace kolvaro::ui
