// The edge between the core's Windows-1252 texts and Qt's Unicode strings.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "basis/Zeichensatz.h"

namespace kolvaro::ui {

inline QString QtText(const std::string& cp1252) { return QString::fromStdString(Cp1252NachUtf8(cp1252)); }

// The program's own UTF-8 literals (basis/Texte.h).
inline QString QtAusUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// nullopt when the text holds a character that Windows-1252 cannot hold.
inline std::optional<std::string> Cp1252AusQt(const QString& text) { return Utf8NachCp1252(text.toStdString()); }

// Typed input for a calculation: a character that Windows-1252 cannot hold
// becomes "?", which no number or symbol contains.
inline std::string Cp1252MitErsatz(const QString& text) {
  std::string ergebnis;
  const std::string utf8 = text.toStdString();
  for (std::size_t i = 0; i < utf8.size();) {
    // One UTF-8 sequence: a lead byte and its continuation bytes.
    std::size_t laenge = 1;
    while (i + laenge < utf8.size() && (static_cast<unsigned char>(utf8[i + laenge]) & 0xC0) == 0x80) ++laenge;
    auto einzeln = Utf8NachCp1252(std::string_view(utf8).substr(i, laenge));
    ergebnis += einzeln ? *einzeln : std::string("?");
    i += laenge;
  }
  return ergebnis;
}

}  // namespace kolvaro::ui
