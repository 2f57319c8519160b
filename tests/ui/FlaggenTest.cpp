// The built-in flag pictures: every picture is used by a country of the
// shipped table or by a unit class and each of them has its picture, the
// description file is free of faults, every picture is drawn, colours sit
// where the real flags have them, and no two countries share a picture.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSet>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "basis/Texte.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Laendertabelle.h"
#include "reference/Nfotabellen.h"
#include "ui/Flaggen.h"
#include "ui/Text.h"

namespace kolvaro::ui {
namespace {

// Pictures of territories that the country table (211 countries) does not
// list, kept for the tables that name territories too (dialling codes), and
// second names of a country (BM_ZAMBIA, BM_CAYMANINSELN).
const char kOhneLand[] =
    "BM_AMERIKANISCH-SAMOA BM_ANGUILLA BM_ANTIGUAUNDBARBUDA BM_ASCENSION BM_BRITISCHEJUNGFERNINSELN "
    "BM_CAYMANINSELN BM_COOK-INSELN BM_DOMINICA BM_FALKLANDINSELN BM_FRANZOESISCH-GUAYANA "
    "BM_FRANZOESISCH-POLYNESIEN BM_GIBRALTAR BM_GRENADA BM_GUADELOUPE BM_GUAM BM_GUERNSEY BM_INDISCHEROZEAN "
    "BM_ISLEOFMAN BM_JERSEY BM_KOKOSINSELN BM_MACQUARIEISLAND BM_MARIANEN,NOERDLICHE BM_MARSHALL-INSEL "
    "BM_MARTINIQUE BM_MAYOTTE BM_MIKRONESIEN BM_MONTSERRAT BM_NAURU BM_NEUKALEDONIEN BM_NIEDERLAENDISCHEANTILLEN "
    "BM_NORFOLKINSELN BM_PALAU BM_REUNION BM_SAINTHELENA BM_SAINTKITTSUNDNEVIS BM_SAINTLUCIA "
    "BM_SAINTPIERREUNDMIQUELON BM_SAINTVINCENTUNDDIEGRENADINEN BM_TURKSUNDCAICOSINSELN BM_TUVALU "
    "BM_WEIHNACHTSINSELN BM_ZAMBIA";

// The names are the files' bytes (the unit classes are ASCII).
QString Name(std::string_view land) { return QtText(Flaggenname(Text1252(land))); }

QImage Bild(const QString& name) { return Flagge(name).toImage().convertToFormat(QImage::Format_RGB32); }

// Anti-aliased edges blend colours; a pixel away from edges keeps its colour.
::testing::AssertionResult FarbeNahe(const QImage& bild, int x, int y, QColor erwartet) {
  const QColor ist = bild.pixelColor(x, y);
  const int abstand = std::abs(ist.red() - erwartet.red()) + std::abs(ist.green() - erwartet.green()) +
                      std::abs(ist.blue() - erwartet.blue());
  if (abstand <= 24) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "Pixel (" << x << "," << y << ") ist " << ist.name().toStdString()
                                       << ", erwartet " << erwartet.name().toStdString();
}

TEST(Flaggen, JedesBenutzteBildIstDaUndJedesBildWirdBenutzt) {
  // The names the program asks for: the flags of the countries and the marks of the unit classes.
  auto tabelle = LaendertabelleLaden(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(tabelle);
  QSet<QString> benutzt;
  for (const Text1252& land : tabelle->Alle) benutzt.insert(Name(land.Sicht()));
  for (std::string_view klasse : texte::kEinheitenklassen) benutzt.insert(Name(klasse));
  for (const QString& name : benutzt) EXPECT_TRUE(FlaggeVorhanden(name)) << name.toStdString();
  QSet<QString> ohneLand;
  for (const QString& name : QString::fromLatin1(kOhneLand).split(QLatin1Char(' '))) ohneLand.insert(name);
  // A name in both sets must leave kOhneLand; a name in neither is a picture nothing shows.
  for (const QString& name : AlleFlaggennamen())
    EXPECT_NE(benutzt.contains(name), ohneLand.contains(name)) << name.toStdString();
  for (const QString& name : ohneLand) EXPECT_TRUE(FlaggeVorhanden(name)) << name.toStdString();
  // Data copied by earlier versions spell two countries as they did then.
  EXPECT_EQ(Name("Equador"), Name("Ecuador"));
  EXPECT_EQ(Name("Saint Vincent und die Grenadien"), Name("Saint Vincent und die Grenadinen"));
}

// The same country under two names shares its picture; nothing else may.
TEST(Flaggen, JedesBildIst32Mal16GezeichnetUndEinzig) {
  const QSet<QString> gleich = {QStringLiteral("BM_SAMBIA|BM_ZAMBIA"),
                                QStringLiteral("BM_CAYMANINSELN|BM_KAIMANINSELN")};
  const QStringList namen = AlleFlaggennamen();
  QImage leer(32, 16, QImage::Format_RGB32);
  leer.fill(Qt::white);
  QList<QImage> bilder;
  for (const QString& name : namen) {
    bilder << Bild(name);
    EXPECT_EQ(bilder.back().size(), leer.size()) << name.toStdString();
    EXPECT_FALSE(bilder.back() == leer) << name.toStdString() << " ist nicht gezeichnet";
  }
  for (int i = 0; i < namen.size(); ++i)
    for (int j = i + 1; j < namen.size(); ++j)
      EXPECT_EQ(bilder[i] == bilder[j], gleich.contains(namen[i] + QLatin1Char('|') + namen[j]))
          << namen[i].toStdString() << " und " << namen[j].toStdString();
  for (const char* name : {"BM_ATLANTIS", "", "bm_deutschland", "DEUTSCHLAND", "BM_DEUTSCHLAND "})
    EXPECT_TRUE(!FlaggeVorhanden(QString::fromLatin1(name)) && Flagge(QString::fromLatin1(name)).isNull()) << name;
}

// The dialling codes show the flag of every country that has one.
TEST(Flaggen, JedeVorwahlFindetIhreFlagge) {
  const QSet<QString> ohneFlagge = {"Ålandinseln",
                                    "Amerikanische Jungferninseln",
                                    "Bonaire, Sint Eustatius und Saba",
                                    "Curaçao",
                                    "Kosovo",
                                    "Montenegro",
                                    "Niue",
                                    "Palästina",
                                    "Saint-Barthélemy",
                                    "Saint-Martin",
                                    "Serbien",
                                    "Sint Maarten",
                                    "Südsudan",
                                    "Svalbard und Jan Mayen",
                                    "Tokelau",
                                    "Tristan da Cunha",
                                    "Wallis und Futuna"};
  auto vorwahlen = VorwahlenLesen(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(vorwahlen);
  for (const std::string& zeile : *vorwahlen) {
    const Text1252 land(Feld(zeile, '\t', 1));
    EXPECT_NE(FlaggeVorhanden(Name(land.Sicht())), ohneFlagge.contains(QtText(land))) << Cp1252NachUtf8(land);
  }
}

TEST(Flaggenbeschreibung, DateiHatKeineFehlerhafteZeile) {
  QSet<QString> gesehen;
  for (const QString& zeile : FlaggenbeschreibungsZeilen()) {
    QString fehler;
    EXPECT_TRUE(FlaggenbeschreibungPruefen(zeile, &fehler)) << fehler.toStdString();
    const QString name = zeile.section(QLatin1Char(' '), 0, 0);
    EXPECT_FALSE(gesehen.contains(name)) << "doppelt: " << name.toStdString();
    gesehen.insert(name);
  }
  EXPECT_EQ(gesehen.size(), AlleFlaggennamen().size());
}

TEST(Flaggenbeschreibung, PrueferWeistFehlerAb) {
  // One fault a line, from "no drawing at all" to a non-finite size.
  const QString falsch = QStringLiteral(
      "|kreisel 16 8 4 FF0000|kreis 16 8 FF0000|kreis 16 8 4 4 FF0000|kreis 16 acht 4 FF0000|kreis 16 8 4 FF00"
      "|kreis 16 8 4 GG0000|h 000000 FFFFFF:0|h|v 000000:x FFFFFF|feld FFFFFF;; kreis 16 8 4 FF0000"
      "|stern 16 8 3 FFFFFF 0 1|stern 16 8 3 FFFFFF 0 5.5|stern 16 8 3 FFFFFF 0 5 1.5|sternring 16 8 5 1 1000 FFFFFF"
      "|rauten 0 3 FFFFFF|schach 0 0 8 8 0 2 FF0000 FFFFFF|vieleck FF0000 1 1 5 5|vieleck FF0000 1 1 5 5 9"
      "|zug 1 FF0000 1 1|bereich 0 0 16|union 0 0|text 16 8 0 FF0000 SI|text 16 8 9 FF0000|kreis 16 8 1e9 FF0000"
      "|kreis 16 8 nan FF0000");
  for (const QString& befehle : falsch.split(QLatin1Char('|'))) {
    const QString zeile = (QStringLiteral("BM_X ") + befehle).trimmed();
    QString fehler;
    EXPECT_FALSE(FlaggenbeschreibungPruefen(zeile, &fehler)) << zeile.toStdString();
    EXPECT_FALSE(fehler.isEmpty()) << zeile.toStdString();
  }
  for (const char* zeile :
       {"BM_X h 000000 DD0000 FFCE00", "BM_X v #0055A4 FFFFFF:2 EF4135", "BM_X feld FFFFFF; kreis 16 8 4.8 BC002D;",
        "BM_X bereich 0 0 16 8; union; bereich; stern 24 8 2 FFFFFF 36 7 0.45",
        "BM_X halbmond 12 8 4 3.2 1 FFFFFF -90; text 16 8 9 000000 Engl ?",
        "BM_X zug 0.6 000000 1 1 5 1 5 5 1 1; schach 0 0 8 8 4 2 FF0000 FFFFFF; rauten 5 3 0098D4"}) {
    QString fehler;
    EXPECT_TRUE(FlaggenbeschreibungPruefen(QString::fromLatin1(zeile), &fehler))
        << zeile << ": " << fehler.toStdString();
  }
}

TEST(Flaggenbeschreibung, FehlerhafteBefehleWerdenAusgelassenStreifenFolgenDenGewichten) {
  const struct {
    const char* Beschreibung;
    std::vector<std::tuple<int, int, QRgb>> Punkte;
  } faelle[] = {
      {"feld 0000FF; kreisel 16 8 4 FF0000; rechteck 0 0 x 16 00FF00; kreis 16 8 1e99 FF0000; "
       "stern 16 8 3 FFFF00 0 1000; rechteck 0 0 4 4 FF0000",
       {{16, 8, 0x0000FF}, {10, 12, 0x0000FF}, {1, 1, 0xFF0000}}},
      {"h FF0000:1 00FF00:2 0000FF:1", {{5, 3, 0xFF0000}, {5, 4, 0x00FF00}, {5, 11, 0x00FF00}, {5, 12, 0x0000FF}}},
      {"bereich 0 0 16 16; v FF0000 0000FF", {{7, 8, 0xFF0000}, {8, 8, 0x0000FF}, {20, 8, 0xFFFFFF}}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Beschreibung);
    const QImage bild = FlaggeAusBeschreibung(QString::fromLatin1(fall.Beschreibung)).toImage();
    ASSERT_EQ(bild.size(), QSize(32, 16));
    for (const auto& [x, y, farbe] : fall.Punkte) EXPECT_TRUE(FarbeNahe(bild, x, y, QColor(farbe)));
  }
  EXPECT_FALSE(FlaggeAusBeschreibung(QString()).isNull());
}

TEST(Flaggenfarben, StichprobenStimmen) {
  const std::pair<const char*, std::vector<std::tuple<int, int, QRgb>>> proben[] = {
      {"BM_DEUTSCHLAND", {{16, 1, 0x000000}, {16, 8, 0xDD0000}, {16, 14, 0xFFCE00}}},
      {"BM_JAPAN", {{16, 8, 0xBC002D}, {0, 0, 0xFFFFFF}}},
      {"BM_FRANKREICH", {{2, 8, 0x0055A4}, {29, 8, 0xEF4135}}},
      {"BM_KANADA", {{2, 8, 0xFF0000}, {16, 8, 0xFF0000}, {9, 2, 0xFFFFFF}}},
      {"BM_USA", {{0, 4, 0x3C3B6E}, {30, 15, 0xB22234}}},
      {"BM_SCHWEIZ", {{16, 8, 0xFFFFFF}, {2, 2, 0xFF0000}}},
      {"BM_BRASILIEN", {{1, 1, 0x009C3B}, {7, 8, 0xFFDF00}, {15, 5, 0x002776}}},
      {"BM_GROSSBRITANNIEN", {{16, 8, 0xC8102E}, {10, 1, 0x012169}}},
      {"BM_SCHWEDEN", {{12, 2, 0xFECC00}, {25, 2, 0x006AA7}}},
      {"BM_EUROPA", {{16, 8, 0x003399}}},
      {"BM_DEUTSCHLAND-BADEN", {{16, 1, 0xFFDD00}, {16, 8, 0xE4222E}}}};
  for (const auto& [name, punkte] : proben)
    for (const auto& [x, y, farbe] : punkte)
      EXPECT_TRUE(FarbeNahe(Bild(QString::fromLatin1(name)), x, y, QColor(farbe))) << name;
}

TEST(Flaggen, EinheitenklassenSindKeineLandesflaggen) {
  // The five marks of the unit classes share the white label with a coloured
  // frame; their frames differ in colour.
  QSet<QRgb> rahmenfarben;
  for (std::string_view klasse : texte::kEinheitenklassen) {
    SCOPED_TRACE(std::string(klasse));
    const QImage bild = Bild(Name(klasse));
    EXPECT_TRUE(FarbeNahe(bild, 16, 15, bild.pixelColor(0, 0)));
    EXPECT_TRUE(FarbeNahe(bild, 3, 8, QColor(Qt::white)));
    rahmenfarben.insert(bild.pixel(0, 0));
  }
  EXPECT_EQ(rahmenfarben.size(), 5);
}

}  // namespace
}  // namespace kolvaro::ui
