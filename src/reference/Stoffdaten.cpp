// Material data and the elements.
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Nfo.h"
#include "reference/Nfotabellen.h"

namespace kolvaro {

namespace {

// The year of the workplace limits in Stoffw3.nfo (TRGS 900 and the DFG
// list of that year).
constexpr const char* kMakHinweis = "Auswahl Stand 2024";

}  // namespace

const std::vector<Stoffdateneintrag>& Stoffdateneintraege() {
  static const std::vector<Stoffdateneintrag> eintraege = [] {
    const char* const tabelle[][5] = {
        {"Brechzahl", "Stoffw1.nfo", "13", "", "bei 20° C und 589 nm"},
        {"Brennwert", "Stoffw4.nfo", "2", "MJ/kg", ""},
        {"Dichte", "Stoffw1.nfo", "3", "kg/m³", "bei 20° C und 1013 mbar"},
        {"Elastizitätsmodul", "Stoffw2.nfo", "2", "kN/mm²", "bei 20° C"},
        {"Heizwert", "Stoffw4.nfo", "3", "MJ/kg", ""},
        {"Historische Bez. von Stoffen und Handelsnamen", "Stoffw7.nfo", "2", "", ""},
        {"Längenausdehnungskoeffizient", "Stoffw1.nfo", "10", "mm/(m 100 K)", "bei 20°C"},
        {"Löslichkeit von Stoffen in Wasser", "Stoffw5.nfo", "2", "", "g Stoff in 100 g Wasser bei 20°C"},
        {"MAK-Werte in mg/m³", "Stoffw3.nfo", "3", "", kMakHinweis},
        {"MAK-Werte in ppm", "Stoffw3.nfo", "2", "", kMakHinweis},
        {"Schmelzpunkte", "Stoffw1.nfo", "5", "°C", "bei 1013 mbar"},
        {"Schmelzwärme", "Stoffw1.nfo", "7", "kJ/kg", "bei 20°C und 1013 mbar"},
        {"Schüttdichte", "Stoffw6.nfo", "2", "kg/m³", ""},
        {"Siedepunkte", "Stoffw1.nfo", "6", "°C", "bei 1013 mbar"},
        {"Spez. elektrischer Widerstand", "Stoffw1.nfo", "12", "Ohm mm²/m", "bei 20° C"},
        {"Spez. Wärmekapazität", "Stoffw1.nfo", "4", "kJ/(kg K)", "bei 20° C und 1013 mbar"},
        {"Verdampfungswärme", "Stoffw1.nfo", "8", "kJ/kg", "bei 20°C und 1013 mbar"},
        {"Volumenausdehnungskoeffizient", "Stoffw1.nfo", "11", "dm³/(m³ K)", "bei 20°C"},
        {"Wärmeleitfähigkeit", "Stoffw1.nfo", "9", "W/(m K)", "bei 20°C"},
    };
    std::vector<Stoffdateneintrag> e;
    for (const auto& z : tabelle) e.push_back({Cp1252(z[0]), z[1], std::stoi(z[2]), Cp1252(z[3]), Cp1252(z[4])});
    return e;
  }();
  return eintraege;
}

Resultat<Referenztabelle> StoffdatenLesen(const std::filesystem::path& verzeichnis, const Stoffdateneintrag& eintrag) {
  auto zeilen = NfoLesen(verzeichnis, eintrag.Datei, 0);
  if (!zeilen) return zeilen.Fehler();
  Referenztabelle t;
  t.Titel = eintrag.Einheit.empty() ? eintrag.Name : eintrag.Name + " in " + eintrag.Einheit;
  t.Hinweis = eintrag.Hinweis;
  t.Spalten = {Cp1252("Stoff"), eintrag.Einheit.empty() ? eintrag.Name : eintrag.Einheit};
  for (const std::string& zeile : *zeilen) {
    Text1252 wert(Feld(zeile, '\t', eintrag.Feld));
    if (!wert.empty()) t.Zeilen.push_back({Text1252(Feld(zeile, '\t', 1)), wert});
  }
  return t;
}

Elementdetails ElementDetails(const std::string& zeile, const Elementdetails& vorher) {
  auto f = [&](int n) { return Text1252(Feld(zeile, '\t', n)); };
  Elementdetails d;
  d.Name = f(1);
  d.Symbol = f(2);
  d.Englisch = f(3) == "=" ? d.Name : f(3);
  const Text1252 zustand = f(4);
  if (zustand == "fest")
    d.Zustand = Cp1252("fest");
  else if (zustand == "fl")
    d.Zustand = Cp1252("flüssig");
  else if (zustand == "gas")
    d.Zustand = Cp1252("gasförmig");
  else
    d.Zustand = vorher.Zustand;
  if (d.Zustand.empty())
    d.Dichtetitel = vorher.Dichtetitel;
  else if (d.Zustand == "fest" || d.Zustand == Cp1252("flüssig"))
    d.Dichtetitel = Cp1252("Dichte in g/cm³ bei 20° C und 1013 mbar:");
  else
    d.Dichtetitel = Cp1252("Dichte in g/Liter bei 0° C und 1013 mbar:");
  d.Atommasse = f(5);
  d.Ordnungszahl = f(6);
  const std::string gruppe = Feld(zeile, '\t', 7);
  if (gruppe == "A")
    d.Gruppe = Cp1252("Actinoide");
  else if (gruppe == "L")
    d.Gruppe = Cp1252("Lanthanoide");
  else if (gruppe.size() >= 2)
    d.Gruppe = Text1252(gruppe.substr(1, 1)) + ". " + Cp1252(gruppe[0] == 'H' ? "Hauptgruppe" : "Nebengruppe");
  d.Oxidationszahl = f(8);
  d.Konfiguration = f(9);
  d.Dichte = f(10);
  d.Schmelzpunkt = f(11);
  d.Siedepunkt = f(12);
  d.WaermeJeGramm = f(13);
  d.WaermeJeMol = f(14);
  d.Entdeckung = "Entdeckt " + f(16) + " von " + f(15);
  d.Waermeleitfaehigkeit = f(17);
  d.Atomradius = f(18);
  d.KritischeTemperatur = f(19);
  return d;
}

Resultat<std::vector<std::string>> ElementeLesen(const std::filesystem::path& verzeichnis) {
  return NfoLesen(verzeichnis, kElementdatei, kElementKopfzeilen);
}

Referenztabelle ElementTabelle(const std::vector<std::string>& zeilen) {
  Referenztabelle t;
  t.Titel = Cp1252("Chemische Elemente");
  for (const char* s : {"Name", "Symbol", "Englischer Name", "Aggregatzustand", "Atommasse", "Ordnungszahl", "Gruppe",
                        "Oxidationszahl", "Elektronenkonfig.", "Dichte", "Schmelzpunkt in °C", "Siedepunkt in °C",
                        "Spez. Wärmekapazität in J/g K", "Molare Wärmekapazität in J/mol K", "Entdecker", "Entdeckt",
                        "Wärmeleitfähigkeit in W/m K", "Atomradius in pm", "Kritische Temp. in °C"})
    t.Spalten.push_back(Cp1252(s));
  Elementdetails vorher;
  for (const std::string& zeile : zeilen) {
    Elementdetails d = ElementDetails(zeile, vorher);
    t.Zeilen.push_back({d.Name, d.Symbol, d.Englisch, d.Zustand, d.Atommasse, d.Ordnungszahl, d.Gruppe,
                        d.Oxidationszahl, d.Konfiguration, d.Dichte, d.Schmelzpunkt, d.Siedepunkt, d.WaermeJeGramm,
                        d.WaermeJeMol, Text1252(Feld(zeile, '\t', 15)), Text1252(Feld(zeile, '\t', 16)),
                        d.Waermeleitfaehigkeit, d.Atomradius, d.KritischeTemperatur});
    vorher = d;
  }
  return t;
}

}  // namespace kolvaro
