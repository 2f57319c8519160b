// Adding and deleting categories, purging hidden units.
#include "editing/Gebietsverwaltung.h"

#include <system_error>

#include "basis/Alphabet.h"
#include "basis/Gebietsnamen.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Eingabepruefung.h"
#include "editing/Einheitenzeile.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

const char* const kEndung = ".DAT";

// The spellings of upper-case Windows-1252 letters with plain letters.
std::string_view Umschrift(unsigned char c) {
  switch (c) {
    case 0xC4:
      return "AE";  // Ä
    case 0xD6:
      return "OE";  // Ö
    case 0xDC:
      return "UE";  // Ü
    case 0xDF:
      return "SS";  // ß
    case 0xC6:
      return "AE";  // Æ
    case 0x8C:
      return "OE";  // Œ
    case 0xC7:
      return "C";
    case 0xD1:
      return "N";
    case 0xDD:
    case 0x9F:
      return "Y";
    case 0x8A:
      return "S";  // Š
    case 0x8E:
      return "Z";  // Ž
    default:
      break;
  }
  if (c >= 0xC0 && c <= 0xC5) return "A";
  if (c >= 0xC8 && c <= 0xCB) return "E";
  if (c >= 0xCC && c <= 0xCF) return "I";
  if ((c >= 0xD2 && c <= 0xD5) || c == 0xD8) return "O";
  if (c >= 0xD9 && c <= 0xDB) return "U";
  return {};
}

// A file of this name exists in the directory, whatever the case of its
// letters: the data directory may be copied to a system that ignores case,
// where LAENGE.DAT and laenge.DAT are the same file.
bool DateiVorhanden(const fs::path& verzeichnis, const std::string& dateiname) {
  if (DateiExistiert(verzeichnis / dateiname)) return true;
  const std::string gesucht = GrossCp1252(dateiname);
  std::error_code fehler;
  for (fs::directory_iterator it(verzeichnis, fehler), ende; !fehler && it != ende; it.increment(fehler))
    if (GrossCp1252(it->path().filename().string()) == gesucht) return true;
  return false;
}

// The block as it was typed: the memo's line ends may come as LF alone.
std::string MitCrLf(std::string_view text) {
  std::string ziel;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\r' || text[i] == '\n') {
      ziel += "\r\n";
      continue;
    }
    ziel += text[i];
  }
  return ziel;
}

bool Leer(std::string_view text) { return Getrimmt(text).empty(); }

// Puts a file back as it was; used when a later write of the same change
// failed. A failure here cannot be helped any more.
void Zurueckschreiben(const fs::path& pfad, const std::string& inhalt) { (void)SchreibeAtomarRoh(pfad, inhalt); }

void Entfernen(const fs::path& pfad) {
  std::error_code ignoriert;
  fs::remove(pfad, ignoriert);
}

}  // namespace

// ------------------------------------------------------------- the files

Resultat<> KatalogSchreiben(const fs::path& verzeichnis, const std::vector<Gebietseintrag>& katalog) {
  std::vector<std::string> zeilen;
  zeilen.reserve(katalog.size());
  for (const auto& e : katalog)
    zeilen.push_back(e.Gebietsname.Bytes() + '\t' + e.Datendatei + '\t' + e.Bezugseinheit.Bytes());
  return SchreibeAtomar(verzeichnis / kKatalogDatei, zeilen);
}

std::vector<std::string> InfoBloecke(const std::string& infotext, std::size_t anzahl) {
  std::vector<std::string> bloecke;
  bloecke.reserve(anzahl);
  for (std::size_t k = 1; k <= anzahl; ++k) {
    std::string block = GebietsInfotext(infotext, static_cast<int>(k)).Bytes();
    // Each piece ends with the CR LF before its "*" and, from the second on,
    // begins with the one after the previous "*".
    if (k > 1 && block.compare(0, 2, "\r\n") == 0) block.erase(0, 2);
    if (block.size() >= 2 && block.compare(block.size() - 2, 2, "\r\n") == 0) block.erase(block.size() - 2);
    bloecke.push_back(std::move(block));
  }
  return bloecke;
}

