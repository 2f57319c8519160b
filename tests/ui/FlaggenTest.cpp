// The built-in flag pictures: every bitmap name has one, the description file
// is free of faults, colours sit where the real flags have them, and no two
// countries share a picture.
#include "ui/Flaggen.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using kolvaro::ui::AlleFlaggennamen;
using kolvaro::ui::Flagge;
using kolvaro::ui::FlaggeAusBeschreibung;
using kolvaro::ui::FlaggenbeschreibungPruefen;
using kolvaro::ui::FlaggenbeschreibungsZeilen;
using kolvaro::ui::FlaggeVorhanden;

// Every bitmap name that the country table and the unit classes use.
const char* const kFlaggennamen[] = {
    "BM_AEGYPTEN", "BM_AEGYPTENANTIK", "BM_AEQUATORIAL-GUINEA", "BM_AETHIOPIEN",
    "BM_AFGHANISTAN", "BM_ALBANIEN", "BM_ALGERIEN", "BM_AMERIKANISCH-SAMOA", "BM_ANDORRA",
    "BM_ANGOLA", "BM_ANGUILLA", "BM_ANTIGUAUNDBARBUDA", "BM_ARABIEN", "BM_ARGENTINIEN",
    "BM_ARMENIEN", "BM_ARUBA", "BM_ASCENSION", "BM_ASERBAIDSCHAN", "BM_AUSTRALIEN",
    "BM_BAHAMAS", "BM_BAHRAIN", "BM_BANGLADESCH", "BM_BARBADOS", "BM_BELGIEN", "BM_BELIZE",
    "BM_BELORUSSLAND", "BM_BENIN", "BM_BERMUDA", "BM_BHUTAN", "BM_BOLIVIEN",
    "BM_BOSNIEN-HERZEGOWINA", "BM_BOTSWANA", "BM_BRASILIEN", "BM_BRITISCHEJUNGFERNINSELN",
    "BM_BRUNEI", "BM_BULGARIEN", "BM_BURKINAFASO", "BM_BURUNDI", "BM_CAYMANINSELN", "BM_CHILE",
    "BM_CHINA", "BM_COOK-INSELN", "BM_COSTARICA", "BM_DAENEMARK", "BM_DEUTSCHLAND",
    "BM_DEUTSCHLAND-BADEN", "BM_DEUTSCHLAND-BAYERN", "BM_DEUTSCHLAND-PREUSSEN",
    "BM_DEUTSCHLAND-SACHSEN", "BM_DOMINICA", "BM_DOMINIKANISCHEREPUBLIK", "BM_DSCHIBUTI",
    "BM_EIGENEEINHEIT", "BM_ELFENBEINKUESTE", "BM_ELSALVADOR", "BM_ENGLISCHESSYSTEM",
    "BM_EQUADOR", "BM_ERITREA", "BM_ESTLAND", "BM_EUROPA", "BM_FAEROEER", "BM_FALKLANDINSELN",
    "BM_FIDSCHI", "BM_FINNLAND", "BM_FRANKREICH", "BM_FRANZOESISCH-GUAYANA",
    "BM_FRANZOESISCH-POLYNESIEN", "BM_GABUN", "BM_GAMBIA", "BM_GEORGIEN", "BM_GHANA",
    "BM_GIBRALTAR", "BM_GRENADA", "BM_GRIECHENLAND", "BM_GRIECHENLANDANTIK", "BM_GROENLAND",
    "BM_GROSSBRITANNIEN", "BM_GUADELOUPE", "BM_GUAM", "BM_GUATEMALA", "BM_GUERNSEY",
    "BM_GUINEA", "BM_GUINEA-BISSAU", "BM_GUYANA", "BM_HAITI", "BM_HONDURAS", "BM_HONGKONG",
    "BM_INDIEN", "BM_INDISCHEROZEAN", "BM_INDONESIEN", "BM_INTERNATIONALEEINHEIT", "BM_IRAK",
    "BM_IRAN", "BM_IRLAND", "BM_ISLAND", "BM_ISLEOFMAN", "BM_ISRAEL", "BM_ISRAELANTIK",
    "BM_ITALIEN", "BM_JAMAIKA", "BM_JAPAN", "BM_JEMEN", "BM_JERSEY", "BM_JORDANIEN",
    "BM_JUGOSLAWIEN", "BM_KAIMANINSELN", "BM_KAMBODSCHA", "BM_KAMERUN", "BM_KANADA",
    "BM_KAPVERDE", "BM_KASACHSTAN", "BM_KATAR", "BM_KENIA", "BM_KIRGISISTAN", "BM_KIRIBATI",
    "BM_KOKOSINSELN", "BM_KOLUMBIEN", "BM_KOMOREN", "BM_KONGOBRAZZAVILLE",
    "BM_KONGOKINSHASA(ZAIRE)", "BM_KOREA", "BM_KOREANORD", "BM_KOREASUED", "BM_KROATIEN",
    "BM_KUBA", "BM_KUWAIT", "BM_LAOS", "BM_LESOTHO", "BM_LETTLAND", "BM_LIBANON", "BM_LIBERIA",
    "BM_LIBYEN", "BM_LIECHTENSTEIN", "BM_LITAUEN", "BM_LUXEMBURG", "BM_MACAU",
    "BM_MACQUARIEISLAND", "BM_MADAGASKAR", "BM_MALAWI", "BM_MALAYSIA", "BM_MALEDIVEN",
    "BM_MALI", "BM_MALTA", "BM_MARIANEN,NOERDLICHE", "BM_MAROKKO", "BM_MARSHALL-INSEL",
    "BM_MARTINIQUE", "BM_MAURETANIEN", "BM_MAURITIUS", "BM_MAYOTTE", "BM_MAZEDONIEN",
    "BM_MEXIKO", "BM_MIKRONESIEN", "BM_MOLDAWIEN", "BM_MONACO", "BM_MONGOLEI", "BM_MONTSERRAT",
    "BM_MOSAMBIK", "BM_MYANMAR", "BM_NAMIBIA", "BM_NAURU", "BM_NEPAL", "BM_NEUKALEDONIEN",
    "BM_NEUSEELAND", "BM_NICARAGUA", "BM_NIEDERLAENDISCHEANTILLEN", "BM_NIEDERLANDE",
    "BM_NIGER", "BM_NIGERIA", "BM_NORFOLKINSELN", "BM_NORWEGEN", "BM_OESTERREICH", "BM_OMAN",
    "BM_OST-TIMOR", "BM_PAKISTAN", "BM_PALAU", "BM_PANAMA", "BM_PAPUA-NEUGUINEA", "BM_PARAGUAY",
    "BM_PERU", "BM_PHILIPPINEN", "BM_POLEN", "BM_PORTUGAL", "BM_PUERTORICO", "BM_REUNION",
    "BM_ROEMISCHESREICH", "BM_RUANDA", "BM_RUMAENIEN", "BM_RUSSLAND", "BM_SAINTHELENA",
    "BM_SAINTKITTSUNDNEVIS", "BM_SAINTLUCIA", "BM_SAINTPIERREUNDMIQUELON",
    "BM_SAINTVINCENTUNDDIEGRENADIEN", "BM_SALOMONEN", "BM_SAMBIA", "BM_SAMOA", "BM_SANMARINO",
    "BM_SAOTOMEUNDPRINCIPE", "BM_SAUDIARABIEN", "BM_SCHWEDEN", "BM_SCHWEIZ", "BM_SENEGAL",
    "BM_SERBIENUNDMONTENEGRO", "BM_SEYCHELLEN", "BM_SI-EINHEIT", "BM_SIERRALEONE",
    "BM_SIMBABWE", "BM_SINGAPUR", "BM_SLOWAKEI", "BM_SLOWENIEN", "BM_SOMALIA",
    "BM_SONSTIGEEINHEIT", "BM_SPANIEN", "BM_SRILANKA", "BM_SUDAN", "BM_SUEDAFRIKA",
    "BM_SURINAM", "BM_SWASILAND", "BM_SYRIEN", "BM_TADSCHIKISTAN", "BM_TAIWAN", "BM_TANSANIA",
    "BM_THAILAND", "BM_TOGO", "BM_TONGA", "BM_TRINIDADUNDTOBAGO", "BM_TSCHAD",
    "BM_TSCHECHISCHEREPUBLIK", "BM_TUERKEI", "BM_TUNESIEN", "BM_TURKMENISTAN",
    "BM_TURKSUNDCAICOSINSELN", "BM_TUVALU", "BM_UGANDA", "BM_UKRAINE", "BM_UNGARN",
    "BM_URUGUAY", "BM_USA", "BM_USBEKISTAN", "BM_VANUATU", "BM_VATIKANSTADT", "BM_VENEZUELA",
    "BM_VEREINIGTEARABISCHEEMIRATE", "BM_VIETNAM", "BM_WEIHNACHTSINSELN", "BM_ZAMBIA",
    "BM_ZENTRALAFRIKA", "BM_ZYPERN", "BM_DEUTSCHLAND-WUERTTEMBERG", "BM_DEUTSCHLAND-HESSEN",
    "BM_DEUTSCHLAND-HANNOVER", "BM_OSMANISCHESREICH",
};

