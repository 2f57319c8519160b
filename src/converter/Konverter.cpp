// The converter state: loading, converting, ordering, presenting.
#include "converter/Konverter.h"

#include <algorithm>
#include <cmath>

#include "basis/Gebietsnamen.h"
#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "converter/Groesseneingabe.h"
#include "converter/Zerlegung.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace {
const Text1252 kLeer;
const std::string kKeineDatei;
}  // namespace

Konverter::Konverter(std::filesystem::path verzeichnis) : m_Verzeichnis(std::move(verzeichnis)) {
  m_Laenderflaggen.fill(true);
  VerwaisteZwischendateienEntfernen(m_Verzeichnis);
}

// ---------------------------------------------------------------- countries

Resultat<> Konverter::LaenderLaden() {
  auto tabelle = LaendertabelleLaden(m_Verzeichnis);
  // Without the table no country counts as present.
  m_Laender = tabelle ? std::move(*tabelle) : Laendertabelle{};
  LaenderlistenNeuAufbauen();
  if (!tabelle) return tabelle.Fehler();
  return {};
}

void Konverter::LaenderlistenNeuAufbauen() {
  m_AngezeigteLaender.clear();
  m_NichtAngezeigteLaender.clear();
  const auto& vorhanden = m_Laender.Vorhandene;
  for (std::size_t i = 0; i < m_Laender.Alle.size(); ++i) {
    const auto& name = m_Laender.Alle[i];
    if (std::find(vorhanden.begin(), vorhanden.end(), name) == vorhanden.end()) continue;
    (m_Laenderflaggen[i] ? m_AngezeigteLaender : m_NichtAngezeigteLaender).push_back(name);
  }
}

void Konverter::LaenderflaggenAusListe(const std::vector<Text1252>& angezeigt) {
  m_Laenderflaggen.fill(false);
  for (std::size_t i = 0; i < m_Laender.Alle.size() && i < m_Laenderflaggen.size(); ++i)
    m_Laenderflaggen[i] = std::find(angezeigt.begin(), angezeigt.end(), m_Laender.Alle[i]) != angezeigt.end();
}

// ----------------------------------------------------------------- settings

void Konverter::EinstellungenUebernehmen(const Einstellungswerte& werte) {
  m_GemerkteGruppe = werte.Gruppe;
  m_Sortierung = werte.Sortierung;
  m_Wissenschaftlich = werte.Wissenschaftlich;
  m_Autorechnen = werte.Autorechnen;
  m_Laenderflaggen = werte.Laender;
  m_Stellen = werte.Stellen;
  m_Favoriten = werte.Favoriten;
  m_Verlauf = werte.Verlauf;
}

Einstellungswerte Konverter::Einstellungen() const {
  Einstellungswerte werte;
  werte.Gruppe = m_Gebietsindex >= 0 ? m_Gebietsindex + 1 : m_GemerkteGruppe;
  werte.Sortierung = m_Sortierung;
  werte.Wissenschaftlich = m_Wissenschaftlich;
  werte.Autorechnen = m_Autorechnen;
  werte.Laender = m_Laenderflaggen;
  werte.Stellen = m_Stellen;
  werte.Favoriten = m_Favoriten;
  werte.Verlauf = m_Verlauf;
  return werte;
}

// ---------------------------------------------------------------- catalogue

Resultat<> Konverter::KatalogLaden() {
  auto katalog = kolvaro::KatalogLaden(m_Verzeichnis);
  if (!katalog) return katalog.Fehler();
  auto infotext = InfotextLaden(m_Verzeichnis);
  if (!infotext) return infotext.Fehler();
  m_Katalog = std::move(*katalog);
  m_Infotext = std::move(*infotext);
  return {};
}

int Konverter::StartGebietsindex() const {
  if (m_Katalog.empty()) return -1;
  if (static_cast<int>(m_Katalog.size()) < m_GemerkteGruppe || m_GemerkteGruppe < 1) return 0;
  return m_GemerkteGruppe - 1;
}

