// Finding the date of the newest exchange rate.
#include "data/Wechselkursstand.h"

#include <cstdio>
#include <optional>

#include "basis/Gebietsnamen.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"

namespace kolvaro {

namespace {

struct Datum {
  int Tag = 0, Monat = 0, Jahr = 0;
  long Schluessel() const { return Jahr * 10000L + Monat * 100L + Tag; }
};

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// Reads minStellen to maxStellen digits at pos; fewer are no number.
std::optional<int> Zahl(std::string_view text, std::size_t& pos, std::size_t minStellen, std::size_t maxStellen) {
  const std::size_t anfang = pos;
  int wert = 0;
  while (pos < text.size() && Ziffer(text[pos]) && pos - anfang < maxStellen) wert = wert * 10 + (text[pos++] - '0');
  if (pos - anfang < minStellen) return std::nullopt;
  return wert;
}

int TageImMonat(int monat, int jahr) {
  static const int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return monat == 2 && schalt ? 29 : kTage[monat - 1];
}

std::optional<Datum> DatumAmAnfang(std::string_view text) {
  std::size_t pos = 0;
  Datum d;
  auto tag = Zahl(text, pos, 1, 2);
  if (!tag || pos == text.size() || text[pos++] != '.') return std::nullopt;
  auto monat = Zahl(text, pos, 1, 2);
  if (!monat || pos == text.size() || text[pos++] != '.') return std::nullopt;
  auto jahr = Zahl(text, pos, 4, 4);
  // "1.1.19999" is no date, nor a year cut off from a longer number.
  if (!jahr || (pos < text.size() && Ziffer(text[pos]))) return std::nullopt;
  d.Tag = *tag;
  d.Monat = *monat;
  d.Jahr = *jahr;
  if (d.Monat < 1 || d.Monat > 12 || d.Tag < 1 || d.Tag > TageImMonat(d.Monat, d.Jahr)) return std::nullopt;
  return d;
}

}  // namespace

Text1252 NeuestesKursdatum(const std::vector<std::string_view>& staende) {
  std::optional<Datum> neuestes;
  for (std::string_view stand : staende) {
    auto d = DatumAmAnfang(Getrimmt(stand));
    if (d && (!neuestes || d->Schluessel() > neuestes->Schluessel())) neuestes = d;
  }
  if (!neuestes) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", neuestes->Tag, neuestes->Monat, neuestes->Jahr);
  return Text1252(std::string_view(text));
}

Resultat<Text1252> Wechselkursstand(const std::filesystem::path& verzeichnis) {
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return katalog.Fehler();
  for (const auto& eintrag : *katalog) {
    if (eintrag.Gebietsname != gebiet::Waehrungen) continue;
    std::vector<std::string> staende;
    auto gelesen =
        GeheimdateiDurchlaufen(verzeichnis / eintrag.Datendatei, {}, [&](std::string_view klar, std::size_t) {
          staende.push_back(Feld(klar, '\t', feld::Uebersetzung));
          return true;
        });
    if (!gelesen) return gelesen.Fehler();
    return NeuestesKursdatum({staende.begin(), staende.end()});
  }
  return Text1252();
}

}  // namespace kolvaro