QImage Bild(const QString& name) { return Flagge(name).toImage().convertToFormat(QImage::Format_RGB32); }

// Anti-aliased edges blend colours; a pixel away from edges keeps its colour.
::testing::AssertionResult FarbeNahe(const QImage& bild, int x, int y, QColor erwartet) {
  const QColor ist = bild.pixelColor(x, y);
  const int abstand = std::abs(ist.red() - erwartet.red()) + std::abs(ist.green() - erwartet.green()) +
                      std::abs(ist.blue() - erwartet.blue());
  if (abstand <= 24) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "Pixel (" << x << "," << y << ") ist "
                                       << ist.name().toStdString() << ", erwartet "
                                       << erwartet.name().toStdString();
}

TEST(Flaggen, JederNameHatEinBildVon32Mal16) {
  for (const char* name : kFlaggennamen) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(FlaggeVorhanden(QString::fromLatin1(name)));
    const QPixmap bild = Flagge(QString::fromLatin1(name));
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.width(), 32);
    EXPECT_EQ(bild.height(), 16);
  }
  EXPECT_EQ(AlleFlaggennamen().size(), static_cast<int>(std::size(kFlaggennamen)));
}

TEST(Flaggen, UnbekannterNameGibtKeinBild) {
  for (const char* name : {"BM_ATLANTIS", "", "bm_deutschland", "DEUTSCHLAND", "BM_DEUTSCHLAND "}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(FlaggeVorhanden(QString::fromLatin1(name)));
    EXPECT_TRUE(Flagge(QString::fromLatin1(name)).isNull());
  }
}

