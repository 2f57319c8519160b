// The commands of kolvaro-cli.
#include "cli/Befehle.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <ostream>
#include <set>

#include "basis/Gebietsnamen.h"
#include "basis/Tagesdatum.h"
#include "basis/Texte.h"
#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "cli/Rechnerbefehle.h"
#include "cli/Terminaltext.h"
#include "cli/Zeitzonenbefehl.h"
#include "converter/Groesseneingabe.h"
#include "converter/Konverter.h"
#include "converter/Umrechnungstabelle.h"
#include "converter/Zerlegung.h"
#include "data/Datenbericht.h"
#include "data/Datenverzeichnis.h"
#include "data/Feld.h"
#include "data/Pruefbericht.h"
#include "editing/KurseEinlesen.h"
#include "editing/Passwortdatei.h"
#include "editing/Suche.h"
#include "kolvaro_version.h"
#include "reference/Tabellenpruefung.h"
#include "reference/Tabellenverzeichnis.h"
#include "special/Datenpruefung.h"

namespace kolvaro::cli {
namespace {

namespace fs = std::filesystem;

const char* const kAufruf =
    "Aufruf: kolvaro-cli [--daten VERZEICHNIS] BEFEHL ...\n"
    "        kolvaro-cli --help | --version\n"
    "\n"
    "Befehle:\n"
    "  gebiete                                   alle Gebiete in der Reihenfolge des Gebietsverzeichnisses\n"
    "  einheiten [--sortierung alphabet|land|groesse] GEBIET\n"
    "                                            die Einheiten eines Gebietes: Name, Kurzzeichen, Land\n"
    "  umrechnen [--wiss] [--stellen N] [--land LAND] [--sortierung ...] [--leichter|--schwerer]\n"
    "            GEBIET EINHEIT WERT\n"
    "                                            WERT in EINHEIT in alle Einheiten des Gebietes umrechnen;\n"
    "                                            --stellen N zeigt N (3 bis 15) gültige Stellen;\n"
    "                                            --leichter/--schwerer beantworten bei Aräometerskalen die\n"
    "                                            Frage, ob die Flüssigkeit leichter als Wasser ist\n"
    "  zerlegen GEBIET EINHEIT WERT ZIELE        WERT in EINHEIT auf die Einheiten ZIELE verteilt (Kurzzeichen\n"
    "                                            oder Namen, durch Komma getrennt, die größte zuerst),\n"
    "                                            z.B. zerlegen Länge Meter 1,6002 ft,in ergibt 5 ft 3 in\n"
    "  umrechnungstabelle [--stellen N] GEBIET VON NACH START ENDE SCHRITT\n"
    "                                            je Wert von START bis ENDE eine Zeile: Wert in VON, TAB, Ergebnis\n"
    "                                            in NACH (mehrere durch Komma getrennt); höchstens 10000 Zeilen\n"
    "  zeitzonen [--zone ZONE] [DATUM_ZEIT]      DATUM_ZEIT (TT.MM.JJJJ hh:mm, in ZONE, ohne --zone UTC; ohne\n"
    "                                            DATUM_ZEIT jetzt) in allen Zeitzonen: je Zone eine Zeile mit\n"
    "                                            Zone, Datum und Uhrzeit, Abstand zur UTC, Abkürzung, Land\n"
    "  bericht                                   je Gebiet die Zahl der Einheiten und der Länder\n"
    "  suchen [--abkuerzung | --exakt] BEGRIFF   Einheiten aller Gebiete (auch ausgeblendete) suchen: BEGRIFF\n"
    "                                            im Namen oder den sonstigen Namen, mit --exakt gleich dem\n"
    "                                            Namen, mit --abkuerzung gleich der Abkürzung; je Treffer\n"
    "                                            Gebiet und Trefferzeile\n"
    "  molmasse FORMEL                           Molmasse in g/mol, z.B. CaSO4*2H2O\n"
    "  flaeche FIGUR WERT... | flaeche --liste   Fläche, Umfang, Diagonale einer Figur; --liste nennt die\n"
    "                                            Figuren mit ihren Eingaben\n"
    "  koerper KOERPER WERT... | koerper --liste Volumen, Oberfläche, Mantelfläche ... eines Körpers\n"
    "  wochentag DATUM                           der Wochentag eines Datums (TT.MM.JJJJ, Abendländischer\n"
    "                                            Kalender)\n"
    "  feiertage [--julianisch] JAHR             die beweglichen Feiertage eines Jahres\n"
    "  tabelle [NAME]                            ohne NAME die Namen der Nachschlagetabellen; mit NAME die\n"
    "                                            Tabelle, eine Zeile je Eintrag, Spalten durch TAB getrennt\n"
    "  pruefen                                   die Datendateien prüfen: je Fehler eine Zeile DATEI:ZEILE: ...,\n"
    "                                            dann die Zusammenfassung; Status 0 nur ohne Fehler\n"
    "  kurse-einlesen [--datum JJJJ-MM-TT] DATEI die Referenzkurse der Europäischen Zentralbank aus DATEI\n"
    "                                            (eurofxref-daily.xml, eurofxref-hist.xml, eurofxref.csv,\n"
    "                                            eurofxref-hist.csv) in die Währungen übernehmen: den neuesten\n"
    "                                            Tag der Datei oder den mit --datum genannten; fragt nach dem\n"
    "                                            Passwort, wenn eines gesetzt ist\n"
    "\n"
    "Ohne --daten liest kolvaro-cli die Datendateien im aktuellen Verzeichnis, wenn es Gruppen.nfo\n"
    "enthält, sonst im Datenverzeichnis des Benutzers.\n";

struct Fehlerausgang {
  int Status;
};

class Lauf {
 public:
  Lauf(const Umgebung& umgebung, std::ostream& aus, std::ostream& fehler)
      : m_Umgebung(umgebung), m_Aus(aus), m_Fehler(fehler) {}

