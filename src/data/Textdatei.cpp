// Whole-file reading and atomic writing.
#include "data/Textdatei.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "data/Zeichensatz.h"

namespace kolvaro {

std::optional<std::string> DateiInhalt(const std::filesystem::path& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei) return std::nullopt;
  std::error_code fehler;
  if (std::filesystem::is_directory(pfad, fehler)) return std::nullopt;
  std::string inhalt;
  datei.seekg(0, std::ios::end);
  auto groesse = datei.tellg();
  if (groesse > 0) {
    inhalt.resize(static_cast<std::size_t>(groesse));
    datei.seekg(0, std::ios::beg);
    datei.read(inhalt.data(), groesse);
    if (!datei) return std::nullopt;
  }
  return inhalt;
}

std::optional<std::vector<std::string>> DateiLaden(const std::filesystem::path& pfad) {
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return std::nullopt;
  std::vector<std::string> zeilen;
  std::string_view rest = *inhalt;
  while (!rest.empty()) {
    auto pos = rest.find('\n');
    std::string_view zeile = rest.substr(0, pos);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    zeilen.emplace_back(zeile);
    if (pos == std::string_view::npos) break;
    rest.remove_prefix(pos + 1);
  }
  return zeilen;
}

bool SchreibeAtomarRoh(const std::filesystem::path& pfad, const std::string& inhalt) {
  static std::mt19937 zufall{std::random_device{}()};
  auto temp = pfad;
  temp += ".neu" + std::to_string(zufall() % 100000);
  {
    std::ofstream datei(temp, std::ios::binary | std::ios::trunc);
    if (!datei) return false;
    datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    datei.flush();
    if (!datei) {
      datei.close();
      std::error_code ignoriert;
      std::filesystem::remove(temp, ignoriert);
      return false;
    }
  }
  std::error_code fehler;
  std::filesystem::rename(temp, pfad, fehler);
  if (fehler) {
    std::error_code ignoriert;
    std::filesystem::remove(temp, ignoriert);
    return false;
  }
  return true;
}

bool SchreibeAtomar(const std::filesystem::path& pfad, const std::vector<std::string>& zeilen) {
  std::string inhalt;
  std::size_t laenge = 0;
  for (const auto& z : zeilen) laenge += z.size() + 2;
  inhalt.reserve(laenge);
  for (const auto& z : zeilen) {
    inhalt += z;
    inhalt += "\r\n";
  }
  return SchreibeAtomarRoh(pfad, inhalt);
}

bool DateiExistiert(const std::filesystem::path& pfad) {
  std::error_code fehler;
  return std::filesystem::is_regular_file(pfad, fehler);
}

Meldung NichtGeoeffnetMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + dateiname + W(" konnte nicht geöffnet werden!"));
}

Meldung NichtGeschriebenMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + dateiname + " konnte nicht " +
                       W("geöffnet werden oder die revidierte Datei konnte nicht ") +
                       "geschrieben werden!");
}

Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer) {
  return FehlerMeldung("Die Datei " + dateiname + W(" ist beschädigt: Zeile ") +
                       std::to_string(zeilennummer) +
                       W(" ist keine gültige verschlüsselte Zeile. Der Vorgang wurde abgebrochen."));
}

}  // namespace kolvaro