Resultat<> InfotexteSchreiben(const fs::path& verzeichnis, const std::vector<std::string>& bloecke) {
  std::vector<std::string> zeilen;
  zeilen.reserve(bloecke.size() * 2);
  for (const auto& block : bloecke) {
    zeilen.push_back(block);
    zeilen.emplace_back("*");
  }
  return SchreibeAtomar(verzeichnis / kInfotextDatei, zeilen);
}

// ---------------------------------------------------------- new category

Text1252 DateinameVorschlagen(const Text1252& gebietsname) {
  std::string vorschlag;
  for (char ch : GrossCp1252(gebietsname.Sicht())) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-')
      vorschlag += ch;
    else
      vorschlag += Umschrift(c);
  }
  if (vorschlag.size() > 8) vorschlag.resize(8);
  // CON, NUL, COM1 ...: a device name is no file name, one more character makes it one.
  if (!vorschlag.empty() && !DateinamePruefen(vorschlag)) {
    if (vorschlag.size() == 8) vorschlag.pop_back();
    vorschlag += '_';
  }
  return Text1252(std::move(vorschlag));
}

int Einfuegeposition(const std::vector<Gebietseintrag>& katalog, const Text1252& gebietsname) {
  // After the names that share its place: a second "Masse" goes below the first.
  for (std::size_t i = 0; i < katalog.size(); ++i)
    if (AlphabetischVergleichen(katalog[i].Gebietsname.Sicht(), gebietsname.Sicht()) > 0) return static_cast<int>(i);
  return static_cast<int>(katalog.size());
}