  int Ausfuehren(std::vector<std::string> argumente) {
    try {
      std::string daten;
      std::vector<std::string> rest;
      for (std::size_t i = 0; i < argumente.size(); ++i) {
        if (argumente[i] == "--help" || argumente[i] == "-h") {
          m_Aus << kAufruf;
          return 0;
        }
        if (argumente[i] == "--version") {
          m_Aus << "kolvaro-cli " KOLVARO_VERSION "\n";
          return 0;
        }
        if (argumente[i] == "--daten") {
          if (i + 1 == argumente.size() || argumente[i + 1].empty()) Nutzungsfehler("--daten braucht ein Verzeichnis.");
          daten = argumente[++i];
        } else {
          rest.push_back(argumente[i]);
        }
      }
      if (rest.empty()) Nutzungsfehler("Kein Befehl angegeben.");
      std::string befehl = rest.front();
      rest.erase(rest.begin());
      if (IstRechnerbefehl(befehl)) {
        Rechnerumgebung umgebung{[&] { return Verzeichnis(daten); }, m_Aus, m_Fehler,
                                 [this](const std::string& text) {
                                   m_Fehler << "kolvaro-cli: " << text << "\n\n" << kAufruf;
                                   return 2;
                                 }};
        return RechnerbefehlAusfuehren(befehl, rest, umgebung);
      }
      if (befehl == "tabelle") return Tabelle(rest, daten);
      if (befehl == "pruefen") return Pruefen(rest, daten);
      if (befehl == "kurse-einlesen") return KurseEinlesenBefehl(rest, daten);
      if (befehl != "gebiete" && befehl != "einheiten" && befehl != "umrechnen" && befehl != "bericht" &&
          befehl != "suchen" && befehl != "zerlegen" && befehl != "umrechnungstabelle" && befehl != "zeitzonen")
        Nutzungsfehler("Unbekannter Befehl: " + befehl);
      Starten(daten);
      if (befehl == "gebiete") return Gebiete(rest);
      if (befehl == "einheiten") return Einheiten(rest);
      if (befehl == "bericht") return Bericht(rest);
      if (befehl == "suchen") return Suchen(rest);
      if (befehl == "zerlegen") return Zerlegen(rest);
      if (befehl == "umrechnungstabelle") return TabelleRechnen(rest);
      if (befehl == "zeitzonen") return Zeitzonen(rest);
      return Umrechnen(rest);
    } catch (const Fehlerausgang& f) {
      return f.Status;
    }
  }

