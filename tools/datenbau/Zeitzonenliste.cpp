// The unit lines of the time-zone category, one per zone of zone1970.tab
// (the database's list of zones that differ since 1970) and one for world
// time. The offsets are not written here: the program asks the database at
// run time, so a newer tzdata needs no new data file.
#include "Zeitzonenliste.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

#include "basis/Alphabet.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Textdatei.h"

namespace fs = std::filesystem;

namespace kolvaro::datenbau {
namespace {

std::vector<std::string> Utf8Zeilen(const fs::path& pfad) {
  auto zeilen = DateiLaden(pfad);
  if (!zeilen) throw std::runtime_error("kann " + pfad.string() + " nicht lesen");
  return *zeilen;
}

// The German names of the regions that begin the zone names.
const std::map<std::string, std::string> kRegionen = {
    {"Africa", "Afrika"},        {"America", "Amerika"}, {"Antarctica", "Antarktis"},
    {"Arctic", "Arktis"},        {"Asia", "Asien"},      {"Atlantic", "Atlantik"},
    {"Australia", "Australien"}, {"Europe", "Europa"},   {"Indian", "Indischer Ozean"},
    {"Pacific", "Pazifik"}};

std::string OhneUnterstriche(std::string text) {
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

// "Europe/Berlin" -> "Berlin (Europa)";
// "America/Argentina/Buenos_Aires" -> "Buenos Aires, Argentina (Amerika)".
std::string Anzeigename(const std::string& zone) {
  std::vector<std::string> teile;
  for (std::size_t anfang = 0;;) {
    const std::size_t ende = zone.find('/', anfang);
    teile.push_back(zone.substr(anfang, ende - anfang));
    if (ende == std::string::npos) break;
    anfang = ende + 1;
  }
  std::string name = OhneUnterstriche(teile.back());
  for (std::size_t i = teile.size() - 1; i-- > 1;) name += ", " + OhneUnterstriche(teile[i]);
  if (teile.size() > 1) {
    const auto region = kRegionen.find(teile.front());
    name += " (" + (region != kRegionen.end() ? region->second : teile.front()) + ")";
  }
  return name;
}

// A line of 19 fields (UTF-8), the unused ones empty.
std::string Einheitenzeile(const std::string& land, const std::string& name, const std::string& zone,
                           const std::string& ort, const std::string& zusatz) {
  std::vector<std::string> f(feld::Anzahl);
  f[feld::Sichtbar - 1] = "j";
  f[feld::Landname - 1] = land;
  f[feld::Einheitenname - 1] = name;
  // The factor means nothing here; 1 keeps the file like every factor file.
  f[feld::Faktor - 1] = "1";
  f[feld::SonstigeNamen - 1] = zone;
  f[feld::Ort - 1] = ort;
  f[feld::Zusatzinfo - 1] = zusatz;
  std::string zeile;
  for (std::size_t i = 0; i < f.size(); ++i) zeile += (i ? "\t" : "") + f[i];
  return zeile;
}

std::string Zonentabelle() {
  const char* tzdir = std::getenv("TZDIR");
  return (fs::path(tzdir && *tzdir ? tzdir : "/usr/share/zoneinfo") / "zone1970.tab").string();
}

std::vector<std::string> Zonenzeilen(const fs::path& quellen, std::vector<std::string>& warnungen) {
  // The German country names by ISO code, from the dialling-code table,
  // which names its countries as the country table does.
  std::map<std::string, std::string> laenderNachCode;
  const auto vorwahlen = Utf8Zeilen(quellen / "referenz" / "Stoffw14.nfo.txt");
  for (std::size_t i = 1; i < vorwahlen.size(); ++i)
    laenderNachCode[Feld(vorwahlen[i], '\t', 2)] = Feld(vorwahlen[i], '\t', 1);
  std::set<std::string> laender;
  for (const auto& z : Utf8Zeilen(quellen / "Laender.txt")) laender.insert(Feld(z, '\t', 1));

  std::vector<std::string> zeilen;
  zeilen.push_back(Einheitenzeile("Internationale Einheit", "Weltzeit (UTC)", "Etc/UTC", "",
                                  "Koordinierte Weltzeit ohne Sommerzeit; IANA-Zone Etc/UTC."));
  const std::string tabelle = Zonentabelle();
  auto gelesen = DateiLaden(tabelle);
  if (!gelesen) {
    warnungen.push_back(tabelle + " fehlt (Paket tzdata): das Gebiet Zeitzonen enthält nur die Weltzeit");
    return zeilen;
  }
  for (const auto& z : *gelesen) {
    if (z.empty() || z[0] == '#') continue;
    const std::string codes = Feld(z, '\t', 1), lage = Feld(z, '\t', 2), zone = Feld(z, '\t', 3),
                      bemerkung = Feld(z, '\t', 4);
    if (zone.empty()) {
      warnungen.push_back(tabelle + ": Zeile ohne Zone ausgelassen: " + z);
      continue;
    }
    const std::string code = codes.substr(0, codes.find(','));
    const auto deutsch = laenderNachCode.find(code);
    std::string land = "Sonstige Einheit", ort = code;
    if (deutsch != laenderNachCode.end()) {
      if (laender.count(deutsch->second))
        land = deutsch->second, ort.clear();
      else if (Utf8NachCp1252(deutsch->second) && Utf8NachCp1252(deutsch->second)->size() <= kapazitaet::Ort)
        ort = deutsch->second;
    }
    std::string zusatz = "IANA-Zone " + zone + " (zone1970.tab der Zeitzonendatenbank), Lage " + lage;
    if (codes != code) zusatz += ", gilt auch für " + codes.substr(code.size() + 1);
    if (!bemerkung.empty()) zusatz += ", Bemerkung der Datenbank: " + bemerkung;
    zeilen.push_back(Einheitenzeile(land, Anzeigename(zone), zone, ort, zusatz + "."));
  }
  return zeilen;
}

}  // namespace

std::vector<ErzeugteDatei> ErzeugteEinheitendateien(const fs::path& quellen, std::vector<std::string>& warnungen) {
  std::vector<ErzeugteDatei> dateien;
  if (!fs::is_directory(quellen / "gebiete")) return dateien;
  for (const auto& eintrag : fs::directory_iterator(quellen / "gebiete")) {
    if (eintrag.path().extension() != ".txt") continue;
    std::string datendatei, einheitenquelle;
    for (const auto& z : Utf8Zeilen(eintrag.path())) {
      if (z.empty()) break;
      if (Feld(z, '\t', 1) == "Datendatei") datendatei = Feld(z, '\t', 2);
      if (Feld(z, '\t', 1) == "Einheitenquelle") einheitenquelle = Feld(z, '\t', 2);
    }
    if (einheitenquelle.empty()) continue;
    if (einheitenquelle != "zone1970.tab")
      throw std::runtime_error(eintrag.path().string() + ": unbekannte Einheitenquelle " + einheitenquelle);
    ErzeugteDatei datei{datendatei, {}};
    std::vector<std::pair<std::string, std::string>> sortiert;
    for (const auto& zeile : Zonenzeilen(quellen, warnungen)) {
      // The database's remarks may hold characters Windows-1252 lacks; they
      // become "?" rather than stop the build.
      const Text1252 cp = Cp1252(zeile);
      const std::string name = Feld(cp.Sicht(), '\t', feld::Einheitenname);
      // A zone whose name the fields cannot hold would be cut and lose its
      // zone; a newer tzdata must not stop the build over it.
      if (name.size() > kapazitaet::Einheitenname ||
          Feld(cp.Sicht(), '\t', feld::SonstigeNamen).size() > kapazitaet::SonstigeNamen) {
        warnungen.push_back("Zonenname zu lang, Zone ausgelassen: " + Feld(zeile, '\t', feld::SonstigeNamen));
        continue;
      }
      sortiert.emplace_back(AlphabetSchluessel(name), cp.Bytes());
    }
    std::stable_sort(sortiert.begin(), sortiert.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [schluessel, zeile] : sortiert) datei.Zeilen.push_back(std::move(zeile));
    dateien.push_back(std::move(datei));
  }
  return dateien;
}

}  // namespace kolvaro::datenbau
