// Reading numbers and the two result texts, to the character.
#include <gtest/gtest.h>

#include "converter/Zahlformat.h"

namespace kolvaro {
namespace {

struct Fall {
  long double Wert;
  const char* Text;
};

class WissTextTest : public ::testing::TestWithParam<Fall> {};
TEST_P(WissTextTest, Text) { EXPECT_EQ(WissText(GetParam().Wert), GetParam().Text); }
INSTANTIATE_TEST_SUITE_P(Beispiele, WissTextTest,
                         ::testing::Values(Fall{1.5L, "1,500000E+0000"}, Fall{-0.00025L, "-2,500000E-0004"},
                                           Fall{0.0L, "0,000000E+0000"}, Fall{1.0L, "1,000000E+0000"},
                                           Fall{4e-11L, "4,000000E-0011"}, Fall{9.9999996e5L, "1,000000E+0006"},
                                           Fall{1.23456789e300L, "1,234568E+0300"},
                                           Fall{1e4000L, "1,000000E+4000"}, Fall{-7.5e-4000L, "-7,500000E-4000"}));

class FliessTextTest : public ::testing::TestWithParam<Fall> {};
TEST_P(FliessTextTest, Text) { EXPECT_EQ(FliessText(GetParam().Wert), GetParam().Text); }
INSTANTIATE_TEST_SUITE_P(
    Beispiele, FliessTextTest,
    ::testing::Values(Fall{1.5L, "1,5000000000"}, Fall{1234.5678L, "1.234,5678000"}, Fall{-123.5L, "-123,50000000"},
                      Fall{12345678901.0L, "12345678901"}, Fall{1.0L, "1,0000000000"},
                      Fall{9.9e12L, "9900000000000"}, Fall{9900000000001.0L, "9,900000E+0012"},
                      Fall{6e-11L, "0,0000000001"}, Fall{4e-11L, "4,000000E-0011"},
                      Fall{1000000.0L, "1.000.000,0000"}, Fall{-1234.5L, "-1.234,5000000"},
                      Fall{9.99999999996L, "10,0000000000"}, Fall{0.0L, "0,000000E+0000"},
                      Fall{-999.5L, "-999,50000000"}, Fall{123456.789L, "123.456,78900"},
                      // 16 characters: the field is wide enough, nothing is cut.
                      Fall{-1234567890.5L, "-1.234.567.890,5"}, Fall{-9999999999.96L, "-10.000.000.000,0"}));

TEST(ZahlLesen, GueltigeFormen) {
  EXPECT_EQ(ZahlLesen("2,5"), 2.5L);
  EXPECT_EQ(ZahlLesen("2.5"), 2.5L);
  EXPECT_EQ(ZahlLesen("-3"), -3.0L);
  EXPECT_EQ(ZahlLesen("+3"), 3.0L);
  EXPECT_EQ(ZahlLesen(",5"), 0.5L);
  EXPECT_EQ(ZahlLesen("5."), 5.0L);
  EXPECT_EQ(ZahlLesen("1E3"), 1000.0L);
  EXPECT_EQ(ZahlLesen("1e-3"), 0.001L);
  EXPECT_EQ(ZahlLesen(" 7 "), 7.0L);
  EXPECT_EQ(ZahlLesen("1E4000"), 1e4000L);
  EXPECT_EQ(ZahlLesen("1E-6000"), 0.0L);  // below the range: zero, which callers refuse
}

TEST(ZahlLesen, UngueltigeFormen) {
  for (const char* text : {"", "abc", "1,2,3", "1.2.3", "E5", "1E", "1E+", "--1", "inf", "nan", "0x10", "1 2",
                           "1E5000", "-", ","})
    EXPECT_FALSE(ZahlLesen(text).has_value()) << text;
}

}  // namespace
}  // namespace kolvaro
