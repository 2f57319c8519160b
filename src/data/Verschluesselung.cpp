// The line cipher.
#include "data/Verschluesselung.h"

#include <cstring>
#include <random>

namespace kolvaro {
namespace {

// Stands in for an empty key; the program's own callers never pass one.
const std::string kStandardSchluessel = "Kv6#Ostrav";

constexpr char kHexZiffern[] = "0123456789ABCDEF";

// Value of a hexadecimal digit, -1 for any other byte.
struct HexTabelle {
  signed char Wert[256];
  constexpr HexTabelle() : Wert() {
    for (int i = 0; i < 256; ++i) Wert[i] = -1;
    for (int i = 0; i < 10; ++i) Wert['0' + i] = static_cast<signed char>(i);
    for (int i = 0; i < 6; ++i) {
      Wert['A' + i] = static_cast<signed char>(10 + i);
      Wert['a' + i] = static_cast<signed char>(10 + i);
    }
  }
};
constexpr HexTabelle kHex;

// Value of a pair of hexadecimal digits, indexed by the two bytes as they
// stand in memory; -1 for a pair that is not hexadecimal. Built by the
// compiler: a table made at run time would touch all its 128 KB on every
// start, where reading touches only the few pages of the digit pairs.
struct PaarTabelle {
  std::int16_t Wert[65536];
  constexpr PaarTabelle() : Wert() {
    for (int a = 0; a < 256; ++a)
      for (int b = 0; b < 256; ++b) {
        int h = kHex.Wert[a], t = kHex.Wert[b];
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        const int index = a << 8 | b;
#else
        const int index = b << 8 | a;
#endif
        Wert[index] = static_cast<std::int16_t>((h | t) < 0 ? -1 : h * 16 + t);
      }
  }
};
constexpr PaarTabelle kPaare;

const PaarTabelle& Paare() { return kPaare; }

int PaarWert(char hoch, char tief) {
  int h = kHex.Wert[static_cast<unsigned char>(hoch)];
  int t = kHex.Wert[static_cast<unsigned char>(tief)];
  return (h | t) < 0 ? -1 : h * 16 + t;
}

void HexAnhaengen(std::string& ziel, unsigned wert) {
  ziel += kHexZiffern[(wert >> 4) & 0x0F];
  ziel += kHexZiffern[wert & 0x0F];
}

}  // namespace

std::string Verschluesseln(std::string_view klartext, std::string_view schluessel, std::uint8_t startwert) {
  if (klartext.empty()) return {};
  if (schluessel.empty()) schluessel = kStandardSchluessel;
  std::string ausgabe;
  ausgabe.reserve(2 + 2 * klartext.size());
  HexAnhaengen(ausgabe, startwert);
  unsigned vorher = startwert;
  std::size_t j = 0;
  for (char ch : klartext) {
    unsigned c = static_cast<unsigned char>(ch);
    unsigned t = (c + vorher) % 255;
    j = (j < schluessel.size()) ? j + 1 : 1;
    unsigned o = t ^ static_cast<unsigned char>(schluessel[j - 1]);
    HexAnhaengen(ausgabe, o);
    vorher = o;
  }
  return ausgabe;
}

bool Entschluesseln(std::string_view geheimtext, std::string_view schluessel, std::string& ziel) {
  ziel.clear();
  if (geheimtext.empty()) return true;
  if (geheimtext.size() < 4) return false;  // a start value and nothing behind it
  if (schluessel.empty()) schluessel = kStandardSchluessel;
  int start = PaarWert(geheimtext[0], geheimtext[1]);
  if (start < 0) return false;
  ziel.resize((geheimtext.size() - 2) / 2);
  // Plain pointers: the char stores would otherwise make the compiler reload
  // every string's data pointer in each step.
  const char* ein = geheimtext.data() + 2;
  const unsigned char* schl = reinterpret_cast<const unsigned char*>(schluessel.data());
  const std::size_t m = schluessel.size();
  char* aus = ziel.data();
  const std::size_t n = ziel.size();
  unsigned vorher = static_cast<unsigned>(start);
  std::size_t j = 0;
  int fehler = 0;
  const std::int16_t* paare = Paare().Wert;
  for (std::size_t k = 0; k < n; ++k) {
    std::uint16_t index;
    std::memcpy(&index, ein + 2 * k, 2);
    int o = paare[index];
    fehler |= o;
    unsigned t = schl[j] ^ static_cast<unsigned>(o & 0xFF);
    j = (j + 1 == m) ? 0 : j + 1;
    // t + 255 - vorher when vorher >= t, else t - vorher; without a branch,
    // which random cipher bytes would mispredict half of the time.
    unsigned p = t - vorher + 255u * static_cast<unsigned>(vorher >= t);
    aus[k] = static_cast<char>(p & 0xFF);
    vorher = static_cast<unsigned>(o & 0xFF);
  }
  if (fehler < 0) {
    ziel.clear();
    return false;
  }
  return true;
}

std::optional<std::string> Entschluesseln(std::string_view geheimtext, std::string_view schluessel) {
  std::string klartext;
  if (!Entschluesseln(geheimtext, schluessel, klartext)) return std::nullopt;
  return klartext;
}

std::uint8_t ZufallsStartwert() {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<int> verteilung(0, 255);
  return static_cast<std::uint8_t>(verteilung(generator));
}

bool TEncryption::Execute() {
  if (m_Input.empty()) {
    SetOutput({});
    return true;
  }
  if (m_Action == TActionType::atEncryption) {
    SetOutput(Verschluesseln(m_Input, m_Key, ZufallsStartwert()));
    return true;
  }
  auto klartext = Entschluesseln(m_Input, m_Key);
  SetOutput(klartext ? *klartext : std::string());
  return klartext.has_value();
}

const std::string& Schluessel(int nummer) {
  static const std::string kSchluessel1 = "qm47w";
  static const std::string kSchluessel2 = "\x5a\x2e\x8b\xc4\x11";
  static const std::string kSchluessel3 = "rjd83";
  static const std::string kLeer;
  switch (nummer) {
    case 1:
      return kSchluessel1;
    case 2:
      return kSchluessel2;
    case 3:
      return kSchluessel3;
    default:
      return kLeer;
  }
}

std::string LinieVerschluesseln(std::string_view zeile, int schluesselnummer) {
  TEncryption chiffre;
  chiffre.SetInput(std::string(zeile));
  chiffre.SetKey(Schluessel(schluesselnummer));
  chiffre.SetAction(TActionType::atEncryption);
  chiffre.Execute();
  return chiffre.Output();
}

bool LinieEntschluesseln(std::string_view zeile, int schluesselnummer, std::string& ziel) {
  return Entschluesseln(zeile, Schluessel(schluesselnummer), ziel);
}

std::optional<std::string> LinieEntschluesseln(std::string_view zeile, int schluesselnummer) {
  // The hot path of every file load: skip the component's string copies.
  return Entschluesseln(zeile, Schluessel(schluesselnummer));
}

}  // namespace kolvaro
