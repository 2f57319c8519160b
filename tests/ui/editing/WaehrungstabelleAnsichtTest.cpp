// The currency table on the shipped currencies: it opens at its first
// column with the rate to change in view, every column wide enough for its
// header and its cells, the window can be made larger, and OK writes every
// currency back unharmed.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

using WaehrungstabelleAnsichtTest = test::GebautesFenster;

TEST_F(WaehrungstabelleAnsichtTest, OeffnetLesbarUndSchreibtAlleWaehrungenZurueck) {
  GebietWaehlen(QStringLiteral("Währungen"));
  const auto vorher = Klartext("WAEHRUNG.DAT");
  ASSERT_FALSE(vorher.empty());
  // Twice: the table opens alike after it was cancelled; the second time ends with OK.
  for (int mal = 0; mal < 2; ++mal) {
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", "Faktor_aender_Waehrung_neu", [&](QDialog& d) {
      QCoreApplication::processEvents();
      auto* gitter = Element<QTableView>(&d, "StringGrid1");
      const QAbstractItemView* ansicht = gitter;  // where the cells' width hint is public
      QHeaderView* kopf = gitter->horizontalHeader();
      EXPECT_EQ(gitter->model()->rowCount(), static_cast<int>(vorher.size()));
      EXPECT_EQ(gitter->horizontalScrollBar()->value(), 0);
      const QModelIndex aktuell = gitter->currentIndex();
      EXPECT_EQ(aktuell, gitter->model()->index(0, 2));
      EXPECT_TRUE(gitter->viewport()->rect().contains(gitter->visualRect(aktuell)));
      for (int spalte = 0; spalte < gitter->model()->columnCount(); ++spalte) {
        SCOPED_TRACE(spalte);
        EXPECT_GE(kopf->sectionSize(spalte),
                  std::max(kopf->sectionSizeHint(spalte), ansicht->sizeHintForColumn(spalte)));
      }
      // All five side by side, unless the window already spans the screen.
      const int letzte = gitter->model()->columnCount() - 1;
      EXPECT_TRUE(kopf->sectionViewportPosition(letzte) + kopf->sectionSize(letzte) <= gitter->viewport()->width() ||
                  d.width() >= d.screen()->availableGeometry().width());
      const QSize groesse = d.size();
      d.resize(groesse + QSize(120, 80));
      EXPECT_EQ(d.size(), groesse + QSize(120, 80));
      if (mal == 1) Klick(&d, "BitBtn1");
    }));
  }
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto nachher = Klartext("WAEHRUNG.DAT");
  ASSERT_EQ(nachher.size(), vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Felder(nachher[i], '\t').size(), 19u);
    EXPECT_EQ(nachher[i].find('\0'), std::string::npos);
    for (int f : {1, 2, 5, 7, 8, 10, 11, 12, 13, 14, 15, 17, 19})
      EXPECT_EQ(Feld(nachher[i], '\t', f), Feld(vorher[i], '\t', f)) << "Feld " << f;
    EXPECT_EQ(Feld(nachher[i], '\t', 9).size(), 23u);
  }
}

}  // namespace
}  // namespace kolvaro::ui
