// The unit search and the preparation of a jump to a hit.
#include "editing/Suche.h"

#include <array>

#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace {

// The inverse of the code page's upper case, so that both directions follow
// the same rules (umlauts, š, œ, ž, ÿ).
const std::array<unsigned char, 256>& Kleintabelle() {
  static const std::array<unsigned char, 256> tabelle = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    for (int c = 0; c < 256; ++c) {
      const unsigned char gross = GrossCp1252(static_cast<unsigned char>(c));
      if (gross != c) t[gross] = static_cast<unsigned char>(c);
    }
    return t;
  }();
  return tabelle;
}

void Kleinschreiben(std::string_view text, std::string& ziel) {
  const auto& tabelle = Kleintabelle();
  ziel.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    ziel[i] = static_cast<char>(tabelle[static_cast<unsigned char>(text[i])]);
}

// The fields the search needs, as views into the line; no allocation.
struct Suchfelder {
  std::string_view Sichtbar, Landname, Kurzzeichen, Name, SonstigeNamen;
};

Suchfelder FelderLesen(std::string_view zeile) {
  Suchfelder f;
  int nummer = 1;
  std::size_t anfang = 0;
  while (nummer <= feld::SonstigeNamen) {
    const std::size_t ende = zeile.find('\t', anfang);
    const std::string_view wert =
        zeile.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang);
    switch (nummer) {
      case feld::Sichtbar:
        f.Sichtbar = wert;
        break;
      case feld::Landname:
        f.Landname = wert;
        break;
      case feld::Kurzzeichen:
        f.Kurzzeichen = wert;
        break;
      case feld::Einheitenname:
        f.Name = wert;
        break;
      case feld::SonstigeNamen:
        f.SonstigeNamen = wert;
        break;
      default:
        break;
    }
    if (ende == std::string_view::npos) break;
    anfang = ende + 1;
    ++nummer;
  }
  return f;
}

std::string Verbunden(std::initializer_list<std::string_view> teile) {
  std::string z;
  bool erstes = true;
  for (std::string_view t : teile) {
    if (!erstes) z += " - ";
    z += t;
    erstes = false;
  }
  return z;
}

// The hit's line still holds the hit: the file may have changed since the
// search (a purge of hidden units renumbers the lines).
bool ZeileUnveraendert(const std::filesystem::path& verzeichnis, const TSuchobjekt& t) {
  bool gleich = false;
  (void)GeheimdateiDurchlaufen(verzeichnis / t.Datendatei, {}, [&](std::string_view klartext, std::size_t zeile) {
    if (zeile < static_cast<std::size_t>(t.Dateizeile)) return true;
    const Suchfelder f = FelderLesen(klartext);
    gleich = f.Name == t.Name.Sicht() && f.Landname == t.Landname.Sicht();
    return false;
  });
  return gleich;
}

}  // namespace

std::string KleinText(std::string_view cp1252) {
  std::string ziel;
  Kleinschreiben(cp1252, ziel);
  return ziel;
}

