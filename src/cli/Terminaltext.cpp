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

std::string Terminaltext(std::string_view cp1252) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string sicher;
  sicher.reserve(cp1252.size());
  for (const char zeichen : cp1252) {
    const auto c = static_cast<unsigned char>(zeichen);
    if (!Steuerzeichen(c)) {
      sicher += zeichen;
      continue;
    }
    sicher += "\\x";
    sicher += kHex[c >> 4];
    sicher += kHex[c & 0x0F];
  }
  return Cp1252NachUtf8(sicher);
}

}  // namespace kolvaro::cli
