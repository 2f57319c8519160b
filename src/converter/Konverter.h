// The converter state that the main window owns: catalogue, information
// texts, the unit list of the current category with its counters, sort and
// display modes, automatic calculation, the country flags and whether
// results are present. The main window and the command line bind to it.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "converter/Einheitenvorrat.h"
#include "converter/Einstellungswerte.h"
#include "converter/Sortierung.h"
#include "data/Einheit.h"
#include "data/Katalog.h"
#include "data/Laendertabelle.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {

// What the information panel shows for one unit: caption and value per row,
// both empty where the unit's field is empty.
struct Infotafel {
  struct Zeile {
    Text1252 Beschriftung;
    Text1252 Wert;
  };
  Zeile Kurzzeichen, SonstigeNamen, Uebersetzung, Einsatzgebiet, Entspricht, CaWert, Ort, Zeitraum;
  Zeile Land;
  // The value of the last conversion split the usual way ("5 ft 3 in").
  Zeile Zerlegt;
  Text1252 RegUnterschiede;
  Text1252 ZeitUnterschiede;
  bool ZusatzinfoVorhanden = false;
};

struct SortierErgebnis {
  bool Ausgefuehrt = false;          // false: the category does not take this order
  bool ErgebnisseVorhanden = false;  // the list was re-sorted with its results
  int Auswahl = 0;                   // the row to select afterwards
  OptMeldung Meldung;                // a reload that failed
};

class Konverter {
 public:
  explicit Konverter(std::filesystem::path verzeichnis);

  const std::filesystem::path& Verzeichnis() const { return m_Verzeichnis; }

  // ---- countries ----
  Resultat<> LaenderLaden();
  const Laendertabelle& Laender() const { return m_Laender; }
  const std::array<bool, kLaenderAnzahl>& Laenderflaggen() const { return m_Laenderflaggen; }
  void SetLaenderflaggen(const std::array<bool, kLaenderAnzahl>& flaggen) { m_Laenderflaggen = flaggen; }
  // Rebuilds the shown and hidden country lists from the flags; only
  // countries present in the data files are listed.
  void LaenderlistenNeuAufbauen();
  // Flag i := country i is in the list (the country dialog's "OK").
  void LaenderflaggenAusListe(const std::vector<Text1252>& angezeigt);
  const std::vector<Text1252>& AngezeigteLaender() const { return m_AngezeigteLaender; }
  const std::vector<Text1252>& NichtAngezeigteLaender() const { return m_NichtAngezeigteLaender; }

  // ---- settings ----
  void EinstellungenUebernehmen(const Einstellungswerte& werte);
  Einstellungswerte Einstellungen() const;

  // ---- catalogue ----
  Resultat<> KatalogLaden();
  const std::vector<Gebietseintrag>& Katalog() const { return m_Katalog; }
  // The index to select at start: the remembered number, or the first.
  int StartGebietsindex() const;
  void GebietWaehlen(int index);
  int Gebietsindex() const { return m_Gebietsindex; }
  const Text1252& Gebietsname() const;
  // The unit the current category's factors refer to, as the catalogue names
  // it; empty without a category.
  const Text1252& Bezugseinheit() const;
  Text1252 GebietsInfo() const;  // the category's information text

  // ---- units ----
  // Lists the current category's units. A damaged data file (a line that is
  // not cipher text or lacks its name or factor, a file cut off in a line) or
  // an empty one is a message and lists nothing. A file whose lines do not
  // have the shape its category binds them to is listed, but refuses every
  // conversion with the message.
  Resultat<> EinheitenLaden();
  const std::vector<TAusgabetextobject>& Einheiten() const { return m_Einheiten; }
  const Einheitenzaehler& Zaehler() const { return m_Zaehler; }
  void SetTemporaereAnzeige(bool an) { m_TemporaereAnzeige = an; }
  void SetVerborgenZaehler(int anzahl) {
    m_Zaehler.Verborgen = anzahl;
    m_ListeAblegbar = false;
  }
  // Takes over the entry of row i after an editing operation rewrote its
  // line (factor, texts). An entry of another line is not taken: the list
  // was reloaded in the meantime.
  void EinheitErsetzen(int i, const TAusgabetextobject& neu);
  // Takes the unit at row i out of the list after its line was hidden: one
  // more hidden unit, the other rows and line numbers unchanged.
  void EinheitAusblendenInListe(int i);
  const std::string& Datendatei() const;  // of the current category; empty without one
  // Rows whose Einheitenname is name (and whose Landname is land, if given).
  std::vector<int> EinheitFinden(const Text1252& name, const Text1252& land = {}) const;