 private:
  // The usage errors are the command line's own UTF-8 texts.
  [[noreturn]] void Nutzungsfehler(const std::string& text) {
    m_Fehler << "kolvaro-cli: " << text << "\n\n" << kAufruf;
    throw Fehlerausgang{2};
  }

  [[noreturn]] void Fehler(const Text1252& text, int status = 1) {
    m_Fehler << Terminaltext(text) << "\n";
    throw Fehlerausgang{status};
  }

  Text1252 NachCp1252(const std::string& utf8, const char* was) {
    auto text = Utf8NachCp1252(utf8);
    if (!text) Fehler(Cp1252(was) + " enthält ein Zeichen, das Kolvaro nicht darstellen kann.");
    return *text;
  }

  fs::path Verzeichnis(const std::string& daten) {
    if (!daten.empty()) return daten;
    auto gewaehlt = DatenverzeichnisWaehlen(m_Umgebung.Aktuell, m_Umgebung.Benutzerdaten, m_Umgebung.Installiert);
    if (!gewaehlt) Fehler(gewaehlt.Fehler().Text);
    return *gewaehlt;
  }

  void Starten(const std::string& daten) {
    m_Konverter = std::make_unique<Konverter>(Verzeichnis(daten));
    // Like a first start: all countries shown, hidden units hidden.
    if (auto geladen = m_Konverter->KatalogLaden(); !geladen) Fehler(geladen.Fehler().Text);
    // Without the country table the four country categories list nothing;
    // everything else still works, as in the desktop program.
    if (auto geladen = m_Konverter->LaenderLaden(); !geladen) m_Fehler << Terminaltext(geladen.Fehler().Text) << "\n";
  }

  // Reads "--sortierung X" and the flags out of the arguments; what is left
  // are the positional arguments.
  std::vector<std::string> Optionen(const std::vector<std::string>& argumente, bool umrechnen) {
    std::vector<std::string> positionen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
      const auto& a = argumente[i];
      if (a == "--sortierung") {
        if (i + 1 == argumente.size()) Nutzungsfehler("--sortierung braucht alphabet, land oder groesse.");
        const auto& modus = argumente[++i];
        if (modus == "alphabet")
          m_Sortierung = Sortiermodus::Alphabet;
        else if (modus == "land")
          m_Sortierung = Sortiermodus::Land;
        else if (modus == "groesse")
          m_Sortierung = Sortiermodus::Groesse;
        else
          Nutzungsfehler("Unbekannte Sortierung: " + modus);
      } else if (umrechnen && a == "--stellen") {
        const auto stellen = i + 1 < argumente.size() ? GanzzahlLesen(argumente[i + 1]) : std::nullopt;
        if (!stellen || *stellen < kStellenMin || *stellen > kStellenMax)
          Nutzungsfehler("--stellen braucht eine Zahl von " + std::to_string(kStellenMin) + " bis " +
                         std::to_string(kStellenMax) + ".");
        m_Stellen = static_cast<int>(*stellen);
        ++i;
      } else if (umrechnen && a == "--wiss") {
        m_Wiss = true;
      } else if (umrechnen && (a == "--leichter" || a == "--schwerer")) {
        m_Leichter = a == "--leichter" ? 1 : 0;
      } else if (umrechnen && a == "--land") {
        if (i + 1 == argumente.size()) Nutzungsfehler("--land braucht einen Landnamen.");
        m_Land = NachCp1252(argumente[++i], "Der Landname");
      } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
        Nutzungsfehler("Unbekannte Option: " + a);
      } else {
        positionen.push_back(a);
      }
    }
    return positionen;
  }

