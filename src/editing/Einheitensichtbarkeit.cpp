// Hiding and showing units and countries.
#include "editing/Einheitensichtbarkeit.h"

#include <algorithm>
#include <string_view>

#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"

namespace kolvaro {

Resultat<> SichtbarkeitSetzen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                              const std::vector<int>& dateizeilen, bool sichtbar) {
  std::vector<Feldaenderung> aenderungen;
  aenderungen.reserve(dateizeilen.size());
  for (int zeile : dateizeilen) aenderungen.push_back({zeile, feld::Sichtbar, sichtbar ? "j" : "n"});
  return EinheitenzeilenAendern(verzeichnis, datendatei, aenderungen);
}

Resultat<std::vector<AusgeblendeteEinheit>> AusgeblendeteEinheitenLesen(const std::filesystem::path& verzeichnis,
                                                                        const std::string& datendatei) {
  std::vector<AusgeblendeteEinheit> liste;
  std::vector<std::string_view> felder;
  auto gelesen =
      GeheimdateiDurchlaufen(verzeichnis / datendatei, {}, [&](std::string_view klartext, std::size_t zeile) {
        Felder(klartext, '\t', felder);
        if (felder.empty() || felder[0] != "n") return true;
        auto feldtext = [&](int nummer) {
          return Text1252(felder.size() >= static_cast<std::size_t>(nummer) ? felder[nummer - 1] : std::string_view());
        };
        liste.push_back({feldtext(feld::Einheitenname) + " - " + feldtext(feld::Landname), static_cast<int>(zeile)});
        return true;
      });
  if (!gelesen) return gelesen.Fehler();
  return liste;
}

int AuswahlNachAusblenden(const std::vector<int>& zeilen) {
  if (zeilen.empty()) return 0;
  return std::max(0, *std::min_element(zeilen.begin(), zeilen.end()) - 1);
}

int VerborgenNachEinblenden(int verborgen, int anzahl) { return std::max(0, verborgen - anzahl); }

namespace {
bool Verschieben(std::vector<Text1252>& von, std::vector<Text1252>& nach, int index) {
  if (index < 0 || index >= static_cast<int>(von.size())) return false;
  nach.push_back(std::move(von[static_cast<std::size_t>(index)]));
  von.erase(von.begin() + index);
  return true;
}
}  // namespace

bool Laenderauswahl::Ausblenden(int index) { return Verschieben(m_Angezeigt, m_Ausgeblendet, index); }
bool Laenderauswahl::Einblenden(int index) { return Verschieben(m_Ausgeblendet, m_Angezeigt, index); }

void Laenderauswahl::AlleAusblenden(const std::vector<Text1252>& vorhandene) {
  m_Angezeigt.clear();
  m_Ausgeblendet = vorhandene;
}

void Laenderauswahl::AlleEinblenden(const std::vector<Text1252>& vorhandene) {
  m_Angezeigt = vorhandene;
  m_Ausgeblendet.clear();
}

void Laenderauswahl::TechnischeVerwendung(const std::vector<Text1252>& vorhandene) {
  static const Text1252 technisch[] = {Cp1252("Deutschland"), Cp1252("Großbritannien"), Cp1252("USA")};
  m_Angezeigt.clear();
  m_Ausgeblendet.clear();
  for (std::size_t i = 0; i < vorhandene.size(); ++i) {
    const bool zeigen =
        i < 3 || std::find(std::begin(technisch), std::end(technisch), vorhandene[i]) != std::end(technisch);
    (zeigen ? m_Angezeigt : m_Ausgeblendet).push_back(vorhandene[i]);
  }
}

}  // namespace kolvaro