void Konverter::GebietWaehlen(int index) {
  m_Gebietsindex = (index >= 0 && index < static_cast<int>(m_Katalog.size())) ? index : -1;
  m_ErgebnisseVorhanden = false;
}

const Gebietseintrag* Konverter::GewaehltesGebiet() const {
  // A reloaded catalogue may have lost the category until the next is chosen.
  const bool vorhanden = m_Gebietsindex >= 0 && m_Gebietsindex < static_cast<int>(m_Katalog.size());
  return vorhanden ? &m_Katalog[static_cast<std::size_t>(m_Gebietsindex)] : nullptr;
}

const Text1252& Konverter::Gebietsname() const {
  const Gebietseintrag* gebiet = GewaehltesGebiet();
  return gebiet ? gebiet->Gebietsname : kLeer;
}

const Text1252& Konverter::Bezugseinheit() const {
  const Gebietseintrag* gebiet = GewaehltesGebiet();
  return gebiet ? gebiet->Bezugseinheit : kLeer;
}

Text1252 Konverter::GebietsInfo() const {
  return m_Gebietsindex >= 0 ? GebietsInfotextBereinigt(m_Infotext, m_Gebietsindex + 1) : Text1252();
}

// -------------------------------------------------------------------- units

Resultat<> Konverter::EinheitenLaden() {
  ListeAblegen();
  m_Einheiten.clear();
  m_Zaehler = {};
  m_Formfehler.reset();
  m_Basiswert.reset();
  m_FaktorHinweisGegeben = false;
  if (m_Gebietsindex < 0) return {};
  const std::string& datendatei = Datendatei();
  const bool nachLand = gebiet::NachLandGefiltert(Gebietsname());
  const Dateiformpruefung formpruefung = DateiformpruefungFuer(Gebietsname());
  const std::filesystem::path pfad = m_Verzeichnis / datendatei;
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return inhalt.Fehler();
  std::vector<Text1252> laender = nachLand ? m_AngezeigteLaender : std::vector<Text1252>();
  // A category whose lines are checked for their shape is small and read afresh.
  if (!formpruefung)
    if (auto abbild = m_Vorrat.Nehmen(pfad, *inhalt, laender, m_TemporaereAnzeige)) {
      m_Einheiten = std::move(abbild->Einheiten);
      m_Zaehler = abbild->Zaehler;
      const bool sortiert = abbild->Reihenfolge == m_Sortierung && abbild->Favoriten == m_Favoriten;
      m_Herkunft = std::move(*abbild);
      m_ListeAblegbar = true;
      if (!sortiert) {
        InDateireihenfolge(m_Einheiten);
        NachModusSortieren();
      }
      ReihenfolgeMerken();
      return {};
    }
  std::vector<Text1252> zeilennamen;
  std::vector<std::string_view> angezeigt;
  for (const auto& land : m_AngezeigteLaender) angezeigt.push_back(land.Sicht());
  std::sort(angezeigt.begin(), angezeigt.end());
  std::vector<std::string_view> felder;
  std::size_t kurzeZeile = 0;
  Geheimleseart art;
  art.Vorab = [this](std::size_t zeilen) { m_Einheiten.reserve(zeilen); };
  // Only the units that are listed are built.
  auto geladen = GeheiminhaltDurchlaufen(*inhalt, datendatei, art, [&](std::string_view klartext, std::size_t zeile) {
    Felder(klartext, '\t', felder);
    // Without its name or factor a line would list as a nameless unit
    // with a result; it is most likely the piece of a broken line.
    if (felder.size() < static_cast<std::size_t>(feld::Mindestens)) {
      kurzeZeile = zeile + 1;
      return false;
    }
    ++m_Zaehler.Gesamt;
    if (formpruefung) zeilennamen.emplace_back(felder[feld::Einheitenname - 1]);
    bool ausgeschlossen = false;
    if (nachLand) {
      std::string_view land = felder[feld::Landname - 1];
      if (!std::binary_search(angezeigt.begin(), angezeigt.end(), land)) {
        ausgeschlossen = true;
        ++m_Zaehler.VerborgenNachLand;
      }
    }
    std::string_view sichtbar = felder[0];
    if (sichtbar == "n") ++m_Zaehler.Verborgen;
    if (m_TemporaereAnzeige) sichtbar = "j";
    if (!ausgeschlossen && sichtbar == "j") EinheitFuellen(m_Einheiten.emplace_back(), felder, static_cast<int>(zeile));
    return true;
  });
  if (geladen && kurzeZeile > 0)
    geladen =
        BeschaedigtMeldung(datendatei, kurzeZeile, Cp1252("hat weniger als die neun Felder bis zum Umrechnungsfaktor"));
  if (geladen && m_Zaehler.Gesamt == 0)
    geladen = InfoMeldung("Die Datei " + Text1252(datendatei) + " ist leer: das Gebiet \"" + Gebietsname() +
                          "\" hat keine Einheiten.");
  if (!geladen) {
    // A damaged line stops the load; nothing half-read is listed.
    m_Einheiten.clear();
    m_Zaehler = {};
    return geladen;
  }
  // The units are listed; only converting them would be wrong.
  if (formpruefung) {
    if (auto form = formpruefung(datendatei, zeilennamen); !form) m_Formfehler = form.Fehler();
  } else {
    m_Herkunft = {};
    m_Herkunft.Datei = pfad;
    m_Herkunft.Inhalt = std::move(*inhalt);
    m_Herkunft.Laender = std::move(laender);
    m_Herkunft.Temporaer = m_TemporaereAnzeige;
    m_Herkunft.Zaehler = m_Zaehler;
    m_ListeAblegbar = true;
  }
  NachModusSortieren();
  ReihenfolgeMerken();
  return {};
}

