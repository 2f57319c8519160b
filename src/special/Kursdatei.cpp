// Reading the central bank's rate files. The XML reader knows exactly what
// these files use: tags with attributes in single or double quotes, any
// namespace prefix, the declaration, comments, and text between the tags,
// which it skips.
#include "special/Kursdatei.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace {

// A refusal: the message and the line it names.
struct Kursfehler {
  std::size_t Zeile;
  Text1252 Grund;  // a whole clause, without the full stop
};

Meldung Abgelehnt(const std::string& dateiname, const Kursfehler& f) {
  return FehlerMeldung("Die Kursdatei " + Cp1252(dateiname) + ", Zeile " +
                       Text1252::Zahl(static_cast<long long>(f.Zeile)) + ": " + f.Grund +
                       ". Es wurden keine Kurse übernommen.");
}

// A view of the file's own bytes in a message, cut so that a line of
// megabytes does not become one.
Text1252 Zitat(std::string_view text) {
  constexpr std::size_t kLaenge = 40;
  return "\"" + Cp1252(text.substr(0, kLaenge)) + (text.size() > kLaenge ? Cp1252("…\"") : Text1252("\""));
}

bool IsoCode(std::string_view code) {
  return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

const Text1252 kKeineForm =
    Cp1252("Das ist weder die XML- noch die CSV-Form der Referenzkurse der Europäischen Zentralbank");

std::optional<Kursfehler> KursAnhaengen(Kursstichtag& tag, std::string_view code, std::string_view wert,
                                        std::size_t zeile) {
  if (!IsoCode(code))
    return Kursfehler{zeile, "Die Währung " + Zitat(code) + Cp1252(" ist kein ISO-Code aus drei Großbuchstaben")};
  const auto zahl = ZahlLesen(wert);
  // Converted as a double, a rate must still be a number above 0.
  const double kurs = zahl ? static_cast<double>(*zahl) : 0.0;
  if (!(kurs > 0) || !std::isfinite(kurs))
    return Kursfehler{
        zeile, "Der Kurs " + Zitat(wert) + Cp1252(" für ") + Text1252(code) + Cp1252(" ist keine Zahl größer als 0")};
  tag.Kurse.push_back({std::string(code), kurs});
  return std::nullopt;
}

// --------------------------------------------------------------------- XML

class XmlLeser {
 public:
  explicit XmlLeser(std::string_view text) : m_Text(text) {}

  std::optional<Kursfehler> Lesen(std::vector<Kursstichtag>& tage) {
    while (true) {
      const std::size_t auf = m_Text.find('<', m_Pos);
      if (auf == std::string_view::npos) break;
      Vorruecken(auf);
      if (Beginnt("<?")) {
        if (!Ueberspringen("?>")) return Abgeschnitten(true);
      } else if (Beginnt("<!--")) {
        if (!Ueberspringen("-->")) return Abgeschnitten(true);
      } else if (Beginnt("<!")) {
        if (!Ueberspringen(">")) return Abgeschnitten(true);
      } else if (auto fehler = Tag(tage)) {
        return fehler;
      }
    }
    if (!m_Offen.empty()) {
      Vorruecken(m_Text.size());
      return Abgeschnitten();
    }
    return std::nullopt;
  }

 private:
  struct Attribut {
    std::string_view Name;  // without its prefix
    std::string_view Wert;
  };

  bool Beginnt(std::string_view anfang) const { return m_Text.substr(m_Pos, anfang.size()) == anfang; }

  // Moves to pos, counting the lines passed.
  void Vorruecken(std::size_t pos) {
    m_Zeile += static_cast<std::size_t>(std::count(m_Text.begin() + static_cast<std::ptrdiff_t>(m_Pos),
                                                   m_Text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
    m_Pos = pos;
  }

  bool Ueberspringen(std::string_view ende) {
    const std::size_t pos = m_Text.find(ende, m_Pos);
    if (pos == std::string_view::npos) {
      Vorruecken(m_Text.size());
      return false;
    }
    Vorruecken(pos + ende.size());
    return true;
  }

  Kursfehler Abgeschnitten(bool imTag = false) const {
    // At the end of a file whose last line is whole, that line is the last one.
    const bool amEnde = m_Pos == m_Text.size() && !m_Text.empty() && m_Text.back() == '\n';
    return {m_Zeile - (amEnde ? 1 : 0), imTag || m_Offen.empty()
                                            ? Cp1252("Die Datei endet mitten in einem Tag; sie ist abgeschnitten")
                                            : "Die Datei endet, bevor <" + Text1252(m_Offen.back()) +
                                                  Cp1252("> geschlossen ist; sie ist abgeschnitten")};
  }

  Kursfehler Fehlerhaft() const { return {m_Zeile, kKeineForm + Cp1252(" (fehlerhaftes Tag)")}; }

  static std::string_view Lokal(std::string_view name) {
    const std::size_t doppelpunkt = name.rfind(':');
    return doppelpunkt == std::string_view::npos ? name : name.substr(doppelpunkt + 1);
  }

  static bool Leer(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

  // The tag at m_Pos, up to its ">" (which may stand in no quoted value).
  std::optional<Kursfehler> Tag(std::vector<Kursstichtag>& tage) {
    std::size_t i = m_Pos + 1;
    char anfuehrung = 0;
    for (; i < m_Text.size(); ++i) {
      const char c = m_Text[i];
      if (anfuehrung) {
        if (c == anfuehrung) anfuehrung = 0;
      } else if (c == '"' || c == '\'') {
        anfuehrung = c;
      } else if (c == '>') {
        break;
      }
    }
    if (i >= m_Text.size()) {
      Vorruecken(m_Text.size());
      return Abgeschnitten(true);
    }
    std::string_view inhalt = m_Text.substr(m_Pos + 1, i - m_Pos - 1);
    const std::size_t zeile = m_Zeile;
    auto fehler = Element(inhalt, zeile, tage);
    Vorruecken(i + 1);
    return fehler;
  }

  std::optional<Kursfehler> Element(std::string_view inhalt, std::size_t zeile, std::vector<Kursstichtag>& tage) {
    const bool schliessend = !inhalt.empty() && inhalt.front() == '/';
    if (schliessend) inhalt.remove_prefix(1);
    const bool leer = !schliessend && !inhalt.empty() && inhalt.back() == '/';
    if (leer) inhalt.remove_suffix(1);
    std::size_t n = 0;
    while (n < inhalt.size() && !Leer(inhalt[n])) ++n;
    const std::string_view name = inhalt.substr(0, n);
    if (name.empty()) return Fehlerhaft();
    if (schliessend) {
      if (m_Offen.empty() || m_Offen.back() != name || !Getrimmt(inhalt.substr(n)).empty())
        return Kursfehler{zeile, kKeineForm + " (</" + Text1252(name) + Cp1252("> schließt nichts)")};
      m_Offen.pop_back();
      if (m_Offen.empty()) m_WurzelGeschlossen = true;
      if (m_Stichtagtiefe == m_Offen.size()) m_Stichtag = nullptr;
      return std::nullopt;
    }
    if (m_Offen.empty() && m_WurzelGeschlossen) return Kursfehler{zeile, kKeineForm};
    std::vector<Attribut> attribute;
    if (!Attribute(inhalt.substr(n), attribute)) return Fehlerhaft();
    if (Lokal(name) == "Cube")
      if (auto fehler = Wuerfel(attribute, zeile, leer, tage)) return fehler;
    if (!leer) m_Offen.push_back(name);
    if (m_Offen.empty()) m_WurzelGeschlossen = true;
    return std::nullopt;
  }

  static bool Attribute(std::string_view text, std::vector<Attribut>& attribute) {
    std::size_t i = 0;
    auto leerraum = [&] {
      while (i < text.size() && Leer(text[i])) ++i;
    };
    while (true) {
      leerraum();
      if (i == text.size()) return true;
      const std::size_t anfang = i;
      while (i < text.size() && !Leer(text[i]) && text[i] != '=') ++i;
      const std::string_view name = text.substr(anfang, i - anfang);
      leerraum();
      if (name.empty() || i == text.size() || text[i] != '=') return false;
      ++i;
      leerraum();
      if (i == text.size() || (text[i] != '"' && text[i] != '\'')) return false;
      const char anfuehrung = text[i++];
      const std::size_t ende = text.find(anfuehrung, i);
      if (ende == std::string_view::npos) return false;
      attribute.push_back({Lokal(name), text.substr(i, ende - i)});
      i = ende + 1;
    }
  }

  static std::optional<std::string_view> Wert(const std::vector<Attribut>& attribute, std::string_view name) {
    for (const auto& a : attribute)
      if (a.Name == name) return a.Wert;
    return std::nullopt;
  }

  // <Cube time='…'> begins a day, <Cube currency='…' rate='…'/> is a rate of
  // the day it stands in; the Cube around the days has no attributes.
  std::optional<Kursfehler> Wuerfel(const std::vector<Attribut>& attribute, std::size_t zeile, bool leer,
                                    std::vector<Kursstichtag>& tage) {
    const auto zeit = Wert(attribute, "time");
    const auto waehrung = Wert(attribute, "currency");
    if (zeit) {
      if (m_Stichtag || waehrung) return Kursfehler{zeile, kKeineForm};
      const auto datum = IsoDatumLesen(*zeit);
      if (!datum) return Kursfehler{zeile, "Das Datum " + Zitat(*zeit) + Cp1252(" ist kein gültiges Datum")};
      tage.push_back({*datum, {}, zeile});
      if (!leer) {
        m_Stichtag = &tage.back();
        m_Stichtagtiefe = m_Offen.size();
      }
      return std::nullopt;
    }
    if (!waehrung) return std::nullopt;
    if (!m_Stichtag) return Kursfehler{zeile, Cp1252("Hier stehen Kurse ohne Datum")};
    const auto kurs = Wert(attribute, "rate");
    if (!kurs) return Kursfehler{zeile, Cp1252("Hier steht die Währung ") + Text1252(*waehrung) + Cp1252(" ohne Kurs")};
    return KursAnhaengen(*m_Stichtag, *waehrung, *kurs, zeile);
  }

  std::string_view m_Text;
  std::size_t m_Pos = 0;
  std::size_t m_Zeile = 1;
  std::vector<std::string_view> m_Offen;  // the names of the open elements
  bool m_WurzelGeschlossen = false;
  // The day whose rates follow (it stays in place: days are only appended
  // while it is open, and a day never opens inside another).
  Kursstichtag* m_Stichtag = nullptr;
  std::size_t m_Stichtagtiefe = 0;
};

// --------------------------------------------------------------------- CSV

// "2026-12-04", or "04 December 2026" as the file of one day writes it.
std::optional<Tagesdatum> CsvDatum(std::string_view text) {
  if (auto iso = IsoDatumLesen(text)) return iso;
  static const char* const kMonate[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  const std::size_t erste = text.find(' '), zweite = text.rfind(' ');
  if (erste == std::string_view::npos || erste == zweite) return std::nullopt;
  const auto tag = GanzzahlLesen(text.substr(0, erste));
  const auto jahr = GanzzahlLesen(text.substr(zweite + 1));
  const std::string_view monat = text.substr(erste + 1, zweite - erste - 1);
  if (!tag || !jahr || erste > 2 || text.size() - zweite - 1 != 4) return std::nullopt;
  for (int m = 0; m < 12; ++m)
    if (monat == kMonate[m]) return TagesdatumAus(static_cast<int>(*jahr), m + 1, static_cast<int>(*tag));
  return std::nullopt;
}

std::optional<Kursfehler> CsvLesen(std::string_view text, std::vector<Kursstichtag>& tage) {
  std::vector<std::string> codes;
  std::size_t spalten = 0;  // the header's, the empty one at its end included
  std::vector<std::string_view> felder;
  std::optional<Kursfehler> fehler;
  ZeilenDurchlaufen(text, [&](std::string_view zeile, std::size_t index) {
    const std::size_t nummer = index + 1;
    if (Getrimmt(zeile).empty()) return true;
    Felder(zeile, ',', felder);
    for (auto& f : felder) f = Getrimmt(f);
    if (spalten == 0) {  // the first line that is not blank
      if (felder.front() != "Date") {
        fehler = Kursfehler{nummer, kKeineForm};
        return false;
      }
      spalten = felder.size();
      std::size_t letzte = felder.size();
      while (letzte > 1 && felder[letzte - 1].empty()) --letzte;  // the file's trailing comma
      std::set<std::string_view> gesehen;
      for (std::size_t i = 1; i < letzte; ++i) {
        if (!IsoCode(felder[i]) || !gesehen.insert(felder[i]).second) {
          fehler = Kursfehler{nummer, kKeineForm + Cp1252(" (Spalte ") + Text1252::Zahl(static_cast<long long>(i + 1)) +
                                          ": " + Zitat(felder[i]) + ")"};
          return false;
        }
        codes.emplace_back(felder[i]);
      }
      if (codes.empty()) fehler = Kursfehler{nummer, kKeineForm};
      return !fehler;
    }
    // A line cut off loses its last columns, the empty one at the end first.
    if (felder.size() != spalten) {
      fehler = Kursfehler{nummer, "Die Zeile hat " + Text1252::Zahl(static_cast<long long>(felder.size())) + " statt " +
                                      Text1252::Zahl(static_cast<long long>(spalten)) +
                                      Cp1252(" Spalten; die Datei ist abgeschnitten oder beschädigt")};
      return false;
    }
    const auto datum = CsvDatum(felder.front());
    if (!datum) {
      fehler = Kursfehler{nummer, felder.front().empty()
                                      ? Cp1252("Die Zeile hat kein Datum")
                                      : "Das Datum " + Zitat(felder.front()) + Cp1252(" ist kein gültiges Datum")};
      return false;
    }
    for (std::size_t i = codes.size() + 1; i < felder.size(); ++i)
      if (!felder[i].empty()) {
        fehler = Kursfehler{nummer, "In Spalte " + Text1252::Zahl(static_cast<long long>(i + 1)) +
                                        Cp1252(" steht ein Wert ohne Währung")};
        return false;
      }
    Kursstichtag& tag = tage.emplace_back();
    tag.Datum = *datum;
    tag.Zeile = nummer;
    tag.Kurse.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
      const std::string_view wert = felder[i + 1];
      if (wert.empty() || wert == "N/A") continue;
      if ((fehler = KursAnhaengen(tag, codes[i], wert, nummer))) return false;
    }
    return true;
  });
  return fehler;
}

}  // namespace

Resultat<Kursdatei> KursdateiLesen(std::string_view inhalt, const std::string& dateiname) {
  if (inhalt.substr(0, 3) == "\xEF\xBB\xBF") inhalt.remove_prefix(3);  // a byte order mark
  // Blank lines before the XML declaration would make it invalid XML, but
  // they do not change what the file says.
  const std::size_t erstes = inhalt.find_first_not_of(" \t\r\n");
  if (erstes == std::string_view::npos)
    return FehlerMeldung("Die Kursdatei " + Cp1252(dateiname) + Cp1252(" ist leer. Es wurden keine Kurse übernommen."));
  Kursdatei datei;
  std::optional<Kursfehler> fehler;
  if (inhalt[erstes] == '<') {
    datei.Form = Kursform::Xml;
    fehler = XmlLeser(inhalt).Lesen(datei.Tage);
  } else if (inhalt.substr(erstes, 4) == "Date") {
    datei.Form = Kursform::Csv;
    fehler = CsvLesen(inhalt, datei.Tage);
  } else {
    fehler = Kursfehler{1, kKeineForm};
  }
  if (!fehler && datei.Tage.empty()) fehler = Kursfehler{1, kKeineForm + Cp1252(" (keine Kurse eines Tages)")};
  if (fehler) return Abgelehnt(dateiname, *fehler);
  std::stable_sort(datei.Tage.begin(), datei.Tage.end(),
                   [](const Kursstichtag& a, const Kursstichtag& b) { return b.Datum < a.Datum; });
  for (std::size_t i = 1; i < datei.Tage.size(); ++i)
    if (datei.Tage[i].Datum == datei.Tage[i - 1].Datum)
      return Abgelehnt(dateiname,
                       {std::max(datei.Tage[i].Zeile, datei.Tage[i - 1].Zeile),
                        "Der " + DeutscherText(datei.Tage[i].Datum) + Cp1252(" steht zweimal in der Datei")});
  return datei;
}

Resultat<const Kursstichtag*> KurstagWaehlen(const Kursdatei& datei, const std::string& dateiname,
                                             const std::optional<Tagesdatum>& tag) {
  if (datei.Tage.empty()) return FehlerMeldung("Die Kursdatei " + Cp1252(dateiname) + Cp1252(" enthält keine Kurse."));
  if (!tag) return &datei.Tage.front();
  // The days stand newest first: the first one not after the day asked for.
  const auto it =
      std::find_if(datei.Tage.begin(), datei.Tage.end(), [&](const Kursstichtag& t) { return !(*tag < t.Datum); });
  if (it != datei.Tage.end() && it->Datum == *tag) return &*it;
  // The nearest days on either side, the later one first as the file lists them.
  std::vector<Text1252> naechste;
  if (it != datei.Tage.begin()) naechste.push_back(DeutscherText(std::prev(it)->Datum));
  if (it != datei.Tage.end()) naechste.push_back(DeutscherText(it->Datum));
  const Text1252 tage = naechste.size() == 1 ? Cp1252(" Der nächste Tag mit Kursen ist der ") + naechste[0]
                                             : Cp1252(" Die nächsten Tage mit Kursen sind der ") + naechste[0] +
                                                   " und der " + naechste[1];
  return FehlerMeldung("Die Kursdatei " + Cp1252(dateiname) + Cp1252(" enthält keine Kurse vom ") +
                       DeutscherText(*tag) + "." + tage + ".");
}

}  // namespace kolvaro
