// The currency table on the shipped currencies as it opens: at its first
// column with the rate to change in view, every column wide enough for its
// header and its cells, and the window can be made larger.
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

TEST_F(WaehrungstabelleAnsichtTest, OeffnetLesbarAmAnfangMitDerAktuellenZelle) {
  GebietWaehlen(QStringLiteral("Währungen"));
  // Twice: the table opens alike after it was closed.
  for (int mal = 0; mal < 2; ++mal) {
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", "Faktor_aender_Waehrung_neu", [&](QDialog& d) {
      QCoreApplication::processEvents();
      auto* gitter = Element<QTableView>(&d, "StringGrid1");
      const QAbstractItemView* ansicht = gitter;  // where the cells' width hint is public
      QHeaderView* kopf = gitter->horizontalHeader();
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
      const QSize vorher = d.size();
      d.resize(vorher + QSize(120, 80));
      EXPECT_EQ(d.size(), vorher + QSize(120, 80));
    }));
  }
}

}  // namespace
}  // namespace kolvaro::ui
