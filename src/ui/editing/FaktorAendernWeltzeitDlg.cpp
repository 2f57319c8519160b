// The dialog that changes one world-time unit.
#include "ui/editing/FaktorAendernWeltzeitDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Einheit.h"
#include "editing/Eingabepruefung.h"
#include "editing/Faktoraenderung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TFaktor_aendern_Weltzeit::TFaktor_aendern_Weltzeit(const Dialogumgebung& umgebung, QWidget* eltern)
    : Faktordialog(umgebung, QStringLiteral("Faktor_aendern_Weltzeit"),
                   QStringLiteral("Umrechnungsfaktor ändern - Weltzeit"), QStringLiteral("Einheit:"),
                   QStringLiteral("&Zeitdifferenz zur Weltzeit:"), eltern) {
  m_Raster->addWidget(Beschriftung(this, "Label5", QStringLiteral("Minuten")), 3, 2);
  auto* panel = new QGroupBox(QStringLiteral("Angabe für Info-Feld:"), this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* label6 = Beschriftung(panel, "Label6", QStringLiteral("&Sommerzeit (+ 1 Stunde) von..bis"));
  Edit2 = new QLineEdit(panel);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(static_cast<int>(kapazitaet::Uebersetzung));
  label6->setBuddy(Edit2);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(label6);
  panelLayout->addWidget(Edit2);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(m_Raster);
  haupt->addWidget(panel);
  haupt->addLayout(m_Knoepfe);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TFaktor_aendern_Weltzeit::OKBtnClick);
}

void TFaktor_aendern_Weltzeit::Vorbereiten() {
  const TAusgabetextobject* einheit = EinheitUebernehmen();
  if (!einheit) return;
  Edit1->setText(QtText(MinutenText(einheit->Faktor)));
  Edit2->setText(QtText(einheit->Uebersetzung));
  Edit1->selectAll();
  Edit1->setFocus();
}

void TFaktor_aendern_Weltzeit::OKBtnClick() {
  if (m_Zeile < 0) return;
  const Text1252 minuten = Cp1252AusQt(Edit1->text()).value_or(Text1252());
  const auto sommerzeit = Cp1252AusQt(Edit2->text());
  const bool minutenGut = FaktorPruefen(minuten.Sicht(), Faktorart::Zeitdifferenz, Faktorstelle::Aendern).Ok();
  if (!sommerzeit && minutenGut) {
    Melden(NichtSpeicherbarMeldung(kSommerzeitFeld));
    Edit2->setFocus();
    Edit2->selectAll();
    return;
  }
  const Einheitenaenderung aenderung = WeltzeitAendern(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(),
                                                       m_Konverter.Einheiten()[static_cast<std::size_t>(m_Zeile)],
                                                       minuten, sommerzeit.value_or(Text1252()));
  const Rechenergebnis& ergebnis = aenderung.Ergebnis;
  if (ergebnis.Erfolg) m_Konverter.EinheitErsetzen(m_Zeile, aenderung.Neu);
  if (Abschliessen(ergebnis)) return;
  // The minutes are checked first: a refused entry is theirs when they are
  // refused, otherwise the summer-time text's.
  QLineEdit* feld = minutenGut ? Edit2 : Edit1;
  if (ergebnis.FokusDanach == Fokus::Keiner) feld = Edit1;
  feld->setFocus();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) feld->selectAll();
}

}  // namespace kolvaro::ui
