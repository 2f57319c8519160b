// kolvaro-datenbau: builds the shipped data files from their readable UTF-8
// sources. Plain files become Windows-1252 with CR LF; unit files, the
// country table and the reference tables are enciphered line by line; the
// RTF documents are copied as they are. Start values are drawn from a
// generator seeded by the file name, so the same sources give the same files.
//
//   kolvaro-datenbau bauen QUELLEN ZIEL       (datenquellen/README.md: the formats)
//   kolvaro-datenbau sortieren DATEI.tsv ...   (re-sorts a unit source by name, in the
//                                              order in which the program inserts own units)
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Zeitzonenliste.h"
#include "basis/Alphabet.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace fs = std::filesystem;
using namespace kolvaro;

namespace {

struct Fehler {
  std::string Text;
};

std::uint32_t Fnv1a(const std::string& text) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// A source's lines in Windows-1252; a line that cannot be written so is an error.
std::vector<std::string> QuelleLesen(const fs::path& pfad) {
  auto zeilen = DateiLaden(pfad);
  if (!zeilen) throw Fehler{"kann " + pfad.string() + " nicht lesen"};
  std::vector<std::string> ergebnis;
  for (std::size_t i = 0; i < zeilen->size(); ++i) {
    auto zeile = Utf8NachCp1252((*zeilen)[i]);
    if (!zeile)
      throw Fehler{pfad.string() + ":" + std::to_string(i + 1) + ": Zeichen, das Windows-1252 nicht darstellen kann"};
    // The line cipher works modulo 255 and cannot carry 0x00 and 0xFF ("ÿ"
    // would come back as a NUL byte); control characters have no place in
    // the files either. TAB is the field separator.
    for (unsigned char c : zeile->Sicht())
      if ((c < 0x20 && c != '\t') || c == 0x7F || c == 0xFF)
        throw Fehler{pfad.string() + ":" + std::to_string(i + 1) + ": Steuerzeichen oder \"\xC3\xBF\" (" +
                     std::to_string(c) + "), das die Dateien nicht tragen"};
    ergebnis.push_back(zeile->Bytes());
  }
  return ergebnis;
}

std::vector<std::string> Verschluesselt(const std::vector<std::string>& zeilen, int schluesselnummer,
                                        const std::string& dateiname) {
  std::mt19937 zufall(Fnv1a(dateiname));
  std::vector<std::string> ergebnis;
  ergebnis.reserve(zeilen.size());
  for (const auto& z : zeilen)
    ergebnis.push_back(Verschluesseln(z, Schluessel(schluesselnummer), static_cast<std::uint8_t>(zufall() & 0xFF)));
  return ergebnis;
}

void Schreiben(const fs::path& pfad, const std::vector<std::string>& zeilen) {
  if (!SchreibeAtomar(pfad, zeilen)) throw Fehler{"kann " + pfad.string() + " nicht schreiben"};
}

// One source per category: "Gebietsname<TAB>name", "Datendatei<TAB>file",
// "Bezugseinheit<TAB>unit", an empty line, then the information text. The
// catalogue lists the categories alphabetically, in the order in which the
// program inserts a new one.
void KatalogBauen(const fs::path& verzeichnis, const fs::path& ziel) {
  struct Gebiet {
    std::string Schluessel, Zeile;
    std::vector<std::string> Text;
  };
  std::vector<Gebiet> gebiete;
  if (!fs::is_directory(verzeichnis)) throw Fehler{"kein Verzeichnis " + verzeichnis.string()};
  for (const auto& eintrag : fs::directory_iterator(verzeichnis)) {
    if (eintrag.path().extension() != ".txt") continue;
    auto zeilen = QuelleLesen(eintrag.path());
    std::map<std::string, std::string> kopf;
    std::size_t i = 0;
    for (; i < zeilen.size() && !zeilen[i].empty(); ++i) kopf[Feld(zeilen[i], '\t', 1)] = Feld(zeilen[i], '\t', 2);
    for (const char* noetig : {"Gebietsname", "Datendatei", "Bezugseinheit"})
      if (kopf[noetig].empty()) throw Fehler{eintrag.path().string() + ": Kopfzeile " + noetig + " fehlt"};
    if (!fs::exists(ziel / kopf["Datendatei"]))
      throw Fehler{eintrag.path().string() + ": Datendatei " + kopf["Datendatei"] + " wird nicht gebaut"};
    Gebiet g;
    g.Schluessel = AlphabetSchluessel(kopf["Gebietsname"]);
    g.Zeile = kopf["Gebietsname"] + "\t" + kopf["Datendatei"] + "\t" + kopf["Bezugseinheit"];
    for (++i; i < zeilen.size(); ++i) {
      if (zeilen[i].find('*') != std::string::npos)
        throw Fehler{eintrag.path().string() + ":" + std::to_string(i + 1) + ": \"*\" im Informationstext"};
      g.Text.push_back(zeilen[i]);
    }
    while (!g.Text.empty() && g.Text.back().empty()) g.Text.pop_back();
    gebiete.push_back(std::move(g));
  }
  std::sort(gebiete.begin(), gebiete.end(),
            [](const Gebiet& a, const Gebiet& b) { return a.Schluessel < b.Schluessel; });
  std::vector<std::string> gruppen, infotexte;
  for (const auto& g : gebiete) {
    gruppen.push_back(g.Zeile);
    infotexte.insert(infotexte.end(), g.Text.begin(), g.Text.end());
    infotexte.push_back("*");
  }
  Schreiben(ziel / "Gruppen.nfo", gruppen);
  Schreiben(ziel / "Gebiet.nfo", infotexte);
}

void Bauen(const fs::path& quellen, const fs::path& ziel) {
  fs::create_directories(ziel);
  std::set<std::string> laenderImEinsatz;

  // Unit files: one line per unit, 19 TAB-separated fields.
  std::vector<fs::path> einheitenquellen;
  if (fs::is_directory(quellen / "einheiten"))
    for (const auto& eintrag : fs::directory_iterator(quellen / "einheiten"))
      if (eintrag.path().extension() == ".tsv") einheitenquellen.push_back(eintrag.path());
  std::sort(einheitenquellen.begin(), einheitenquellen.end());
  for (const auto& quelle : einheitenquellen) {
    auto zeilen = QuelleLesen(quelle);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      auto felder = Felder(zeilen[i], '\t');
      if (felder.size() != static_cast<std::size_t>(feld::Anzahl))
        throw Fehler{quelle.string() + ":" + std::to_string(i + 1) + ": " + std::to_string(felder.size()) +
                     " Felder statt 19"};
      laenderImEinsatz.insert(std::string(felder[feld::Landname - 1]));
    }
    std::string name = quelle.stem().string();  // LAENGE.DAT.tsv -> LAENGE.DAT
    Schreiben(ziel / name, Verschluesselt(zeilen, 1, name));
  }