  // ---- conversion ----
  // Converts the input given in the unit at row auswahl into every unit, by
  // the category's own routine or by factors; on success results are
  // present. A wrong input changes no result. frage answers the questions
  // a routine may ask (without one, a question counts as cancelled). A unit
  // whose factor the category cannot use (FaktorMangel) is no source, and as
  // a target shows FaktorUngueltigText() instead of a number.
  Rechenergebnis Umrechnen(const Text1252& eingabe, int auswahl, const Rueckfrage& frage = {});
  bool ErgebnisseVorhanden() const { return m_ErgebnisseVorhanden; }
  // The value of the last conversion by factors, in the unit whose factor
  // is 1; none after a special category's or before any.
  std::optional<long double> Basiswert() const { return m_ErgebnisseVorhanden ? m_Basiswert : std::nullopt; }
  void SetErgebnisseVorhanden(bool an) { m_ErgebnisseVorhanden = an; }
  bool Wissenschaftlich() const { return m_Wissenschaftlich; }
  void SetWissenschaftlich(bool an) { m_Wissenschaftlich = an; }
  int Stellen() const { return m_Stellen; }
  // Significant digits of the float display (kStellenMin..kStellenMax), 0
  // for the decimals by magnitude; takes effect with the next conversion.
  void SetStellen(int stellen) { m_Stellen = stellen; }
  bool Autorechnen() const { return m_Autorechnen; }
  void SetAutorechnen(bool an) { m_Autorechnen = an; }
  // Automatic calculation after a selection, a paste, a category change.
  bool AutomatischRechnenMoeglich(const Text1252& eingabe) const;
  // Automatic calculation while typing and when switched on; not while a
  // calculation in the value field is unfinished.
  bool AutomatischRechnenBeiEingabe(const Text1252& eingabe) const;

  // ---- the value field's history: the last values converted, by category ----
  static constexpr std::size_t kVerlaufHoechstens = 20;
  // Of the current category, newest first.
  std::vector<Text1252> Verlauf() const;
  // Remembers a value the user converted on purpose (Enter, the button):
  // automatic calculation converts every half-typed value and is no choice.
  void VerlaufMerken(const Text1252& eingabe);

  // ---- favourites: at the top of the list in every order ----
  const std::vector<Favorit>& Favoriten() const { return m_Favoriten; }
  bool IstFavorit(int i) const;
  // Marks the unit at row i as a favourite or takes the mark away, and puts
  // the list in order again; gives the unit's new row.
  int FavoritUmschalten(int i);

  // ---- order ----
  Sortiermodus Sortierung() const { return m_Sortierung; }
  SortierErgebnis Sortieren(Sortiermodus modus, int auswahl);
  bool SortierungMoeglich(Sortiermodus modus) const;

  // ---- presentation ----
  // The result text of row i in the current display (empty before a conversion).
  Text1252 AngezeigtesErgebnis(int i) const { return Ergebnistext(i, m_Wissenschaftlich); }
  // The result text of row i in the scientific or the float display.
  Text1252 Ergebnistext(int i, bool wissenschaftlich) const;
  Text1252 Hinweis(int i) const;
  Infotafel Info(int i) const;
  // The list as a table to take away: result, unit and country per row,
  // the headings first.
  std::vector<std::vector<Text1252>> ListeAlsTabelle() const;
  Text1252 StatusEinheiten() const;
  bool LaenderstatusAnzeigen() const;  // the current category is filtered by country
  Text1252 StatusLaender() const;

 private:
  bool GueltigeZeile(int i) const { return i >= 0 && i < static_cast<int>(m_Einheiten.size()); }
  // The chosen category's catalogue entry; nullptr without one.
  const Gebietseintrag* GewaehltesGebiet() const;
  Rechenergebnis FaktorenUmrechnen(std::string_view eingabe, int auswahl);
  // Units whose factor the category cannot use show a text instead of a
  // result; the first conversion after a load says which lines they are.
  void UngueltigeFaktorenZeigen(Rechenergebnis& ergebnis);
  void NachModusSortieren();
  void FavoritenNachOben();
  // Puts the list just loaded into the store of lists, if it may be taken again.
  void ListeAblegen();
  // The list stands as a load in this order with these favourites puts it.
  void ReihenfolgeMerken();
  bool IstFavorit(const TAusgabetextobject& einheit) const;

  std::filesystem::path m_Verzeichnis;
  std::vector<Gebietseintrag> m_Katalog;
  std::string m_Infotext;
  int m_Gebietsindex = -1;
  int m_GemerkteGruppe = 1;

  std::vector<TAusgabetextobject> m_Einheiten;
  Einheitenzaehler m_Zaehler;
  OptMeldung m_Formfehler;  // the data file's shape forbids converting
  bool m_FaktorHinweisGegeben = false;
  bool m_TemporaereAnzeige = false;
  bool m_ErgebnisseVorhanden = false;
  std::optional<long double> m_Basiswert;
  int m_ErgebnisStellen = 0;  // the significant digits of the last conversion
  Einheitenvorrat m_Vorrat;
  // What the current list was built from; its list may go into the store
  // as long as nothing has changed it since the load.
  Einheitenabbild m_Herkunft;
  bool m_ListeAblegbar = false;
  bool m_Autorechnen = false;
  bool m_Wissenschaftlich = false;
  int m_Stellen = 0;
  std::vector<Favorit> m_Favoriten;
  std::vector<Verlaufseintrag> m_Verlauf;  // newest first
  Sortiermodus m_Sortierung = Sortiermodus::Alphabet;

  Laendertabelle m_Laender;
  std::array<bool, kLaenderAnzahl> m_Laenderflaggen{};
  std::vector<Text1252> m_AngezeigteLaender;
  std::vector<Text1252> m_NichtAngezeigteLaender;
};

}  // namespace kolvaro