void Konverter::ReihenfolgeMerken() {
  m_Herkunft.Reihenfolge = m_Sortierung;
  m_Herkunft.Favoriten = m_Favoriten;
}

void Konverter::ListeAblegen() {
  if (!m_ListeAblegbar) return;
  m_ListeAblegbar = false;
  m_Herkunft.Einheiten = std::move(m_Einheiten);
  m_Einheiten.clear();
  m_Vorrat.Ablegen(std::move(m_Herkunft));
  m_Herkunft = {};
}

void Konverter::FavoritenNachOben() {
  if (m_Favoriten.empty()) return;
  std::stable_partition(m_Einheiten.begin(), m_Einheiten.end(),
                        [this](const TAusgabetextobject& e) { return IstFavorit(e); });
}

bool Konverter::IstFavorit(const TAusgabetextobject& e) const {
  return std::find(m_Favoriten.begin(), m_Favoriten.end(), Favorit{Gebietsname(), e.Einheitenname, e.Landname}) !=
         m_Favoriten.end();
}

bool Konverter::IstFavorit(int i) const {
  return GueltigeZeile(i) && IstFavorit(m_Einheiten[static_cast<std::size_t>(i)]);
}

int Konverter::FavoritUmschalten(int i) {
  if (!GueltigeZeile(i)) return i;
  const auto& e = m_Einheiten[static_cast<std::size_t>(i)];
  const Favorit favorit{Gebietsname(), e.Einheitenname, e.Landname};
  const int dateizeile = e.Dateizeile;
  const auto gefunden = std::find(m_Favoriten.begin(), m_Favoriten.end(), favorit);
  if (gefunden == m_Favoriten.end())
    m_Favoriten.push_back(favorit);
  else
    m_Favoriten.erase(gefunden);
  // The order without the favourites first, then the favourites on top.
  m_Herkunft.Reihenfolge.reset();
  if (m_Sortierung == Sortiermodus::Alphabet) NachNameSortieren(m_Einheiten);
  NachModusSortieren();
  for (std::size_t k = 0; k < m_Einheiten.size(); ++k)
    if (m_Einheiten[k].Dateizeile == dateizeile) return static_cast<int>(k);
  return 0;
}

