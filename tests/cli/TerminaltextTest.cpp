// The control characters kolvaro-cli writes out instead of passing them to
// the terminal; everything else converts to UTF-8 as it is.
#include <gtest/gtest.h>

#include <string>

#include "cli/Terminaltext.h"

namespace kolvaro::cli {
namespace {

using namespace std::string_literals;

TEST(Terminaltext, SteuerzeichenAusgeschrieben) {
  const struct {
    std::string Cp1252;
    std::string Utf8;
  } faelle[] = {
      {"Meter\tm\n", "Meter\tm\n"},  // columns and lines stay
      {"\x1B[2J", "\\x1B[2J"},
      {"Ton\x07", "Ton\\x07"},
      {"\r\x00\x1F\x7F"s, "\\x0D\\x00\\x1F\\x7F"},
      // Undefined in Windows-1252, they would reach the terminal as C1 controls (0x9D is OSC).
      {"\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},
      {"\x80 \x9B \xE4\xDF \xFF", "\xE2\x82\xAC \xE2\x80\xBA \xC3\xA4\xC3\x9F \xC3\xBF"},  // € › äß ÿ
  };
  for (const auto& fall : faelle) EXPECT_EQ(Terminaltext(fall.Cp1252), fall.Utf8) << fall.Utf8;
}

}  // namespace
}  // namespace kolvaro::cli
