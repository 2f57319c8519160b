// The pictures of the area and volume calculators: for every plane figure
// and every solid a drawing with the letters of its inputs (QUADRAT, KEGEL,
// ...) and a picture of its formulas (QUADRAT_F, KEGEL_F, ...). They are
// drawn as vectors on a 150 x 150 grid, so they stay sharp at any size and
// device pixel ratio; Flaechenbilder.cpp and Koerperbilder.cpp hold the
// drawings.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kolvaro::ui {

// Every picture name, each drawing followed by its formula picture.
QStringList RechenbildNamen();

// Draws the picture into rahmen, scaled uniformly and centred; false (and
// nothing drawn) for an unknown name. The painter's state is left as it was.
bool RechenbildMalen(QPainter& maler, const QString& name, const QRectF& rahmen);

// What the picture shows, in words for screen readers ("Zeichnung: ...",
// "Formeln: ..."); empty for an unknown name.
QString RechenbildBeschreibung(const QString& name);

// Shows one picture on white in a thin frame. Its accessible name says what
// kind of picture it is ("Zeichnung", "Formeln"), its accessible description
// what it shows.
class TRechenbild : public QWidget {
  Q_OBJECT
 public:
  explicit TRechenbild(QWidget* eltern = nullptr);

  void BildSetzen(const QString& name);
  QString Bild() const { return m_Bild; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  QString m_Bild;
};

}  // namespace kolvaro::ui