void Konverter::NachModusSortieren() {
  if (m_Sortierung == Sortiermodus::Land)
    NachLandSortieren(m_Einheiten);
  else if (m_Sortierung == Sortiermodus::Groesse)
    NachGroesseSortieren(m_Einheiten, gebiet::GroesseNachErgebnis(Gebietsname()));
  FavoritenNachOben();
}

void Konverter::EinheitErsetzen(int i, const TAusgabetextobject& neu) {
  if (!GueltigeZeile(i) || m_Einheiten[static_cast<std::size_t>(i)].Dateizeile != neu.Dateizeile) return;
  m_Einheiten[static_cast<std::size_t>(i)] = neu;
  m_ListeAblegbar = false;
}

void Konverter::EinheitAusblendenInListe(int i) {
  if (!GueltigeZeile(i)) return;
  m_ListeAblegbar = false;
  m_Einheiten.erase(m_Einheiten.begin() + i);
  ++m_Zaehler.Verborgen;
}

const std::string& Konverter::Datendatei() const {
  const Gebietseintrag* gebiet = GewaehltesGebiet();
  return gebiet ? gebiet->Datendatei : kKeineDatei;
}

std::vector<int> Konverter::EinheitFinden(const Text1252& name, const Text1252& land) const {
  std::vector<int> treffer;
  for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
    if (m_Einheiten[i].Einheitenname == name && (land.empty() || m_Einheiten[i].Landname == land))
      treffer.push_back(static_cast<int>(i));
  return treffer;
}

// --------------------------------------------------------------- conversion

Rechenergebnis Konverter::Umrechnen(const Text1252& eingabe, int auswahl, const Rueckfrage& frage) {
  if (m_Einheiten.empty()) return {};
  if (!GueltigeZeile(auswahl)) auswahl = 0;
  if (m_Formfehler) return Abgebrochen(*m_Formfehler);
  const auto& gewaehlt = m_Einheiten[static_cast<std::size_t>(auswahl)];
  if (auto mangel = FaktorMangel(Gebietsname(), gewaehlt); !mangel.empty())
    return EingabeFehler("Die Einheit \"" + gewaehlt.Einheitenname + "\" (Datei " + Text1252(Datendatei()) +
                             ", Zeile " + Text1252::Zahl(gewaehlt.Dateizeile + 1) + ") hat " + mangel +
                             Cp1252(". Bitte eine andere Einheit wählen oder den Faktor ändern."),
                         Fokus::NurFokus);
  Rechenergebnis ergebnis;
  m_Basiswert.reset();
  if (Sonderroutine routine = SonderroutineFuer(Gebietsname())) {
    Sonderkontext kontext{eingabe.Sicht(), m_Einheiten, auswahl, m_Verzeichnis, frage};
    ergebnis = routine(kontext);
  } else {
    ergebnis = FaktorenUmrechnen(eingabe.Sicht(), auswahl);
  }
  if (ergebnis.Erfolg) {
    m_ErgebnisseVorhanden = true;
    UngueltigeFaktorenZeigen(ergebnis);
  }
  return ergebnis;
}

std::vector<Text1252> Konverter::Verlauf() const {
  std::vector<Text1252> werte;
  for (const auto& v : m_Verlauf)
    if (v.Gebiet == Gebietsname()) werte.push_back(v.Wert);
  return werte;
}

void Konverter::VerlaufMerken(const Text1252& eingabe) {
  const Text1252 wert(Getrimmt(eingabe.Sicht()));
  if (wert.empty()) return;
  const Text1252& gebiet = Gebietsname();
  // Once per category, the newest first; the oldest of a full category goes.
  auto gleich = [&](const Verlaufseintrag& v) { return v.Gebiet == gebiet && v.Wert == wert; };
  m_Verlauf.erase(std::remove_if(m_Verlauf.begin(), m_Verlauf.end(), gleich), m_Verlauf.end());
  m_Verlauf.insert(m_Verlauf.begin(), {gebiet, wert});
  std::size_t anzahl = 0;
  for (auto it = m_Verlauf.begin(); it != m_Verlauf.end();)
    it = it->Gebiet == gebiet && ++anzahl > kVerlaufHoechstens ? m_Verlauf.erase(it) : it + 1;
}

