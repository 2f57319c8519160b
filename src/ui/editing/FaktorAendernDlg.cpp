// The dialog that changes one unit's factor.
#include "ui/editing/FaktorAendernDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Faktoraenderung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TFaktor_aendern::TFaktor_aendern(const Dialogumgebung& umgebung, QWidget* eltern)
    : Faktordialog(umgebung, QStringLiteral("Faktor_aendern"), QStringLiteral("Umrechnungsfaktor ändern"),
                   QStringLiteral("1"), QStringLiteral("&entspricht:"), eltern) {
  Label_Bezugseinheit = Beschriftung(this, "Label_Bezugseinheit");
  m_Raster->addWidget(Label_Bezugseinheit, 3, 2);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(m_Raster);
  haupt->addLayout(m_Knoepfe);
  setTabOrder(Edit1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TFaktor_aendern::OKBtnClick);
}

void TFaktor_aendern::Vorbereiten() {
  const TAusgabetextobject* einheit = EinheitUebernehmen();
  if (!einheit) return;
  Label_Bezugseinheit->setText(QtText(m_Konverter.Bezugseinheit()));
  Edit1->setText(QtText(FaktorText(einheit->Faktor)));
  Edit1->selectAll();
  Edit1->setFocus();
}

void TFaktor_aendern::OKBtnClick() {
  if (m_Zeile < 0) return;
  // A character outside the files' character set is no number either.
  const Text1252 eingabe = Cp1252AusQt(Edit1->text()).value_or(Text1252());
  const Einheitenaenderung aenderung =
      FaktorAendern(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(),
                    m_Konverter.Einheiten()[static_cast<std::size_t>(m_Zeile)], eingabe);
  const Rechenergebnis& ergebnis = aenderung.Ergebnis;
  if (ergebnis.Erfolg) m_Konverter.EinheitErsetzen(m_Zeile, aenderung.Neu);
  if (Abschliessen(ergebnis)) return;
  // The dialog stays open with what was typed, also after a failed write.
  Edit1->setFocus();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) Edit1->selectAll();
}

}  // namespace kolvaro::ui
