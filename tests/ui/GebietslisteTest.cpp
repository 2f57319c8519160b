// The page "Die Gebiete" against the shipped catalogue: a category that is
// added, renamed or given another reference unit must show on the page too.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "data/Katalog.h"
#include "ui/Text.h"

namespace kolvaro::ui {
namespace {

// "name | reference unit" from the first two cells of every table row;
// links and anchors around the name are markup, not text.
QStringList ZeilenDerSeite(const QString& html) {
  static const QRegularExpression kZeile(QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression kMarke(QStringLiteral("<[^>]*>"));
  QStringList zeilen;
  for (auto treffer = kZeile.globalMatch(html); treffer.hasNext();) {
    const auto zeile = treffer.next();
    QString name = zeile.captured(1);
    zeilen << name.remove(kMarke).simplified() + QStringLiteral(" | ") + zeile.captured(2).simplified();
  }
  return zeilen;
}

// The entries of a that b lacks, readable in a failure message.
std::string Ohne(const QStringList& a, const QStringList& b) {
  QStringList rest;
  for (const QString& eintrag : a)
    if (!b.contains(eintrag)) rest << eintrag;
  return rest.join(QStringLiteral("; ")).toStdString();
}

TEST(Gebietsliste, NenntJedesGebietDesKatalogsMitSeinerBezugseinheit) {
  QFile seite(QStringLiteral(KOLVARO_HILFE_DIR "/gebietsliste.html"));
  ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
  const auto katalog = KatalogLaden(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(katalog);
  QStringList erwartet;
  for (const Gebietseintrag& e : *katalog)
    erwartet << QtText(e.Gebietsname) + QStringLiteral(" | ") + QtText(e.Bezugseinheit);
  const QStringList zeilen = ZeilenDerSeite(QString::fromUtf8(seite.readAll()));
  EXPECT_EQ(Ohne(erwartet, zeilen), "") << "fehlen auf der Seite";
  EXPECT_EQ(Ohne(zeilen, erwartet), "") << "stehen nicht im Katalog";
  EXPECT_EQ(zeilen.size(), erwartet.size()) << "ein Gebiet steht mehrfach auf der Seite";
}

}  // namespace
}  // namespace kolvaro::ui