void Konverter::UngueltigeFaktorenZeigen(Rechenergebnis& ergebnis) {
  std::vector<const TAusgabetextobject*> ungueltig;
  Text1252 mangel;
  for (auto& e : m_Einheiten) {
    auto grund = FaktorMangel(Gebietsname(), e);
    if (grund.empty()) continue;
    ErgebnisSetzen(e, FaktorUngueltigText());
    ungueltig.push_back(&e);
    mangel = std::move(grund);
  }
  if (ungueltig.empty() || m_FaktorHinweisGegeben) return;
  // Once per load: automatic calculation converts at every key stroke.
  m_FaktorHinweisGegeben = true;
  // In file order, as an editor shows the lines.
  std::sort(ungueltig.begin(), ungueltig.end(),
            [](const auto* a, const auto* b) { return a->Dateizeile < b->Dateizeile; });
  constexpr std::size_t kGenannt = 5;
  Text1252 zeilen;
  for (std::size_t i = 0; i < ungueltig.size() && i < kGenannt; ++i) {
    if (i > 0) zeilen += ", ";
    zeilen += Text1252::Zahl(ungueltig[i]->Dateizeile + 1) + " (\"" + ungueltig[i]->Einheitenname + "\")";
  }
  if (ungueltig.size() > kGenannt)
    zeilen += " und " + Text1252::Zahl(static_cast<long long>(ungueltig.size() - kGenannt)) + " weitere";
  const bool eine = ungueltig.size() == 1;
  ergebnis.Nachher.push_back(
      {Meldungsart::Warnung,
       "Die Datei " + Text1252(Datendatei()) + " ist beschädigt: " + Cp1252(eine ? "Zeile " : "die Zeilen ") + zeilen +
           Cp1252(eine ? " hat " : " haben ") + mangel +
           Cp1252(eine ? ". Diese Einheit zeigt kein Ergebnis." : ". Diese Einheiten zeigen kein Ergebnis.")});
}

Rechenergebnis Konverter::FaktorenUmrechnen(std::string_view eingabe, int auswahl) {
  // A plain number first, as always; then number-unit pairs; then a calculation.
  long double basis = 0.0L;
  const Groesseneingabe groesse =
      ZahlLesen(eingabe) ? Groesseneingabe{} : GroesseLesen(eingabe, m_Einheiten, Gebietsname());
  if (groesse.Form == Groessenform::Groesse) {
    basis = groesse.Wert;
  } else if (groesse.Fehler) {
    return EingabeFehler(groesse.Fehler->Text);
  } else {
    auto wert = ZahlOderRechnung(eingabe);
    if (!wert) return AllgemeinerEingabeFehler();
    basis = *wert * m_Einheiten[auswahl].Faktor;
  }
  if (basis == 0.0L) return AllgemeinerEingabeFehler();
  // Compute everything first: a result beyond the number range changes nothing.
  std::vector<long double> ergebnisse(m_Einheiten.size());
  for (std::size_t i = 0; i < m_Einheiten.size(); ++i) {
    const long double f = m_Einheiten[i].Faktor;
    // A unit without a usable factor gets its text from UngueltigeFaktorenZeigen.
    ergebnisse[i] = f > 0.0L ? basis / f : 0.0L;
    if (!std::isfinite(ergebnisse[i]))
      return EingabeFehler(
          Cp1252("Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs! Bitte einen "
                 "kleineren Wert eingeben."));
    // A value that is not 0 never shows as 0 (or loses its digits).
    if (f > 0.0L && !std::isnormal(ergebnisse[i]))
      return EingabeFehler(
          Cp1252("Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs! Bitte einen "
                 "größeren Wert eingeben."));
  }
  for (std::size_t i = 0; i < m_Einheiten.size(); ++i) {
    auto& e = m_Einheiten[i];
    e.ErgebnisWiss.clear();
    e.ErgebnisFliess.clear();
    e.Ergebniszahl = ergebnisse[i];
  }
  m_ErgebnisStellen = m_Stellen;
  m_Basiswert = basis;
  Rechenergebnis ergebnis;
  ergebnis.Erfolg = true;
  return ergebnis;
}