  void GebietLaden(const std::string& gebietUtf8) {
    const Text1252 name = NachCp1252(gebietUtf8, "Der Gebietsname");
    const auto& katalog = m_Konverter->Katalog();
    int index = -1;
    for (std::size_t i = 0; i < katalog.size(); ++i)
      if (katalog[i].Gebietsname == name) index = static_cast<int>(i);
    if (index < 0) Fehler("Das Gebiet \"" + name + "\" gibt es nicht. \"kolvaro-cli gebiete\" listet alle Gebiete.");
    m_Konverter->EinstellungenUebernehmen([&] {
      Einstellungswerte werte;
      werte.Sortierung = m_Sortierung;
      werte.Wissenschaftlich = m_Wiss;
      werte.Stellen = m_Stellen;
      return werte;
    }());
    m_Konverter->LaenderlistenNeuAufbauen();
    m_Konverter->GebietWaehlen(index);
    if (auto geladen = m_Konverter->EinheitenLaden(); !geladen) Fehler(geladen.Fehler().Text);
  }

  // Without a name the list of tables; an unknown name is a usage error
  // that lists the names.
  int Tabelle(const std::vector<std::string>& argumente, const std::string& daten) {
    const std::vector<Text1252> namen = Tabellennamen();
    if (argumente.size() > 1) Nutzungsfehler("tabelle erwartet höchstens einen NAMEN.");
    if (argumente.empty()) {
      for (const Text1252& n : namen) m_Aus << Terminaltext(n) << "\n";
      return 0;
    }
    const auto name = Utf8NachCp1252(argumente[0]);
    if (!name || std::find(namen.begin(), namen.end(), *name) == namen.end()) {
      m_Fehler << "kolvaro-cli: Die Tabelle \"" << argumente[0] << "\" gibt es nicht. Tabellen:\n";
      for (const Text1252& n : namen) m_Fehler << "  " << Terminaltext(n) << "\n";
      throw Fehlerausgang{2};
    }
    auto text = TabelleAlsText(Verzeichnis(daten), *name);
    if (!text) Fehler(text.Fehler().Text);
    m_Aus << Terminaltext(*text);
    return 0;
  }

  // Every problem of the data directory on a line of its own, then the
  // summary; the directory need not load, since finding why it does not is
  // the point.
  int Pruefen(const std::vector<std::string>& argumente, const std::string& daten) {
    if (!argumente.empty()) Nutzungsfehler("pruefen erwartet keine weiteren Angaben.");
    Pruefbericht bericht;
    const fs::path verzeichnis = Verzeichnis(daten);
    DatenPruefen(verzeichnis, bericht);
    TabellenPruefen(verzeichnis, bericht);
    std::string zeilen;
    for (const auto& befund : bericht.Befunde) {
      TerminaltextAnhaengen(zeilen, BefundText(befund));
      zeilen += '\n';
    }
    TerminaltextAnhaengen(zeilen, PruefZusammenfassung(bericht));
    m_Aus << zeilen << "\n";
    return bericht.Befunde.empty() ? 0 : 1;
  }

