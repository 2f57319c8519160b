// The edge between the core's Windows-1252 texts and Qt's Unicode strings.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "basis/Zeichensatz.h"

namespace kolvaro::ui {

inline QString QtText(const Text1252& text) { return QString::fromStdString(Cp1252NachUtf8(text)); }

// The program's own UTF-8 literals (basis/Texte.h).
inline QString QtAusUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// nullopt when the text holds a character that Windows-1252 cannot hold.
inline std::optional<Text1252> Cp1252AusQt(const QString& text) { return Utf8NachCp1252(text.toStdString()); }

// Typed input for a calculation: a character that Windows-1252 cannot hold
// becomes "?", which no number or symbol contains.
inline Text1252 Cp1252MitErsatz(const QString& text) { return Cp1252(text.toStdString()); }

}  // namespace kolvaro::ui