TEST(Flaggen, BildWirdNurEinmalGezeichnet) {
  const QPixmap erstes = Flagge(QStringLiteral("BM_KANADA"));
  const QPixmap zweites = Flagge(QStringLiteral("BM_KANADA"));
  EXPECT_EQ(erstes.cacheKey(), zweites.cacheKey());
}

TEST(Flaggenbeschreibung, DateiHatKeineFehlerhafteZeile) {
  const QStringList zeilen = FlaggenbeschreibungsZeilen();
  ASSERT_EQ(zeilen.size(), static_cast<int>(std::size(kFlaggennamen)));
  QSet<QString> gesehen;
  for (const QString& zeile : zeilen) {
    QString fehler;
    EXPECT_TRUE(FlaggenbeschreibungPruefen(zeile, &fehler)) << fehler.toStdString();
    const QString name = zeile.section(QLatin1Char(' '), 0, 0);
    EXPECT_FALSE(gesehen.contains(name)) << "doppelt: " << name.toStdString();
    gesehen.insert(name);
  }
}

TEST(Flaggenbeschreibung, PrueferWeistFehlerAb) {
  const char* const falsch[] = {
      "BM_X",                                   // no drawing
      "BM_X kreisel 16 8 4 FF0000",             // unknown command
      "BM_X kreis 16 8 FF0000",                 // value missing
      "BM_X kreis 16 8 4 4 FF0000",             // value too many
      "BM_X kreis 16 acht 4 FF0000",            // not a number
      "BM_X kreis 16 8 4 FF00",                 // short colour
      "BM_X kreis 16 8 4 GG0000",               // not hex
      "BM_X h 000000 FFFFFF:0",                 // zero weight
      "BM_X h",                                 // stripes without colours
      "BM_X v 000000:x FFFFFF",                 // bad weight
      "BM_X feld FFFFFF;; kreis 16 8 4 FF0000", // empty command in the middle
      "BM_X stern 16 8 3 FFFFFF 0 1",           // a star needs two tips at least
      "BM_X stern 16 8 3 FFFFFF 0 5.5",         // tips are whole
      "BM_X stern 16 8 3 FFFFFF 0 5 1.5",       // inner radius beyond the tips
      "BM_X sternring 16 8 5 1 1000 FFFFFF",    // far too many stars
      "BM_X rauten 0 3 FFFFFF",                 // lozenges of no width
      "BM_X schach 0 0 8 8 0 2 FF0000 FFFFFF",  // no columns
      "BM_X vieleck FF0000 1 1 5 5",            // two points only
      "BM_X vieleck FF0000 1 1 5 5 9",          // odd coordinate count
      "BM_X zug 1 FF0000 1 1",                  // one point only
      "BM_X bereich 0 0 16",                    // three values
      "BM_X union 0 0",                         // two values
      "BM_X text 16 8 0 FF0000 SI",             // no size
      "BM_X text 16 8 9 FF0000",                // no text
      "BM_X kreis 16 8 1e9 FF0000",             // absurd size
      "BM_X kreis 16 8 nan FF0000",             // not finite
  };
  for (const char* zeile : falsch) {
    SCOPED_TRACE(zeile);
    QString fehler;
    EXPECT_FALSE(FlaggenbeschreibungPruefen(QString::fromLatin1(zeile), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
  }
  const char* const richtig[] = {
      "BM_X h 000000 DD0000 FFCE00",
      "BM_X v #0055A4 FFFFFF:2 EF4135",
      "BM_X feld FFFFFF; kreis 16 8 4.8 BC002D;",
      "BM_X bereich 0 0 16 8; union; bereich; stern 24 8 2 FFFFFF 36 7 0.45",
      "BM_X halbmond 12 8 4 3.2 1 FFFFFF -90; text 16 8 9 000000 Engl ?",
      "BM_X zug 0.6 000000 1 1 5 1 5 5 1 1; schach 0 0 8 8 4 2 FF0000 FFFFFF; rauten 5 3 0098D4",
  };
  for (const char* zeile : richtig) {
    QString fehler;
    EXPECT_TRUE(FlaggenbeschreibungPruefen(QString::fromLatin1(zeile), &fehler))
        << zeile << ": " << fehler.toStdString();
  }
}

TEST(Flaggenbeschreibung, FehlerhafterBefehlWirdAusgelassen) {
  const QImage bild = FlaggeAusBeschreibung(QStringLiteral(
                          "feld 0000FF; kreisel 16 8 4 FF0000; rechteck 0 0 x 16 00FF00; "
                          "kreis 16 8 1e99 FF0000; stern 16 8 3 FFFF00 0 1000; rechteck 0 0 4 4 FF0000"))
                          .toImage();
  ASSERT_EQ(bild.size(), QSize(32, 16));
  EXPECT_TRUE(FarbeNahe(bild, 16, 8, QColor(0x00, 0x00, 0xFF)));
  EXPECT_TRUE(FarbeNahe(bild, 10, 12, QColor(0x00, 0x00, 0xFF)));
  EXPECT_TRUE(FarbeNahe(bild, 1, 1, QColor(0xFF, 0x00, 0x00)));
  EXPECT_FALSE(FlaggeAusBeschreibung(QString()).isNull());
}

TEST(Flaggenbeschreibung, StreifenFolgenDenGewichten) {
  const QImage bild = FlaggeAusBeschreibung(QStringLiteral("h FF0000:1 00FF00:2 0000FF:1")).toImage();
  EXPECT_TRUE(FarbeNahe(bild, 5, 3, QColor(0xFF, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(bild, 5, 4, QColor(0x00, 0xFF, 0x00)));
  EXPECT_TRUE(FarbeNahe(bild, 5, 11, QColor(0x00, 0xFF, 0x00)));
  EXPECT_TRUE(FarbeNahe(bild, 5, 12, QColor(0x00, 0x00, 0xFF)));
  const QImage senkrecht = FlaggeAusBeschreibung(QStringLiteral("bereich 0 0 16 16; v FF0000 0000FF")).toImage();
  EXPECT_TRUE(FarbeNahe(senkrecht, 7, 8, QColor(0xFF, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(senkrecht, 8, 8, QColor(0x00, 0x00, 0xFF)));
  EXPECT_TRUE(FarbeNahe(senkrecht, 20, 8, QColor(Qt::white)));  // outside the area
}

TEST(Flaggenfarben, StichprobenStimmen) {
  const QColor weiss(Qt::white);
  const QImage deutschland = Bild(QStringLiteral("BM_DEUTSCHLAND"));
  EXPECT_TRUE(FarbeNahe(deutschland, 16, 1, QColor(0x00, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(deutschland, 16, 8, QColor(0xDD, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(deutschland, 16, 14, QColor(0xFF, 0xCE, 0x00)));

  const QImage japan = Bild(QStringLiteral("BM_JAPAN"));
  EXPECT_TRUE(FarbeNahe(japan, 16, 8, QColor(0xBC, 0x00, 0x2D)));
  EXPECT_TRUE(FarbeNahe(japan, 0, 0, weiss));
  EXPECT_TRUE(FarbeNahe(japan, 31, 15, weiss));

  const QImage frankreich = Bild(QStringLiteral("BM_FRANKREICH"));
  EXPECT_TRUE(FarbeNahe(frankreich, 2, 8, QColor(0x00, 0x55, 0xA4)));
  EXPECT_TRUE(FarbeNahe(frankreich, 29, 8, QColor(0xEF, 0x41, 0x35)));

  // Canada: red bars at the sides, white beside the red leaf.
  const QImage kanada = Bild(QStringLiteral("BM_KANADA"));
  EXPECT_TRUE(FarbeNahe(kanada, 2, 8, QColor(0xFF, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(kanada, 16, 8, QColor(0xFF, 0x00, 0x00)));
  EXPECT_TRUE(FarbeNahe(kanada, 9, 2, weiss));

  // USA: blue canton, red top stripe at the fly, white second stripe.
  const QImage usa = Bild(QStringLiteral("BM_USA"));
  EXPECT_TRUE(FarbeNahe(usa, 0, 4, QColor(0x3C, 0x3B, 0x6E)));
  EXPECT_TRUE(FarbeNahe(usa, 30, 0, QColor(0xB2, 0x22, 0x34)));
  EXPECT_TRUE(FarbeNahe(usa, 30, 15, QColor(0xB2, 0x22, 0x34)));

  const QImage schweiz = Bild(QStringLiteral("BM_SCHWEIZ"));
  EXPECT_TRUE(FarbeNahe(schweiz, 16, 8, weiss));
  EXPECT_TRUE(FarbeNahe(schweiz, 2, 2, QColor(0xFF, 0x00, 0x00)));

  const QImage brasilien = Bild(QStringLiteral("BM_BRASILIEN"));
  EXPECT_TRUE(FarbeNahe(brasilien, 1, 1, QColor(0x00, 0x9C, 0x3B)));
  EXPECT_TRUE(FarbeNahe(brasilien, 7, 8, QColor(0xFF, 0xDF, 0x00)));
  EXPECT_TRUE(FarbeNahe(brasilien, 15, 5, QColor(0x00, 0x27, 0x76)));

  // The Union Jack: red St George's cross in the middle, blue in the corners.
  const QImage uk = Bild(QStringLiteral("BM_GROSSBRITANNIEN"));
  EXPECT_TRUE(FarbeNahe(uk, 16, 8, QColor(0xC8, 0x10, 0x2E)));
  EXPECT_TRUE(FarbeNahe(uk, 10, 1, QColor(0x01, 0x21, 0x69)));

  const QImage schweden = Bild(QStringLiteral("BM_SCHWEDEN"));
  EXPECT_TRUE(FarbeNahe(schweden, 12, 2, QColor(0xFE, 0xCC, 0x00)));
  EXPECT_TRUE(FarbeNahe(schweden, 25, 2, QColor(0x00, 0x6A, 0xA7)));

  const QImage europa = Bild(QStringLiteral("BM_EUROPA"));
  EXPECT_TRUE(FarbeNahe(europa, 16, 8, QColor(0x00, 0x33, 0x99)));
  EXPECT_TRUE(FarbeNahe(europa, 1, 1, QColor(0x00, 0x33, 0x99)));

  const QImage baden = Bild(QStringLiteral("BM_DEUTSCHLAND-BADEN"));
  EXPECT_TRUE(FarbeNahe(baden, 16, 1, QColor(0xFF, 0xDD, 0x00)));
  EXPECT_TRUE(FarbeNahe(baden, 16, 8, QColor(0xE4, 0x22, 0x2E)));
}

TEST(Flaggen, VerschiedeneLaenderHabenVerschiedeneBilder) {
  // The same country under two names shares its picture; nothing else may.
  const QSet<QString> gleich = {QStringLiteral("BM_SAMBIA|BM_ZAMBIA"),
                                QStringLiteral("BM_CAYMANINSELN|BM_KAIMANINSELN")};
  const QStringList namen = AlleFlaggennamen();
  QList<QImage> bilder;
  for (const QString& name : namen) bilder << Bild(name);
  for (int i = 0; i < namen.size(); ++i) {
    for (int j = i + 1; j < namen.size(); ++j) {
      const bool sollGleich = gleich.contains(namen[i] + QLatin1Char('|') + namen[j]);
      EXPECT_EQ(bilder[i] == bilder[j], sollGleich) << namen[i].toStdString() << " und "
                                                    << namen[j].toStdString();
    }
  }
}

TEST(Flaggen, EinheitenklassenSindKeineLandesflaggen) {
  // The five marks of the unit classes share the white label with a coloured
  // frame; their frames differ in colour.
  const char* const klassen[] = {"BM_SI-EINHEIT", "BM_INTERNATIONALEEINHEIT", "BM_ENGLISCHESSYSTEM",
                                 "BM_EIGENEEINHEIT", "BM_SONSTIGEEINHEIT"};
  QSet<QRgb> rahmenfarben;
  for (const char* klasse : klassen) {
    SCOPED_TRACE(klasse);
    const QImage bild = Bild(QString::fromLatin1(klasse));
    EXPECT_TRUE(FarbeNahe(bild, 16, 15, bild.pixelColor(0, 0)));
    EXPECT_TRUE(FarbeNahe(bild, 3, 8, QColor(Qt::white)));
    rahmenfarben.insert(bild.pixel(0, 0));
  }
  EXPECT_EQ(rahmenfarben.size(), 5);
}

}  // namespace
