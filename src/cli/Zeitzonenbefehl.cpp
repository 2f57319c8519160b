// The zone lines: "ZONE<TAB>TT.MM.JJJJ HH:MM<TAB>UTC±HH:MM<TAB>ABKÜRZUNG<TAB>LAND".
#include "cli/Zeitzonenbefehl.h"

#include <ostream>

#include "basis/Zeichensatz.h"
#include "cli/Terminaltext.h"
#include "special/Zeitzonen.h"

namespace kolvaro::cli {

int ZeitzonenbefehlAusfuehren(const std::vector<std::string>& argumente, const Zeitzonenumgebung& u) {
  std::string zone = "UTC";
  std::vector<std::string> positionen;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const auto& a = argumente[i];
    if (a == "--zone") {
      if (i + 1 == argumente.size() || argumente[i + 1].empty())
        return u.Nutzungsfehler("--zone braucht den Namen einer Zeitzone, z.B. Europe/Berlin.");
      zone = argumente[++i];
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return u.Nutzungsfehler("Unbekannte Option: " + a);
    } else {
      positionen.push_back(a);
    }
  }
  if (positionen.size() > 1) return u.Nutzungsfehler("zeitzonen erwartet höchstens ein DATUM_ZEIT.");
  const auto& einheiten = u.Einheiten();

  auto fehler = [&](const Text1252& text) {
    u.Fehler << Terminaltext(text) << "\n";
    return 1;
  };
  if (auto da = ZoneVorhanden(zone); !da) return fehler(da.Fehler().Text);
  Zeitbestimmung moment;
  if (positionen.empty()) {
    moment.Moment = JetztAufDieMinute();
  } else {
    const auto zeit = WandzeitLesen(Cp1252(positionen[0]).Sicht());
    if (!zeit) return fehler(zeit.Fehler().Text);
    auto bestimmt = ZeitpunktIn(zone, *zeit);
    if (!bestimmt) return fehler(bestimmt.Fehler().Text);
    moment = std::move(*bestimmt);
  }

  std::string zeilen;
  int fehlend = 0;
  bool ohneAngabe = false;
  for (const auto& e : einheiten) {
    TerminaltextAnhaengen(zeilen, e.SonstigeNamen);
    if (const auto ortszeit = ZonenzeitBei(e.SonstigeNamen.Bytes(), moment.Moment)) {
      for (const Text1252* teil : {&ortszeit->DatumUhrzeit, &ortszeit->Versatz, &ortszeit->Abkuerzung}) {
        zeilen += '\t';
        TerminaltextAnhaengen(zeilen, *teil);
      }
    } else if (!ZoneVorhanden(e.SonstigeNamen.Bytes())) {
      zeilen += "\tZone fehlt\t\t";
      ++fehlend;
    } else {
      zeilen += "\tkeine Angabe\t\t";
      ohneAngabe = true;
    }
    zeilen += '\t';
    // Zones of no country in the table name theirs in Ort.
    TerminaltextAnhaengen(zeilen, e.Landname == "Sonstige Einheit" && !e.Ort.empty() ? e.Ort : e.Landname);
    zeilen += '\n';
  }
  u.Aus << zeilen;
  u.Aus.flush();
  if (moment.Hinweis) fehler(moment.Hinweis->Text);
  if (ohneAngabe) fehler(TabellenendeHinweis());
  if (fehlend)
    fehler(Cp1252("Die Zeitzonendatenbank des Systems (" + std::string(kZeitzonenVerzeichnis) + ") kennt " +
                  std::to_string(fehlend) + " Zeitzonen des Gebietes nicht."));
  return moment.Hinweis || ohneAngabe || fehlend ? 1 : 0;
}

}  // namespace kolvaro::cli
