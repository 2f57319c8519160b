// Control characters written out for the terminal.
#include "cli/Terminaltext.h"

#include "basis/Zeichensatz.h"

namespace kolvaro::cli {

namespace {

bool Steuerzeichen(unsigned char c) {
  if (c == '\t' || c == '\n') return false;
  return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

std::string Terminaltext(const Text1252& text) {
  std::string sicher;
  sicher.reserve(text.size() + text.size() / 8);
  TerminaltextAnhaengen(sicher, text);
  return sicher;
}

void TerminaltextAnhaengen(std::string& sicher, const Text1252& text) {
  const std::string_view cp1252 = text.Sicht();
  static const char kHex[] = "0123456789ABCDEF";
  std::size_t i = 0;
  while (i < cp1252.size()) {
    std::size_t ende = i;
    while (ende < cp1252.size() && !Steuerzeichen(static_cast<unsigned char>(cp1252[ende]))) ++ende;
    Cp1252NachUtf8Anhaengen(sicher, cp1252.substr(i, ende - i));
    if (ende == cp1252.size()) break;
    const auto c = static_cast<unsigned char>(cp1252[ende]);
    sicher += "\\x";
    sicher += kHex[c >> 4];
    sicher += kHex[c & 0x0F];
    i = ende + 1;
  }
}

}  // namespace kolvaro::cli
