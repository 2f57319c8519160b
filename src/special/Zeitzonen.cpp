// Local times through Debian's packaged date/tz library, built to read the
// system's own database (USE_OS_TZDB): the offsets and the summer-time rules
// come from the installed tzdata, never from a table of ours. The library
// reports a missing database or zone by throwing; nothing of that leaves
// this file.
#include "special/Zeitzonen.h"

#include <date/tz.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <exception>

#include "basis/Zeichensatz.h"

namespace kolvaro {
namespace {

using std::chrono::seconds;

Text1252 Formatfehler() {
  return Cp1252("Falsche Eingabe im Werteingabeld! Datum und Uhrzeit im Format >> TT.MM.JJJJ hh:mm << eingeben!");
}

Text1252 DatenbankFehlt() {
  return Cp1252("Die Zeitzonendatenbank des Systems (" + std::string(kZeitzonenVerzeichnis) +
                ") fehlt oder ist nicht lesbar. Bitte das Paket tzdata installieren.");
}

Text1252 ZoneFehlt(const std::string& zone) {
  return Cp1252("Die Zeitzone \"" + zone + "\" fehlt in der Zeitzonendatenbank des Systems (" +
                std::string(kZeitzonenVerzeichnis) + ") oder ist dort nicht lesbar.");
}

// The zone, or the message why there is none. Only the library's own
// exceptions are caught here; both messages name the database.
Resultat<const date::time_zone*> ZoneSuchen(const std::string& zone) {
  try {
    (void)date::get_tzdb();
  } catch (const std::exception&) {
    return FehlerMeldung(DatenbankFehlt());
  }
  try {
    return date::locate_zone(zone);
  } catch (const std::exception&) {
    return FehlerMeldung(ZoneFehlt(zone));
  }
}

// Reads n digits (from, to: how many) from text at pos.
bool ZiffernLesen(std::string_view text, std::size_t& pos, std::size_t von, std::size_t bis, int& wert) {
  std::size_t n = 0;
  wert = 0;
  while (pos < text.size() && n < bis && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    wert = wert * 10 + (text[pos] - '0');
    ++pos;
    ++n;
  }
  return n >= von;
}

std::string Zweistellig(long long n) {
  char puffer[24];
  std::snprintf(puffer, sizeof puffer, "%02lld", n);
  return puffer;
}

Text1252 WandzeitText(date::local_seconds zeit) {
  const auto tag = date::floor<date::days>(zeit);
  const date::year_month_day datum{tag};
  const long long minuten = std::chrono::duration_cast<std::chrono::minutes>(zeit - tag).count();
  char puffer[48];
  std::snprintf(puffer, sizeof puffer, "%02u.%02u.%04d %02lld:%02lld", static_cast<unsigned>(datum.day()),
                static_cast<unsigned>(datum.month()), static_cast<int>(datum.year()), minuten / 60, minuten % 60);
  return Text1252(std::string(puffer));
}

std::string UhrzeitText(date::local_seconds zeit) {
  const long long minuten =
      std::chrono::duration_cast<std::chrono::minutes>(zeit - date::floor<date::days>(zeit)).count();
  return Zweistellig(minuten / 60) + ":" + Zweistellig(minuten % 60);
}

// "UTC+05:45"; offsets with seconds (the local mean times before standard
// time) keep them.
Text1252 VersatzText(seconds versatz) {
  long long s = versatz.count();
  std::string text = s < 0 ? "UTC-" : "UTC+";
  if (s < 0) s = -s;
  text += Zweistellig(s / 3600) + ":" + Zweistellig(s / 60 % 60);
  if (s % 60 != 0) text += ":" + Zweistellig(s % 60);
  return Text1252(text);
}

// The system's files list the transitions up to 2037 and leave the years
// after to a rule the library does not read: a zone that still changed its
// clocks in 2037 would keep its last time of that year for ever. Such a
// moment has no answer here rather than a wrong one.
constexpr date::sys_days kTabellenschluss{date::year{2038} / 1 / 1};
constexpr date::sys_days kLetztesTabellenjahr{date::year{2037} / 1 / 1};

bool JenseitsDerTabelle(date::sys_seconds moment, const date::sys_info& info) {
  return moment >= kTabellenschluss && info.begin >= kLetztesTabellenjahr;
}

Text1252 TabelleEndet(const std::string& zone) {
  return Cp1252("Die Zeitzonendatenbank des Systems führt die Sommerzeit der Zeitzone " + zone +
                " nur bis 2037. Bitte einen früheren Zeitpunkt eingeben.");
}

Text1252 Lesart(date::local_seconds zeit, const date::sys_info& info) {
  return Text1252(UhrzeitText(zeit)) + " " + VersatzText(info.offset) + " " + Text1252(info.abbrev);
}

}  // namespace

Resultat<Wandzeit> WandzeitLesen(std::string_view eingabe) {
  while (!eingabe.empty() && std::isspace(static_cast<unsigned char>(eingabe.front()))) eingabe.remove_prefix(1);
  while (!eingabe.empty() && std::isspace(static_cast<unsigned char>(eingabe.back()))) eingabe.remove_suffix(1);
  Wandzeit z;
  std::size_t pos = 0;
  auto zeichen = [&](char c) {
    if (pos < eingabe.size() && eingabe[pos] == c) return ++pos, true;
    return false;
  };
  bool gut = ZiffernLesen(eingabe, pos, 1, 2, z.Tag) && zeichen('.') && ZiffernLesen(eingabe, pos, 1, 2, z.Monat) &&
             zeichen('.') && ZiffernLesen(eingabe, pos, 4, 4, z.Jahr);
  if (gut && pos < eingabe.size()) {
    const std::size_t vorher = pos;
    while (pos < eingabe.size() && eingabe[pos] == ' ') ++pos;
    gut = pos > vorher && ZiffernLesen(eingabe, pos, 1, 2, z.Stunde) && zeichen(':') &&
          ZiffernLesen(eingabe, pos, 2, 2, z.Minute);
  }
  if (!gut || pos != eingabe.size() || z.Stunde > 23 || z.Minute > 59 || z.Jahr < 1)
    return FehlerMeldung(Formatfehler());
  const date::year_month_day datum{date::year{z.Jahr}, date::month{static_cast<unsigned>(z.Monat)},
                                   date::day{static_cast<unsigned>(z.Tag)}};
  if (!datum.ok())
    return FehlerMeldung(Cp1252("Falsche Eingabe im Werteingabeld! Den " + Zweistellig(z.Tag) + "." +
                                Zweistellig(z.Monat) + "." + std::to_string(z.Jahr) + " gibt es nicht!"));
  return z;
}

Resultat<> ZoneVorhanden(const std::string& zone) {
  auto gefunden = ZoneSuchen(zone);
  if (!gefunden) return gefunden.Fehler();
  return {};
}

Resultat<Zeitbestimmung> ZeitpunktIn(const std::string& zone, const Wandzeit& zeit) {
  auto gefunden = ZoneSuchen(zone);
  if (!gefunden) return gefunden.Fehler();
  const date::local_seconds lokal = date::local_days{date::year{zeit.Jahr} / zeit.Monat / zeit.Tag} +
                                    std::chrono::hours{zeit.Stunde} + std::chrono::minutes{zeit.Minute};
  date::local_info info;
  try {
    info = (*gefunden)->get_info(lokal);
  } catch (const std::exception&) {
    return FehlerMeldung(ZoneFehlt(zone));
  }
  const Text1252 wann = WandzeitText(lokal);
  if (JenseitsDerTabelle(date::sys_seconds{lokal.time_since_epoch() - info.first.offset}, info.first))
    return FehlerMeldung(TabelleEndet(zone));
  if (info.result == date::local_info::nonexistent) {
    const date::local_seconds vor{info.first.end.time_since_epoch() + info.first.offset};
    const date::local_seconds nach{info.second.begin.time_since_epoch() + info.second.offset};
    return FehlerMeldung(Cp1252("Die Zeit ") + wann +
                         Cp1252(" gibt es in der Zeitzone " + zone + " nicht: Die Uhren springen an diesem Tag von " +
                                UhrzeitText(vor) + " auf " + UhrzeitText(nach) + "."));
  }
  Zeitbestimmung ergebnis;
  ergebnis.Moment = (lokal - info.first.offset).time_since_epoch().count();
  if (info.result == date::local_info::ambiguous)
    ergebnis.Hinweis =
        InfoMeldung(Cp1252("Die Zeit ") + wann + Cp1252(" gibt es in der Zeitzone " + zone) +
                    Cp1252(" zweimal, weil die Uhren zurückgestellt werden: zuerst ") + Lesart(lokal, info.first) +
                    ", dann " + Lesart(lokal, info.second) + Cp1252(". Gerechnet wird mit der früheren."));
  return ergebnis;
}

Resultat<Zonenzeit> ZonenzeitBei(const std::string& zone, Zeitpunkt moment) {
  auto gefunden = ZoneSuchen(zone);
  if (!gefunden) return gefunden.Fehler();
  const date::sys_seconds utc{seconds{moment}};
  date::sys_info info;
  try {
    info = (*gefunden)->get_info(utc);
  } catch (const std::exception&) {
    return FehlerMeldung(ZoneFehlt(zone));
  }
  if (JenseitsDerTabelle(utc, info)) return FehlerMeldung(TabelleEndet(zone));
  Zonenzeit z;
  z.DatumUhrzeit = WandzeitText(date::local_seconds{utc.time_since_epoch() + info.offset});
  z.Versatz = VersatzText(info.offset);
  z.Abkuerzung = Text1252(info.abbrev);
  return z;
}

Text1252 TabellenendeHinweis() {
  return Cp1252(
      "Die Zeitzonendatenbank des Systems führt die Sommerzeit mancher Zeitzonen nur bis 2037; "
      "diese zeigen für spätere Zeitpunkte \"keine Angabe\".");
}

// Without the "UTC" before the offset, so that date, time, offset and a
// five-character abbreviation fit the result column of the unit list.
Text1252 ZonenzeitText(const Zonenzeit& zeit) {
  const std::string_view versatz = zeit.Versatz.Sicht();
  return zeit.DatumUhrzeit + " " + Text1252(versatz.substr(versatz.rfind("UTC", 0) == 0 ? 3 : 0)) + " " +
         zeit.Abkuerzung;
}

Zeitpunkt JetztAufDieMinute() {
  const auto jetzt = date::floor<std::chrono::minutes>(std::chrono::system_clock::now());
  return std::chrono::duration_cast<seconds>(jetzt.time_since_epoch()).count();
}

}  // namespace kolvaro