Rechenergebnis GebietAnlegen(const fs::path& verzeichnis, const NeuesGebiet& neu) {
  Rechenergebnis ergebnis;
  auto ablehnen = [&ergebnis](Meldung meldung, Eingabefeld feld) {
    if (ergebnis.Fehler) ergebnis.Vorher.push_back(std::move(*ergebnis.Fehler));
    ergebnis.Fehler = std::move(meldung);
    ergebnis.Feld = feld;
    ergebnis.FokusDanach = Fokus::FokusUndMarkieren;
  };
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return Abgebrochen(katalog.Fehler());
  auto infotext = DateiInhalt(verzeichnis / kInfotextDatei);
  if (!infotext) return Abgebrochen(infotext.Fehler());

  // Every check runs, so that the user learns of all faults at once.
  const Meldung fehlt{Meldungsart::Schlicht, "Fehlende Angabe im Editierfeld!"};
  if (Leer(neu.Gebietsname.Sicht())) ablehnen(fehlt, Eingabefeld::Gebietsname);
  if (Leer(neu.Grundeinheit.Sicht())) ablehnen(fehlt, Eingabefeld::Grundeinheit);
  if (neu.Dateiname.empty()) {
    ablehnen(fehlt, Eingabefeld::Dateiname);
  } else if (auto gueltig = DateinamePruefen(neu.Dateiname.Sicht()); !gueltig) {
    ablehnen(gueltig.Fehler(), Eingabefeld::Dateiname);
  } else {
    const std::string dateiname = neu.Dateiname.Bytes() + kEndung;
    bool vergeben = DateiVorhanden(verzeichnis, dateiname);
    for (const auto& e : *katalog) vergeben = vergeben || GrossCp1252(e.Datendatei) == GrossCp1252(dateiname);
    if (vergeben)
      ablehnen({Meldungsart::Schlicht, "Der Dateiname ist schon vorhanden, bitte " + Cp1252("ändern!")},
               Eingabefeld::Dateiname);
  }
  for (const auto& e : *katalog)
    if (e.Gebietsname == neu.Gebietsname) {
      ablehnen({Meldungsart::Schlicht, "Der Name des Gebietes ist schon vorhanden, bitte " + Cp1252("ändern!")},
               Eingabefeld::Gebietsname);
      break;
    }
  // What would break the files: TABs, line breaks, the bytes the cipher
  // cannot carry, and "*" wherever it ends up in Gebiet.nfo.
  const struct {
    const Text1252& text;
    const char* feldname;
    Eingabefeld feld;
    Feldart art;
  } felder[] = {
      {neu.Gebietsname, "Name des neuen Gebietes", Eingabefeld::Gebietsname, Feldart::Zeilenfeld},
      {neu.Gebietsname, "Name des neuen Gebietes", Eingabefeld::Gebietsname, Feldart::Infotext},
      {neu.Grundeinheit, "Name der Grundeinheit", Eingabefeld::Grundeinheit, Feldart::Zeilenfeld},
      {neu.Kurzzeichen, "Kurzzeichen der Grundeinheit", Eingabefeld::Kurzzeichen, Feldart::Zeilenfeld},
      {neu.SonstigeNamen, "Weiterer Namen", Eingabefeld::SonstigeNamen, Feldart::Zeilenfeld},
      {neu.Einsatzgebiet, "Einsatzgebiet", Eingabefeld::Einsatzgebiet, Feldart::Zeilenfeld},
      {neu.Landname, "Land der Grundeinheit", Eingabefeld::Keines, Feldart::Zeilenfeld},
  };
  Eingabefeld zuletzt = Eingabefeld::Keines;
  for (const auto& f : felder) {
    if (f.feld != Eingabefeld::Keines && f.feld == zuletzt) continue;  // one message per field
    if (auto ok = FeldPruefen(f.text.Sicht(), f.feldname, f.art); !ok) {
      ablehnen(ok.Fehler(), f.feld);
      zuletzt = f.feld;
    }
  }
  const std::string information = MitCrLf(neu.Information.Bytes());
  if (auto ok = FeldPruefen(information, "Information zum neuen Gebiet", Feldart::Infotext); !ok)
    ablehnen(ok.Fehler(), Eingabefeld::Information);
  if (ergebnis.Fehler) return ergebnis;

  // The new entry, its block at the same position.
  const int position = Einfuegeposition(*katalog, neu.Gebietsname);
  std::vector<std::string> bloecke = InfoBloecke(*infotext, katalog->size());
  std::string text = information;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  if (text.empty()) text = "Keine Angaben vorhanden.";
  bloecke.insert(bloecke.begin() + position, neu.Gebietsname.Bytes() + ": \r\n" + text);
  const std::string datendatei = neu.Dateiname.Bytes() + kEndung;
  katalog->insert(katalog->begin() + position, Gebietseintrag{neu.Gebietsname, datendatei, neu.Grundeinheit});

  Einheitenfelder grundeinheit;
  grundeinheit.Landname = neu.Landname.Bytes();
  grundeinheit.Kurzzeichen = neu.Kurzzeichen.Bytes();
  grundeinheit.Einheitenname = neu.Grundeinheit.Bytes();
  grundeinheit.Faktor = "1";
  grundeinheit.SonstigeNamen = neu.SonstigeNamen.Bytes();
  grundeinheit.Einsatzgebiet = neu.Einsatzgebiet.Bytes();

  // The data file first: until the catalogue names it, it is unused. The
  // catalogue last: before it is written, the old blocks are put back.
  const fs::path datenpfad = verzeichnis / datendatei;
  if (auto ok = SchreibeAtomar(datenpfad, {LinieVerschluesseln(ZeileBauen(grundeinheit), 1)}); !ok)
    return Abgebrochen(ok.Fehler());
  if (auto ok = InfotexteSchreiben(verzeichnis, bloecke); !ok) {
    Entfernen(datenpfad);
    return Abgebrochen(ok.Fehler());
  }
  if (auto ok = KatalogSchreiben(verzeichnis, *katalog); !ok) {
    Zurueckschreiben(verzeichnis / kInfotextDatei, *infotext);
    Entfernen(datenpfad);
    return Abgebrochen(ok.Fehler());
  }
  return Erledigt();
}

// -------------------------------------------------------------- deleting

Text1252 GebietLoeschenFrage(const Text1252& gebietsname) {
  return "Soll das Gebiet \"" + gebietsname + "\" wirklich gelöscht werden?";
}