  // The rates of one day of a rate file taken into the currency file, behind the password.
  int KurseEinlesenBefehl(const std::vector<std::string>& argumente, const std::string& daten) {
    std::optional<Tagesdatum> datum;
    std::vector<std::string> positionen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
      const auto& a = argumente[i];
      if (a == "--datum") {
        if (i + 1 == argumente.size() || !(datum = IsoDatumLesen(argumente[i + 1])))
          Nutzungsfehler("--datum braucht einen Tag JJJJ-MM-TT.");
        ++i;
      } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
        Nutzungsfehler("Unbekannte Option: " + a);
      } else {
        positionen.push_back(a);
      }
    }
    if (positionen.size() != 1 || positionen[0].empty()) Nutzungsfehler("kurse-einlesen erwartet genau eine DATEI.");
    const fs::path verzeichnis = Verzeichnis(daten);
    // The file first: a wrong one needs no password.
    const fs::path pfad = positionen[0];
    const auto datei = KursdateiLaden(pfad);
    if (!datei) Fehler(datei.Fehler().Text);
    const auto tag = KurstagWaehlen(*datei, pfad.filename().string(), datum);
    if (!tag) Fehler(tag.Fehler().Text);
    PasswortVerlangen(verzeichnis);
    const Kurseinlesung k = KurseEinlesen(verzeichnis, **tag);
    if (k.Ergebnis.Fehler) Fehler(k.Ergebnis.Fehler->Text);
    for (const Text1252& zeile : BerichtZeilen(k.Bericht)) m_Aus << Terminaltext(zeile) << "\n";
    return 0;
  }

  // Asks for the password where one is set, as the window does; a wrong or
  // missing one ends the run.
  void PasswortVerlangen(const fs::path& verzeichnis) {
    const auto gesetzt = PasswortGesetzt(verzeichnis);
    if (!gesetzt) Fehler(gesetzt.Fehler().Text);
    if (!*gesetzt) return;
    const auto eingabe = m_Umgebung.PasswortLesen ? m_Umgebung.PasswortLesen() : std::nullopt;
    if (!eingabe) Fehler(Cp1252("Diese Funktion ist nur mit Ihrem Passwort zugänglich; es wurde keines eingegeben."));
    // A character Windows-1252 cannot hold is in no password.
    const auto text = Utf8NachCp1252(*eingabe);
    const Resultat<bool> stimmt = text ? PasswortStimmt(verzeichnis, *text) : Resultat<bool>(false);
    if (!stimmt) Fehler(stimmt.Fehler().Text);
    if (!*stimmt) Fehler(FalschesPasswortMeldung().Text);
  }

  int Gebiete(const std::vector<std::string>& argumente) {
    if (!Optionen(argumente, false).empty()) Nutzungsfehler("gebiete erwartet keine weiteren Angaben.");
    for (const auto& g : m_Konverter->Katalog()) m_Aus << Terminaltext(g.Gebietsname) << "\n";
    return 0;
  }

  // Gebiet, units, countries; then the sums and the countries of the four
  // country categories together.
  int Bericht(const std::vector<std::string>& argumente) {
    if (!Optionen(argumente, false).empty()) Nutzungsfehler("bericht erwartet keine weiteren Angaben.");
    auto bericht = DatenberichtErstellen(m_Konverter->Verzeichnis());
    if (!bericht) Fehler(bericht.Fehler().Text);
    int einheiten = 0;
    std::set<Text1252> alleLaender, laenderGebiete;
    m_Aus << "Gebiet\tEinheiten\tLänder\n";
    for (const auto& b : *bericht) {
      m_Aus << Terminaltext(b.Gebietsname) << "\t" << b.Einheiten << "\t" << b.Laender.size() << "\n";
      einheiten += b.Einheiten;
      alleLaender.insert(b.Laender.begin(), b.Laender.end());
      if (gebiet::NachLandGefiltert(b.Gebietsname)) laenderGebiete.insert(b.Laender.begin(), b.Laender.end());
    }
    m_Aus << "Zusammen\t" << einheiten << "\t" << alleLaender.size() << "\n";
    m_Aus << Terminaltext(Cp1252("Länder in Länge, Fläche, Masse und Volumen\t\t")) << laenderGebiete.size() << "\n";
    return 0;
  }

  // The hits in the dialog's order, each with its category; a data file that
  // cannot be read ends the list with the message (the hits before it stay).
  int Suchen(const std::vector<std::string>& argumente) {
    Suchmodus modus = Suchmodus::Bestandteil;
    bool modusGesetzt = false;
    std::vector<std::string> positionen;
    for (const auto& a : argumente) {
      if (a == "--abkuerzung" || a == "--exakt") {
        if (modusGesetzt) Nutzungsfehler("suchen erlaubt nur eine der Optionen --abkuerzung und --exakt.");
        modus = a == "--exakt" ? Suchmodus::Exakt : Suchmodus::Abkuerzung;
        modusGesetzt = true;
      } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
        Nutzungsfehler("Unbekannte Option: " + a);
      } else {
        positionen.push_back(a);
      }
    }
    if (positionen.size() != 1 || positionen[0].empty()) Nutzungsfehler("suchen erwartet genau einen BEGRIFF.");
    // A character Windows-1252 cannot hold is in no data file.
    const auto begriff = Utf8NachCp1252(positionen[0]);
    if (!begriff) return 0;
    const auto& katalog = m_Konverter->Katalog();
    const Suchergebnis ergebnis = kolvaro::Suchen(m_Konverter->Verzeichnis(), katalog, *begriff, modus);
    for (const auto& t : ergebnis.Treffer)
      m_Aus << Terminaltext(katalog[static_cast<std::size_t>(t.Gebietsnummer - 1)].Gebietsname) << "\t"
            << Terminaltext(t.Ergebniszeile) << "\n";
    m_Aus.flush();
    if (ergebnis.Meldung) Fehler(ergebnis.Meldung->Text);
    return 0;
  }

  int Einheiten(const std::vector<std::string>& argumente) {
    auto positionen = Optionen(argumente, false);
    if (positionen.size() != 1) Nutzungsfehler("einheiten erwartet genau ein GEBIET.");
    GebietLaden(positionen[0]);
    for (const auto& e : m_Konverter->Einheiten())
      m_Aus << Terminaltext(e.Einheitenname) << "\t" << Terminaltext(e.Kurzzeichen) << "\t" << Terminaltext(e.Landname)
            << "\n";
    return 0;
  }

  int Umrechnen(const std::vector<std::string>& argumente) {
    auto positionen = Optionen(argumente, true);
    if (positionen.size() != 3) Nutzungsfehler("umrechnen erwartet GEBIET EINHEIT WERT.");
    const Rechenergebnis ergebnis = Rechnen(positionen);
    const auto& einheiten = m_Konverter->Einheiten();
    // The rows are put together first and written at once.
    std::string zeilen;
    for (std::size_t i = 0; i < einheiten.size(); ++i) {
      TerminaltextAnhaengen(zeilen, m_Konverter->AngezeigtesErgebnis(static_cast<int>(i)));
      zeilen += '\t';
      TerminaltextAnhaengen(zeilen, einheiten[i].Einheitenname);
      zeilen += '\t';
      TerminaltextAnhaengen(zeilen, einheiten[i].Landname);
      zeilen += '\n';
    }
    m_Aus << zeilen;
    return Nachgemeldet(ergebnis);
  }

  // The value split over the units ZIELE names, largest first: "5 ft 3 in".
  int Zerlegen(const std::vector<std::string>& argumente) {
    auto positionen = Optionen(argumente, false);
    if (positionen.size() != 4) Nutzungsfehler("zerlegen erwartet GEBIET EINHEIT WERT ZIELE.");
    const Rechenergebnis ergebnis = Rechnen(positionen);
    const auto basis = m_Konverter->Basiswert();
    if (!basis) Fehler("Im Gebiet \"" + m_Konverter->Gebietsname() + "\" lassen sich Werte nicht zerlegen.");
    std::vector<Zerlegungsteil> teile;
    for (const auto& [zeichen, zeile] : Einheitenliste(positionen[3]))
      teile.push_back({m_Konverter->Einheiten()[static_cast<std::size_t>(zeile)].Faktor, zeichen});
    m_Aus << Terminaltext(ZerlegungText(*basis, teile)) << "\n";
    return Nachgemeldet(ergebnis);
  }

  // The units a comma list names by symbol or name, each with the text
  // that named it and its row; a name the category lacks ends the run.
  std::vector<std::pair<Text1252, int>> Einheitenliste(const std::string& liste) {
    std::vector<std::pair<Text1252, int>> einheiten;
    const auto& alle = m_Konverter->Einheiten();
    for (std::size_t anfang = 0; anfang <= liste.size();) {
      const std::size_t ende = std::min(liste.find(',', anfang), liste.size());
      const Text1252 zeichen = NachCp1252(std::string(Getrimmt(liste.substr(anfang, ende - anfang))), "Die Einheit");
      const auto einheit = EinheitNachZeichen(zeichen.Sicht(), alle, m_Konverter->Gebietsname());
      if (!einheit) Fehler(einheit.Fehler().Text);
      einheiten.emplace_back(zeichen, static_cast<int>(*einheit - alle.data()));
      anfang = ende + 1;
    }
    return einheiten;
  }

  // One line per value: the value, then its result in every target unit.
  int TabelleRechnen(const std::vector<std::string>& argumente) {
    auto positionen = Optionen(argumente, true);
    if (positionen.size() != 6) Nutzungsfehler("umrechnungstabelle erwartet GEBIET VON NACH START ENDE SCHRITT.");
    GebietLaden(positionen[0]);
    const Text1252& gebiet = m_Konverter->Gebietsname();
    if (SonderroutineFuer(gebiet)) Fehler(KeineUmrechnungstabelle(gebiet));
    const int von = Einheitenliste(positionen[1]).at(0).second;
    std::vector<int> nach;
    for (const auto& ziel : Einheitenliste(positionen[2])) nach.push_back(ziel.second);
    const Rechenergebnis tabelle = UmrechnungstabelleBerechnen(
        m_Konverter->Einheiten(), von, nach, NachCp1252(positionen[3], "Der Start"),
        NachCp1252(positionen[4], "Das Ende"), NachCp1252(positionen[5], "Die Schrittweite"), m_Stellen);
    if (tabelle.Fehler) Fehler(tabelle.Fehler->Text);
    std::string zeilen;
    for (const Text1252& z : tabelle.Werte) {
      TerminaltextAnhaengen(zeilen, z);
      zeilen += '\n';
    }
    m_Aus << zeilen;
    return 0;
  }

  int Zeitzonen(const std::vector<std::string>& argumente) {
    return ZeitzonenbefehlAusfuehren(
        argumente, {[this]() -> const std::vector<TAusgabetextobject>& {
                      GebietLaden(Cp1252NachUtf8(gebiet::Zeitzonen));
                      return m_Konverter->Einheiten();
                    },
                    m_Aus, m_Fehler, [this](const std::string& text) -> int { Nutzungsfehler(text); }});
  }

  // Notes the window shows beside the results come after them. Every note
  // says that the rows are not simply the value asked for (a numeral
  // written wrongly, a value raised to the scale's lowest, units of a
  // damaged data file): a script must not take them for a whole result.
  int Nachgemeldet(const Rechenergebnis& ergebnis) {
    m_Aus.flush();
    for (const auto* meldungen : {&ergebnis.Vorher, &ergebnis.Nachher})
      for (const auto& m : *meldungen) m_Fehler << Terminaltext(m.Text) << "\n";
    return ergebnis.Vorher.empty() && ergebnis.Nachher.empty() ? 0 : 1;
  }

  // GEBIET EINHEIT WERT converted; what goes wrong ends the run.
  Rechenergebnis Rechnen(const std::vector<std::string>& positionen) {
    GebietLaden(positionen[0]);
    const Text1252 einheit = NachCp1252(positionen[1], "Der Einheitenname");
    const Text1252 wert = NachCp1252(positionen[2], "Der Wert");
    auto treffer = m_Konverter->EinheitFinden(einheit, m_Land);
    if (treffer.empty())
      Fehler("Die Einheit \"" + einheit + "\"" + (m_Land.empty() ? Text1252() : " (" + m_Land + ")") +
             " gibt es im Gebiet \"" + m_Konverter->Gebietsname() + "\" nicht.");
    if (treffer.size() > 1) {
      m_Fehler << Terminaltext("Mehrere Einheiten heißen \"" + einheit + "\"; bitte mit --land eine wählen:") << "\n";
      for (int i : treffer) {
        const auto& e = m_Konverter->Einheiten()[i];
        m_Fehler << Terminaltext(e.Einheitenname) << "\t" << Terminaltext(e.Landname) << "\n";
      }
      throw Fehlerausgang{2};
    }
    bool unbeantwortet = false;
    const Rueckfrage frage = [&](const Text1252& text) {
      if (m_Leichter < 0) {
        m_Fehler << Terminaltext(text) << "\n"
                 << Terminaltext(Cp1252("Bitte mit --leichter oder --schwerer beantworten.")) << "\n";
        unbeantwortet = true;
        return FrageAntwort::Abbrechen;
      }
      return m_Leichter ? FrageAntwort::Ja : FrageAntwort::Nein;
    };
    const Rechenergebnis ergebnis = m_Konverter->Umrechnen(wert, treffer.front(), frage);
    if (unbeantwortet) throw Fehlerausgang{2};
    if (ergebnis.Fehler) {
      for (const auto& m : ergebnis.Vorher) m_Fehler << Terminaltext(m.Text) << "\n";
      Fehler(ergebnis.Fehler->Text);
    }
    if (!ergebnis.Erfolg) Fehler(Cp1252("Die Umrechnung wurde abgebrochen."));
    return ergebnis;
  }

  const Umgebung& m_Umgebung;
  std::ostream& m_Aus;
  std::ostream& m_Fehler;
  std::unique_ptr<Konverter> m_Konverter;
  Sortiermodus m_Sortierung = Sortiermodus::Alphabet;
  bool m_Wiss = false;
  int m_Stellen = 0;    // significant digits of the float text; 0: by magnitude
  int m_Leichter = -1;  // the answer to the hydrometer question: -1 none, 1 lighter, 0 heavier
  Text1252 m_Land;
};

}  // namespace

