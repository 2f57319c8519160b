// The line cipher.
#include "data/Verschluesselung.h"

#include <random>

namespace kolvaro {
namespace {

// Stands in for an empty key; the program's own callers never pass one.
const std::string kStandardSchluessel = "Kv6#Ostrav";

constexpr char kHexZiffern[] = "0123456789ABCDEF";

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int PaarWert(char hoch, char tief) {
  int h = HexWert(hoch);
  int t = HexWert(tief);
  return (h < 0 || t < 0) ? -1 : h * 16 + t;
}

void HexAnhaengen(std::string& ziel, unsigned wert) {
  ziel += kHexZiffern[(wert >> 4) & 0x0F];
  ziel += kHexZiffern[wert & 0x0F];
}

}  // namespace

std::string Verschluesseln(std::string_view klartext, std::string_view schluessel,
                           std::uint8_t startwert) {
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

std::optional<std::string> Entschluesseln(std::string_view geheimtext, std::string_view schluessel) {
  if (geheimtext.empty()) return std::string();
  if (geheimtext.size() < 4) return std::nullopt;  // a start value and nothing behind it
  if (schluessel.empty()) schluessel = kStandardSchluessel;
  int start = PaarWert(geheimtext[0], geheimtext[1]);
  if (start < 0) return std::nullopt;
  std::string klartext;
  klartext.reserve(geheimtext.size() / 2);
  unsigned vorher = static_cast<unsigned>(start);
  std::size_t j = 0;
  for (std::size_t i = 2; i + 1 < geheimtext.size(); i += 2) {
    int o = PaarWert(geheimtext[i], geheimtext[i + 1]);
    if (o < 0) return std::nullopt;
    j = (j < schluessel.size()) ? j + 1 : 1;
    unsigned t = static_cast<unsigned char>(schluessel[j - 1]) ^ static_cast<unsigned>(o);
    unsigned p = (vorher >= t) ? t + 255 - vorher : t - vorher;
    klartext += static_cast<char>(p & 0xFF);
    vorher = static_cast<unsigned>(o);
  }
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
    case 1: return kSchluessel1;
    case 2: return kSchluessel2;
    case 3: return kSchluessel3;
    default: return kLeer;
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

std::optional<std::string> LinieEntschluesseln(std::string_view zeile, int schluesselnummer) {
  // The hot path of every file load: skip the component's string copies.
  return Entschluesseln(zeile, Schluessel(schluesselnummer));
}

}  // namespace kolvaro
