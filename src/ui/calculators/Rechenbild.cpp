// Finds a calculator picture by its name in the tables of Flaechenbilder.cpp
// and Koerperbilder.cpp, draws it scaled into a frame, describes it for
// screen readers, and shows it in a widget.
#include "ui/calculators/Rechenbild.h"

#include <QPaintEvent>
#include <algorithm>

#include "ui/calculators/Rechenbildmaler.h"

namespace kolvaro::ui {
namespace {

using rechenbild::Eintrag;

const QLatin1String kFormelEndung("_F");

struct Fund {
  const Eintrag* eintrag = nullptr;
  bool formeln = false;
};

Fund Finden(const QString& name) {
  const bool formeln = name.endsWith(kFormelEndung);
  const QString figur = formeln ? name.chopped(kFormelEndung.size()) : name;
  for (const auto* tabelle : {&rechenbild::Flaechen(), &rechenbild::Koerper()})
    for (const Eintrag& eintrag : *tabelle)
      if (figur == QLatin1String(eintrag.Name)) return {&eintrag, formeln};
  return {};
}

QStringList Formelzeilen(const Eintrag& eintrag) { return QString::fromUtf8(eintrag.Formeln).split(QLatin1Char('\n')); }

// Subscript digits read aloud as digits; a screen reader may skip the subscript forms.
QString OhneTiefstellung(QString text) {
  const QString tief = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
  for (int i = 0; i < tief.size(); ++i) text.replace(tief[i], QLatin1Char('0' + i));
  return text;
}

QString Formelbeschreibung(const Eintrag& eintrag) {
  QStringList formeln;
  for (const QString& zeile : Formelzeilen(eintrag)) {
    if (zeile.startsWith(QLatin1Char(' ')) && !formeln.isEmpty())
      formeln.last() += QLatin1Char(' ') + zeile.trimmed();
    else
      formeln << zeile;
  }
  const QString art = formeln.size() == 1 ? QStringLiteral("Formel: ") : QStringLiteral("Formeln: ");
  return OhneTiefstellung(art + formeln.join(QStringLiteral(", ")));
}

}  // namespace

QStringList RechenbildNamen() {
  QStringList namen;
  for (const auto* tabelle : {&rechenbild::Flaechen(), &rechenbild::Koerper()})
    for (const Eintrag& eintrag : *tabelle)
      namen << QString::fromLatin1(eintrag.Name) << QString::fromLatin1(eintrag.Name) + kFormelEndung;
  return namen;
}

bool RechenbildMalen(QPainter& maler, const QString& name, const QRectF& rahmen) {
  const Fund fund = Finden(name);
  if (!fund.eintrag) return false;
  const double massstab = std::min(rahmen.width(), rahmen.height()) / rechenbild::kRaster;
  if (!(massstab > 0)) return true;
  maler.save();
  maler.setRenderHint(QPainter::Antialiasing, true);
  maler.translate(rahmen.center());
  maler.scale(massstab, massstab);
  maler.translate(-rechenbild::kRaster / 2, -rechenbild::kRaster / 2);
  if (fund.formeln)
    rechenbild::Formeltext(maler, Formelzeilen(*fund.eintrag));
  else
    fund.eintrag->Malen(maler);
  maler.restore();
  return true;
}

QString RechenbildBeschreibung(const QString& name) {
  const Fund fund = Finden(name);
  if (!fund.eintrag) return QString();
  if (fund.formeln) return Formelbeschreibung(*fund.eintrag);
  return QStringLiteral("Zeichnung: ") + QString::fromUtf8(fund.eintrag->Inhalt);
}

TRechenbild::TRechenbild(QWidget* eltern) : QWidget(eltern) {}

void TRechenbild::BildSetzen(const QString& name) {
  m_Bild = name;
  // The kind of picture names it (a dialog shows a drawing and its formulas side by side); what it shows is its
  // description.
  const QString beschreibung = RechenbildBeschreibung(name);
  const int trenner = beschreibung.indexOf(QStringLiteral(": "));
  setAccessibleName(trenner < 0 ? beschreibung : beschreibung.left(trenner));
  setAccessibleDescription(trenner < 0 ? QString() : beschreibung.mid(trenner + 2));
  update();
}

QSize TRechenbild::sizeHint() const { return {150, 150}; }

QSize TRechenbild::minimumSizeHint() const { return {150, 150}; }

void TRechenbild::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  const QRectF flaeche = rect();
  maler.fillRect(flaeche, Qt::white);
  maler.setPen(QPen(QColor(0x8A, 0x97, 0xB0), 1));
  maler.drawRect(flaeche.adjusted(0.5, 0.5, -0.5, -0.5));
  RechenbildMalen(maler, m_Bild, flaeche.adjusted(1, 1, -1, -1));
}

}  // namespace kolvaro::ui
