// "Zeitzonen": a date and time typed for one zone of the system's database,
// shown as the local date and time, offset and abbreviation of every zone
// at that moment. A unit's zone is its other name (SonstigeNamen, e.g.
// "Europe/Berlin"): the one field wide enough for every name the database
// uses, and one that no editing command rewrites in this category.
#include "special/Sonderhilfen.h"
#include "special/Zeitzonen.h"

namespace kolvaro {

Rechenergebnis ZeitzonenUmrechnen(Sonderkontext& k) {
  const auto zeit = WandzeitLesen(k.Eingabe);
  if (!zeit) return EingabeFehler(zeit.Fehler().Text);
  const std::string zone = k.Einheiten[static_cast<std::size_t>(k.Auswahl)].SonstigeNamen.Bytes();
  // A missing database or zone is not the input's fault: no focus on it.
  if (auto da = ZoneVorhanden(zone); !da) return EingabeFehler(da.Fehler().Text, Fokus::Keiner);
  const auto moment = ZeitpunktIn(zone, *zeit);
  if (!moment) return EingabeFehler(moment.Fehler().Text);
  Rechenergebnis r;
  r.Erfolg = true;
  if (moment->Hinweis) r.Nachher.push_back(*moment->Hinweis);
  std::vector<Text1252> fehlend;
  bool ohneAngabe = false;
  for (auto& e : k.Einheiten) {
    const auto ortszeit = ZonenzeitBei(e.SonstigeNamen.Bytes(), moment->Moment);
    if (ortszeit) {
      const Text1252 text = ZonenzeitText(*ortszeit);
      // Date, time, offset and abbreviation are one result: the row's
      // result column takes them, where a number's 15 characters would
      // cut off the offset.
      e.ErgebnisWiss = text;
      e.ErgebnisFliess = text;
    } else if (!ZoneVorhanden(e.SonstigeNamen.Bytes())) {
      ErgebnisSetzen(e, Cp1252("Zone fehlt"));
      fehlend.push_back(e.SonstigeNamen);
    } else {
      // Beyond the years the database lists for the zone.
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      ohneAngabe = true;
    }
  }
  if (ohneAngabe) r.Nachher.push_back(InfoMeldung(TabellenendeHinweis()));
  if (!fehlend.empty()) {
    Text1252 liste;
    for (std::size_t i = 0; i < fehlend.size() && i < 5; ++i) liste += (i ? Text1252(", ") : Text1252()) + fehlend[i];
    if (fehlend.size() > 5) liste += " ...";
    r.Nachher.push_back(
        {Meldungsart::Warnung,
         Cp1252("Die Zeitzonendatenbank des Systems (" + std::string(kZeitzonenVerzeichnis) + ") kennt " +
                std::to_string(fehlend.size()) + " Zeitzonen dieses Gebietes nicht; sie zeigen \"Zone fehlt\": ") +
             liste});
  }
  return r;
}

}  // namespace kolvaro