  // Unit files built from a table of the build machine (the time zones).
  std::vector<std::string> warnungen;
  for (const auto& datei : datenbau::ErzeugteEinheitendateien(quellen, warnungen)) {
    for (const auto& zeile : datei.Zeilen) laenderImEinsatz.insert(Feld(zeile, '\t', feld::Landname));
    Schreiben(ziel / datei.Name, Verschluesselt(datei.Zeilen, 1, datei.Name));
  }
  for (const auto& w : warnungen) std::cerr << "kolvaro-datenbau: Warnung: " << w << "\n";

  KatalogBauen(quellen / "gebiete", ziel);

  // The country table: name, (unused), bitmap number; the present flag is
  // set here from the unit files, so it can never disagree with them.
  auto laender = QuelleLesen(quellen / "Laender.txt");
  std::vector<std::string> tabelle;
  for (const auto& zeile : laender) {
    if (zeile.empty()) continue;
    std::string name = Feld(zeile, '\t', 1);
    tabelle.push_back(name + "\t" + Feld(zeile, '\t', 2) + "\t" + Feld(zeile, '\t', 3) + "\t" +
                      (laenderImEinsatz.count(name) ? "j" : "n"));
  }
  if (tabelle.size() > 211) throw Fehler{"Laender.txt hat mehr als 211 Zeilen"};
  Schreiben(ziel / "Laender.nfo", Verschluesselt(tabelle, 3, "Laender.nfo"));

  // Reference tables (key 1), when present.
  if (fs::is_directory(quellen / "referenz"))
    for (const auto& eintrag : fs::directory_iterator(quellen / "referenz")) {
      if (eintrag.path().extension() != ".txt") continue;
      std::string name = eintrag.path().stem().string();
      Schreiben(ziel / name, Verschluesselt(QuelleLesen(eintrag.path()), 1, name));
    }

  // Documents shown as they are (the clothing sizes in RTF): copied byte for byte.
  if (fs::is_directory(quellen / "referenz" / "dokumente"))
    for (const auto& eintrag : fs::directory_iterator(quellen / "referenz" / "dokumente")) {
      if (eintrag.path().extension() != ".rtf") continue;
      auto inhalt = DateiInhalt(eintrag.path());
      if (!inhalt) throw Fehler{"kann " + eintrag.path().string() + " nicht lesen"};
      if (!SchreibeAtomarRoh(ziel / eintrag.path().filename(), *inhalt))
        throw Fehler{"kann " + (ziel / eintrag.path().filename()).string() + " nicht schreiben"};
    }
}

void Sortieren(const fs::path& quelle) {
  auto roh = DateiLaden(quelle);
  if (!roh) throw Fehler{"kann " + quelle.string() + " nicht lesen"};
  std::vector<std::pair<std::string, std::string>> zeilen;
  for (const auto& z : *roh) {
    auto cp = Utf8NachCp1252(z);
    if (!cp) throw Fehler{quelle.string() + ": Zeichen, das Windows-1252 nicht darstellen kann"};
    zeilen.emplace_back(AlphabetSchluessel(Feld(cp->Sicht(), '\t', feld::Einheitenname)), z);
  }
  std::stable_sort(zeilen.begin(), zeilen.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string inhalt;
  for (const auto& z : zeilen) inhalt += z.second + "\n";
  if (!SchreibeAtomarRoh(quelle, inhalt)) throw Fehler{"kann " + quelle.string() + " nicht schreiben"};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  try {
    if (argumente.size() == 3 && argumente[0] == "bauen") {
      Bauen(argumente[1], argumente[2]);
      return 0;
    }
    if (argumente.size() >= 2 && argumente[0] == "sortieren") {
      for (std::size_t i = 1; i < argumente.size(); ++i) Sortieren(argumente[i]);
      return 0;
    }
  } catch (const Fehler& f) {
    std::cerr << "kolvaro-datenbau: " << f.Text << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "kolvaro-datenbau: " << e.what() << "\n";
    return 1;
  }
  std::cerr << "Aufruf: kolvaro-datenbau bauen QUELLEN ZIEL | sortieren DATEI.tsv ...\n";
  return 2;
}