bool Konverter::AutomatischRechnenMoeglich(const Text1252& eingabe) const {
  return m_Autorechnen && !eingabe.empty() && Gebietsname() != gebiet::Weltzeit && Gebietsname() != gebiet::Zeitzonen;
}

bool Konverter::AutomatischRechnenBeiEingabe(const Text1252& eingabe) const {
  if (!AutomatischRechnenMoeglich(eingabe) || Gebietsname() == gebiet::Brueche) return false;
  // A calculation still being typed waits for its end without a message;
  // Enter or the calculate button say what is wrong with it.
  if (gebiet::EigenerLeser(Gebietsname())) return true;
  if (WertLesen(eingabe.Sicht()).Form == Eingabeform::Unfertig) return false;
  return SonderroutineFuer(Gebietsname()) ||
         GroesseLesen(eingabe.Sicht(), m_Einheiten, Gebietsname()).Form != Groessenform::Unfertig;
}

// -------------------------------------------------------------------- order

bool Konverter::SortierungMoeglich(Sortiermodus modus) const {
  const auto& name = Gebietsname();
  if (name == gebiet::Brueche) return false;
  if (modus == Sortiermodus::Groesse && (name == gebiet::Kalender || name == gebiet::Zahlensysteme)) return false;
  return true;
}

SortierErgebnis Konverter::Sortieren(Sortiermodus modus, int auswahl) {
  SortierErgebnis ergebnis;
  if (!SortierungMoeglich(modus)) return ergebnis;
  ergebnis.Ausgefuehrt = true;
  const int dateizeile = GueltigeZeile(auswahl) ? m_Einheiten[auswahl].Dateizeile : -1;
  m_ErgebnisseVorhanden = GueltigeZeile(auswahl) && !Ergebnistext(auswahl, true).empty();
  m_Sortierung = modus;
  m_Herkunft.Reihenfolge.reset();
  if (m_Einheiten.empty()) return ergebnis;
  if (m_ErgebnisseVorhanden) {
    if (modus == Sortiermodus::Alphabet) NachNameSortieren(m_Einheiten);
    NachModusSortieren();
    ergebnis.ErgebnisseVorhanden = true;
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      if (m_Einheiten[i].Dateizeile == dateizeile) ergebnis.Auswahl = static_cast<int>(i);
    return ergebnis;
  }
  if (modus == Sortiermodus::Land)
    NachModusSortieren();
  else if (auto geladen = EinheitenLaden(); !geladen)
    ergebnis.Meldung = geladen.Fehler();  // the file order is the alphabetical order
  return ergebnis;
}

// ------------------------------------------------------------- presentation

Text1252 Konverter::Ergebnistext(int i, bool wissenschaftlich) const {
  if (!GueltigeZeile(i)) return {};
  const auto& e = m_Einheiten[static_cast<std::size_t>(i)];
  if (!e.Ergebniszahl) return wissenschaftlich ? e.ErgebnisWiss : e.ErgebnisFliess;
  if (wissenschaftlich) return WissText(*e.Ergebniszahl).Anfang(kapazitaet::ErgebnisWiss);
  if (m_ErgebnisStellen > 0) return StellenText(*e.Ergebniszahl, m_ErgebnisStellen);
  return FliessText(*e.Ergebniszahl).Anfang(kapazitaet::ErgebnisFliess);
}

Text1252 Konverter::Hinweis(int i) const {
  if (!GueltigeZeile(i)) return {};
  const auto& e = m_Einheiten[i];
  return (e.Kurzzeichen.empty() ? e.Einheitenname : e.Kurzzeichen) + " - " + e.Landname;
}

