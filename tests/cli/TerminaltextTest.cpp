// The control characters kolvaro-cli writes out instead of passing them to
// the terminal; everything else converts to UTF-8 as it is.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cli/Terminaltext.h"

namespace kolvaro::cli {
namespace {

using namespace std::string_literals;

TEST(Terminaltext, SteuerzeichenAusgeschrieben) {
  // Windows-1252 in, UTF-8 out; ESC and BEL from data files: KommandozeileTest.
  const std::pair<std::string, std::string> faelle[] = {
      {"Meter\tm\n", "Meter\tm\n"},  // columns and lines stay
      {"\r\x00\x1F\x7F"s, "\\x0D\\x00\\x1F\\x7F"},
      // Undefined in Windows-1252, they would reach the terminal as C1 controls (0x9D is OSC).
      {"\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},
      {"\x80 \x9B \xE4\xDF \xFF", "\xE2\x82\xAC \xE2\x80\xBA \xC3\xA4\xC3\x9F \xC3\xBF"},  // € › äß ÿ
  };
  for (const auto& [cp1252, utf8] : faelle) EXPECT_EQ(Terminaltext(cp1252), utf8) << utf8;
}

}  // namespace
}  // namespace kolvaro::cli