int Ausfuehren(const std::vector<std::string>& argumente, const Umgebung& umgebung, std::ostream& aus,
               std::ostream& fehler) {
  return Lauf(umgebung, aus, fehler).Ausfuehren(argumente);
}

namespace {

std::optional<std::string> PasswortVonEingabe() {
  std::string zeile;
  // At a terminal the typed password is not shown; piped in, it is one line.
  const bool terminal = ::isatty(STDIN_FILENO) == 1;
  termios vorher{};
  bool verdeckt = false;
  if (terminal) {
    std::cerr << "Passwort: " << std::flush;
    if (::tcgetattr(STDIN_FILENO, &vorher) == 0) {
      termios ohneEcho = vorher;
      ohneEcho.c_lflag &= ~static_cast<tcflag_t>(ECHO);
      verdeckt = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &ohneEcho) == 0;
    }
  }
  const bool gelesen = static_cast<bool>(std::getline(std::cin, zeile));
  if (verdeckt) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &vorher);
  if (terminal) std::cerr << "\n";
  if (!gelesen) return std::nullopt;
  if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
  return zeile;
}

}  // namespace

Umgebung StandardUmgebung() {
  Umgebung u;
  std::error_code ec;
  u.Aktuell = fs::current_path(ec);
  // The same directory as the desktop program's per-user data.
  u.Benutzerdaten = BenutzerdatenOrt(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), u.Aktuell);
  auto programm = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) u.Installiert = InstallierteDaten(programm.parent_path());
  u.PasswortLesen = [] { return PasswortVonEingabe(); };
  return u;
}

}  // namespace kolvaro::cli