Rechenergebnis GebietLoeschen(const fs::path& verzeichnis, const Text1252& gebietsname, const Rueckfrage& frage) {
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return Abgebrochen(katalog.Fehler());
  auto infotext = DateiInhalt(verzeichnis / kInfotextDatei);
  if (!infotext) return Abgebrochen(infotext.Fehler());
  std::size_t index = 0;
  while (index < katalog->size() && (*katalog)[index].Gebietsname != gebietsname) ++index;
  if (index == katalog->size())
    return Abgebrochen(InfoMeldung("Das Gebiet \"" + gebietsname + "\" ist nicht mehr im Gebietsverzeichnis."));
  if (katalog->size() == 1)
    return Abgebrochen(
        InfoMeldung(Cp1252("Das letzte Gebiet kann nicht gelöscht werden: ohne Gebiet kann Kolvaro nicht "
                           "rechnen. Bitte zuerst ein neues Gebiet einfügen.")));
  if (!frage || frage(GebietLoeschenFrage(gebietsname)) != FrageAntwort::Ja) return Abgebrochen();

  std::vector<std::string> bloecke = InfoBloecke(*infotext, katalog->size());
  bloecke.erase(bloecke.begin() + static_cast<std::ptrdiff_t>(index));
  const std::string datendatei = (*katalog)[index].Datendatei;
  katalog->erase(katalog->begin() + static_cast<std::ptrdiff_t>(index));

  // Blocks first, catalogue second (the old blocks go back if it fails);
  // the data file goes last, once nothing names it any more.
  if (auto ok = InfotexteSchreiben(verzeichnis, bloecke); !ok) return Abgebrochen(ok.Fehler());
  if (auto ok = KatalogSchreiben(verzeichnis, *katalog); !ok) {
    Zurueckschreiben(verzeichnis / kInfotextDatei, *infotext);
    return Abgebrochen(ok.Fehler());
  }
  Rechenergebnis r = Erledigt();
  // Another entry may share the file (a hand-edited catalogue): it stays then.
  bool geteilt = false;
  for (const auto& e : *katalog) geteilt = geteilt || GrossCp1252(e.Datendatei) == GrossCp1252(datendatei);
  if (!geteilt && EinfacherDateiname(datendatei)) {
    std::error_code fehler;
    fs::remove(verzeichnis / datendatei, fehler);
    if (fehler)
      r.Nachher.push_back(InfoMeldung("Das Gebiet ist gelöscht, die Datei " + Text1252(datendatei) +
                                      " konnte aber nicht gelöscht werden."));
  }
  return r;
}

Rechenergebnis AusgeblendeteEinheitenLoeschen(const fs::path& verzeichnis, const Text1252& gebietsname,
                                              std::string_view datendatei, const Rueckfrage& frage) {
  if (datendatei.empty()) return Abgebrochen();
  if (gebiet::Zeilengebunden(gebietsname))
    return Abgebrochen(InfoMeldung("Beim Gebiet \"" + gebietsname + "\" können keine Einheiten gelöscht werden!"));
  const Text1252 text = "Sollen die ausgeblendeten Einheiten des Gebietes \"" + gebietsname +
                        "\" wirklich aus der Datendatei gelöscht werden?";
  if (!frage || frage(text) != FrageAntwort::Ja) return Abgebrochen();

  const fs::path pfad = verzeichnis / std::string(datendatei);
  if (!DateiExistiert(pfad)) return Abgebrochen(NichtGeschriebenMeldung(std::string(datendatei)));
  std::vector<std::string> behalten;
  auto gelesen = GeheimdateiDurchlaufen(pfad, {}, [&](std::string_view klartext, std::size_t) {
    if (Feld(klartext, '\t', feld::Sichtbar) == "j") behalten.push_back(LinieVerschluesseln(klartext, 1));
    return true;
  });
  if (!gelesen) return Abgebrochen(gelesen.Fehler());
  if (auto ok = SchreibeAtomar(pfad, behalten); !ok) return Abgebrochen(ok.Fehler());
  Rechenergebnis r = Erledigt();
  r.Nachher.push_back(InfoMeldung(Cp1252("Die ausgeblendeten Einheiten sind gelöscht!")));
  r.GebietNeuLaden = true;
  return r;
}

}  // namespace kolvaro