Infotafel Konverter::Info(int i) const {
  Infotafel tafel;
  if (!GueltigeZeile(i)) return tafel;
  const auto& e = m_Einheiten[i];
  const auto& name = Gebietsname();
  auto setzen = [](Infotafel::Zeile& zeile, const Text1252& beschriftung, const Text1252& wert) {
    if (!wert.empty()) zeile = {beschriftung, wert};
  };
  tafel.ZusatzinfoVorhanden = !e.Zusatzinfo.empty();
  setzen(tafel.Kurzzeichen, Cp1252("Kurzzeichen:"), e.Kurzzeichen);
  setzen(tafel.SonstigeNamen, Cp1252("Sonstige Namen:"), e.SonstigeNamen);
  const char* uebersetzung = "Übersetzung: ";
  if (name == gebiet::Waehrungen)
    uebersetzung = "Stand: ";
  else if (name == gebiet::Weltzeit)
    uebersetzung = "Sommerzeit (+ 1 Stunde): ";
  setzen(tafel.Uebersetzung, Cp1252(uebersetzung), e.Uebersetzung);
  setzen(tafel.Einsatzgebiet, Cp1252("Einsatzgebiet:"), e.Einsatzgebiet);
  setzen(tafel.Entspricht, Cp1252(name == gebiet::Araeometerskalen ? "Bezugstemperatur:" : "entspricht: "),
         e.Entspricht);
  setzen(tafel.CaWert, Cp1252("Wert bzw. ca.Wert: "), e.CaWert);
  setzen(tafel.Ort, Cp1252("Ort: "), e.Ort);
  setzen(tafel.Zeitraum, Cp1252("Zeitraum: "), e.Zeitraum);
  tafel.Land = {Cp1252("Land: "), e.Landname};
  if (const auto basis = Basiswert()) {
    // Volumen splits into the gallons of the unit's country, the American ones by default.
    const Text1252 land = e.Landname == "Großbritannien" ? e.Landname : Cp1252("USA");
    std::vector<Zerlegungsteil> teile;
    for (const char* zeichen : UeblicheZerlegung(name)) {
      const auto einheit = EinheitNachZeichen(Cp1252(zeichen).Sicht(), m_Einheiten, name, land);
      if (!einheit) {
        teile.clear();
        break;
      }
      teile.push_back({(*einheit)->Faktor, Cp1252(zeichen)});
    }
    if (!teile.empty()) tafel.Zerlegt = {Cp1252("Zerlegt:"), ZerlegungText(*basis, teile)};
  }
  if (e.RegUnterschiede) tafel.RegUnterschiede = Cp1252("Achtung: regionale Unterschiede");
  if (e.ZeitUnterschiede) tafel.ZeitUnterschiede = Cp1252("Achtung: zeitliche Unterschiede");
  return tafel;
}

std::vector<std::vector<Text1252>> Konverter::ListeAlsTabelle() const {
  std::vector<std::vector<Text1252>> zeilen{{Cp1252("Ergebnis"), Cp1252("Einheit"), Cp1252("Land")}};
  for (std::size_t i = 0; i < m_Einheiten.size(); ++i) {
    const Text1252 ergebnis(Getrimmt(AngezeigtesErgebnis(static_cast<int>(i)).Sicht()));
    zeilen.push_back(
        {m_ErgebnisseVorhanden ? ergebnis : Text1252(), m_Einheiten[i].Einheitenname, m_Einheiten[i].Landname});
  }
  return zeilen;
}

Text1252 Konverter::StatusEinheiten() const {
  return Text1252::Zahl(m_Zaehler.Angezeigt()) + " Einheiten vorhanden, davon " + Text1252::Zahl(m_Zaehler.Verborgen) +
         " ausgeblendet.";
}

bool Konverter::LaenderstatusAnzeigen() const { return gebiet::NachLandGefiltert(Gebietsname()); }

Text1252 Konverter::StatusLaender() const {
  if (!LaenderstatusAnzeigen()) return {};
  return Text1252::Zahl(static_cast<long long>(m_Laender.Vorhandene.size())) + " Länder vorhanden, davon " +
         Text1252::Zahl(static_cast<long long>(m_NichtAngezeigteLaender.size())) + " ausgeblendet.";
}

}  // namespace kolvaro
