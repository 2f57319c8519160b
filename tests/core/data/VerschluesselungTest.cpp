// The line cipher: exact output for known inputs, round trips, damaged text.
#include <gtest/gtest.h>

#include <set>

#include "data/Verschluesselung.h"

namespace kolvaro {
namespace {

TEST(Verschluesselung, BekannteWerte) {
  // t = (65 + 0x10) mod 255 = 81; 81 xor 'q' (113) = 0x20.
  EXPECT_EQ(Verschluesseln("A", "qm47w", 0x10), "1020");
  // Modulus 255, not 256: (250 + 240) mod 255 = 235; 235 xor 'q' = 0x9A.
  EXPECT_EQ(Verschluesseln("\xFA", "qm47w", 0xF0), "F09A");
  // Key bytes above 127 count unsigned: 65 xor 128 = 0xC1.
  EXPECT_EQ(Verschluesseln("A", "\x80", 0x00), "00C1");
  // Each cipher byte feeds the next: second byte (66 + 0x20) mod 255 = 98, xor 'm' (109) = 0x0F.
  EXPECT_EQ(Verschluesseln("AB", "qm47w", 0x10), "10200F");
}

// Every text byte with every key and start value; the text is longer than
// each key.
TEST(Verschluesselung, RundlaufJedesTextbytes) {
  std::string alle;
  for (int b = 1; b <= 254; ++b) alle += static_cast<char>(b);
  for (int schluessel : {1, 2, 3})
    for (int start : {0, 1, 128, 254, 255}) {
      auto geheim = Verschluesseln(alle, Schluessel(schluessel), static_cast<std::uint8_t>(start));
      EXPECT_EQ(geheim.size(), 2 + 2 * alle.size());
      EXPECT_EQ(Entschluesseln(geheim, Schluessel(schluessel)), alle) << schluessel << " " << start;
    }
  // A line exactly as long as the key; an empty key is the standard key.
  EXPECT_EQ(Entschluesseln(Verschluesseln("abcde", "qm47w", 3), "qm47w"), "abcde");
  EXPECT_EQ(Entschluesseln(Verschluesseln("Text", "", 9), ""), "Text");
  EXPECT_NE(Verschluesseln("Text", "", 9), Verschluesseln("Text", "qm47w", 9));
}

TEST(Verschluesselung, ZufaelligerStartwertUndWrapper) {
  std::set<std::string> verschieden;
  for (int i = 0; i < 20; ++i) {
    auto geheim = LinieVerschluesseln("Meter\t1", 1);
    EXPECT_EQ(LinieEntschluesseln(geheim, 1), "Meter\t1");
    verschieden.insert(geheim);
  }
  EXPECT_GT(verschieden.size(), 1u);
  EXPECT_EQ(LinieVerschluesseln("x", 3).size(), 4u);
  for (char c : LinieVerschluesseln("\xE4\xF6\xFC", 2)) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(c)));
}

TEST(Verschluesselung, KleinbuchstabenUngeradeLaengeLeerUndBeschaedigt) {
  auto geheim = Verschluesseln("Hallo", "rjd83", 0xAB);
  std::string klein;
  for (char c : geheim) klein += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(Entschluesseln(klein, "rjd83"), "Hallo");
  EXPECT_EQ(Entschluesseln(geheim + "F", "rjd83"), "Hallo");
  EXPECT_EQ(LinieVerschluesseln("", 1), "");
  EXPECT_EQ(LinieEntschluesseln("", 1), "");
  EXPECT_FALSE(LinieEntschluesseln("ZZ1234", 1).has_value());
  EXPECT_FALSE(LinieEntschluesseln("10G0", 1).has_value());
  EXPECT_FALSE(LinieEntschluesseln("10", 1).has_value());  // a start value and nothing behind it
  TEncryption chiffre;
  chiffre.SetInput("xyz");
  chiffre.SetAction(TActionType::atDecryption);
  EXPECT_FALSE(chiffre.Execute());
  EXPECT_EQ(chiffre.Output(), "");
}

}  // namespace
}  // namespace kolvaro
