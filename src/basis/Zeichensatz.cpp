// Windows-1252 <-> UTF-8.
#include "basis/Zeichensatz.h"

#include <array>
#include <cstdint>

namespace kolvaro {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> kBereich80 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Utf8Anhaengen(std::string& ziel, char32_t cp) {
  if (cp < 0x80) {
    ziel += static_cast<char>(cp);
  } else if (cp < 0x800) {
    ziel += static_cast<char>(0xC0 | (cp >> 6));
    ziel += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    ziel += static_cast<char>(0xE0 | (cp >> 12));
    ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<unsigned char> ByteFuer(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kBereich80.size(); ++i)
    if (kBereich80[i] == cp) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

}  // namespace

void Cp1252NachUtf8Anhaengen(std::string& ziel, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    // ASCII stays as it is: a whole run at once.
    std::size_t ende = i;
    while (ende < text.size() && static_cast<unsigned char>(text[ende]) < 0x80) ++ende;
    ziel.append(text.data() + i, ende - i);
    if (ende == text.size()) break;
    const auto b = static_cast<unsigned char>(text[ende]);
    Utf8Anhaengen(ziel, b < 0xA0 ? kBereich80[b - 0x80] : b);
    i = ende + 1;
  }
}

std::string Cp1252NachUtf8(const Text1252& text) {
  std::string ziel;
  ziel.reserve(text.size() + text.size() / 8);
  Cp1252NachUtf8Anhaengen(ziel, text.Sicht());
  return ziel;
}

namespace {

// Converts text; at a sequence that is not UTF-8 or a character Windows-1252
// cannot hold it gives up (ersatz 0) or writes ersatz and goes on.
std::optional<std::string> Utf8Umsetzen(std::string_view text, char ersatz) {
  std::string ziel;
  ziel.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto b = static_cast<unsigned char>(text[i]);
    char32_t cp = 0;
    int folge = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      folge = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      folge = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      folge = 3;
    } else {
      folge = -1;
    }
    // A broken sequence counts as one character: its lead byte.
    bool gueltig = folge >= 0;
    for (int k = 1; gueltig && k <= folge; ++k) {
      if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        gueltig = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if (gueltig && folge > 0 && cp < 0x80) gueltig = false;  // overlong form
    const auto byte = gueltig ? ByteFuer(cp) : std::nullopt;
    if (byte) {
      ziel += static_cast<char>(*byte);
    } else if (ersatz == 0) {
      return std::nullopt;
    } else {
      ziel += ersatz;
    }
    i += gueltig ? folge + 1 : 1;
  }
  return ziel;
}

}  // namespace

std::optional<Text1252> Utf8NachCp1252(std::string_view text) {
  auto ziel = Utf8Umsetzen(text, 0);
  if (!ziel) return std::nullopt;
  return Text1252(std::move(*ziel));
}

Text1252 Cp1252(std::string_view utf8) { return Text1252(*Utf8Umsetzen(utf8, '?')); }

Text1252 Text1252::AusLiteral(std::string_view utf8) { return Cp1252(utf8); }

Text1252 GrossCp1252(const Text1252& text) { return Text1252(GrossCp1252(text.Sicht())); }

unsigned char GrossCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;  // š
    case 0x9C:
      return 0x8C;  // œ
    case 0x9E:
      return 0x8E;  // ž
    case 0xFF:
      return 0x9F;  // ÿ
    default:
      return c;
  }
}

std::string GrossCp1252(std::string_view text) {
  std::string ziel(text);
  for (char& ch : ziel) ch = static_cast<char>(GrossCp1252(static_cast<unsigned char>(ch)));
  return ziel;
}

}  // namespace kolvaro