Suchergebnis Suchen(const std::filesystem::path& verzeichnis, const std::vector<Gebietseintrag>& katalog,
                    const Text1252& begriff, Suchmodus modus) {
  Suchergebnis ergebnis;
  if (begriff.empty()) return ergebnis;
  const std::string klein = KleinText(begriff.Sicht());
  std::string name, sonstige;  // reused for every line
  for (std::size_t g = 0; g < katalog.size(); ++g) {
    const Gebietseintrag& gebiet = katalog[g];
    auto gelesen = GeheimdateiDurchlaufen(
        verzeichnis / gebiet.Datendatei, {}, [&](std::string_view klartext, std::size_t dateizeile) {
          const Suchfelder f = FelderLesen(klartext);
          std::string_view gefunden;  // the field whose text matched
          bool treffer = false;
          if (modus == Suchmodus::Abkuerzung) {
            Kleinschreiben(Getrimmt(f.Kurzzeichen), name);
            treffer = name == klein;
          } else {
            Kleinschreiben(f.Name, name);
            const bool imNamen = modus == Suchmodus::Exakt ? name == klein : name.find(klein) != std::string::npos;
            if (imNamen) {
              treffer = true;
              gefunden = f.Name;
            } else {
              Kleinschreiben(f.SonstigeNamen, sonstige);
              treffer = modus == Suchmodus::Exakt ? sonstige == klein : sonstige.find(klein) != std::string::npos;
              gefunden = f.SonstigeNamen;
            }
          }
          if (!treffer) return true;
          TSuchobjekt& t = ergebnis.Treffer.emplace_back();
          t.Name = Text1252(f.Name);
          t.Kurzzeichen = Text1252(f.Kurzzeichen);
          t.SonstigeNamen = Text1252(f.SonstigeNamen);
          t.Angezeigt = f.Sichtbar == "j";
          t.Gebietsnummer = static_cast<int>(g) + 1;
          t.Landname = Text1252(f.Landname);
          t.Dateizeile = static_cast<int>(dateizeile);
          t.Datendatei = gebiet.Datendatei;
          t.Ergebniszeile = Text1252(modus == Suchmodus::Abkuerzung ? Verbunden({f.Kurzzeichen, f.Name, f.Landname})
                                                                    : Verbunden({gefunden, f.Landname}));
          return true;
        });
    if (!gelesen) {
      // A missing file gets the search's own message; a damaged one keeps
      // the message that names the file and the line.
      if (gelesen.Fehler().Text == NichtGeoeffnetMeldung(gebiet.Datendatei).Text)
        ergebnis.Meldung = FehlerMeldung(
            Cp1252("Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden "
                   "sind."));
      else
        ergebnis.Meldung = gelesen.Fehler();
      break;
    }
  }
  return ergebnis;
}

Rechenergebnis SprungVorbereiten(Konverter& konverter, const TSuchobjekt& treffer, const Rueckfrage& frage,
                                 const Passwortabfrage& passwortOk) {
  Rechenergebnis r;
  const auto& katalog = konverter.Katalog();
  const auto gebiet = static_cast<std::size_t>(treffer.Gebietsnummer - 1);
  // The hit list outlives changes of the catalogue; a hit whose category
  // moved or went away must not rewrite another category's file.
  if (treffer.Gebietsnummer < 1 || gebiet >= katalog.size() || katalog[gebiet].Datendatei != treffer.Datendatei) {
    r.Fehler = InfoMeldung(Cp1252("Das Gebiet dieser Einheit gibt es nicht mehr. Bitte suchen Sie erneut."));
    return r;
  }
  bool abgelehnt = false;
  if (!treffer.Angezeigt) {
    if (frage(Cp1252("Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. Soll sie "
                     "eingeblendet werden?")) == FrageAntwort::Ja) {
      if (!passwortOk()) return r;
      if (!ZeileUnveraendert(konverter.Verzeichnis(), treffer)) {
        r.Fehler = InfoMeldung(Cp1252("Die Datendatei hat sich seit der Suche geändert. Bitte suchen Sie erneut."));
        return r;
      }
      auto geschrieben =
          EinheitenzeileAendern(konverter.Verzeichnis(), treffer.Datendatei, treffer.Dateizeile, feld::Sichtbar, "j");
      if (!geschrieben) {
        r.Fehler = geschrieben.Fehler();
        return r;
      }
      r.GebietNeuLaden = true;
    } else {
      abgelehnt = true;
    }
  }
  const auto& laender = konverter.Laender().Alle;
  for (std::size_t i = 0; i < laender.size() && i < static_cast<std::size_t>(kLaenderAnzahl); ++i) {
    if (laender[i] != treffer.Landname) continue;
    auto flaggen = konverter.Laenderflaggen();
    if (!flaggen[i]) {
      if (frage(Cp1252("Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von der Anzeige "
                       "ausgeblendet ist. Soll das Land eingeblendet werden?")) == FrageAntwort::Ja) {
        flaggen[i] = true;
        konverter.SetLaenderflaggen(flaggen);
        konverter.LaenderlistenNeuAufbauen();
        r.GebietNeuLaden = true;
      } else {
        abgelehnt = true;
      }
    }
    break;
  }
  r.Erfolg = !abgelehnt;
  return r;
}

}  // namespace kolvaro
