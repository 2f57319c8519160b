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

}  // namespace kolvaro::ui
