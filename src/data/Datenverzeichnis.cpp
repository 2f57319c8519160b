// Choosing and filling the data directory.
#include "data/Datenverzeichnis.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <set>
#include <system_error>

#include "basis/Texte.h"
#include "basis/Zeichensatz.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

// What went wrong, said in German: the system's own texts are English.
std::string Ursache(int fehler) {
  switch (fehler) {
    case ENOSPC:
      return "Auf dem Datenträger ist kein Platz mehr";
    case EDQUOT:
      return "Das Speicherkontingent ist erschöpft";
    case EFBIG:
      return "Die Datei ist größer, als das System erlaubt";
    case EACCES:
    case EPERM:
      return "Keine Berechtigung";
    case EROFS:
      return "Der Datenträger ist schreibgeschützt";
    case ENOENT:
      return "Die Datei wurde nicht gefunden";
    case ENOTDIR:
      return "Ein Teil des Pfades ist kein Verzeichnis";
    case EISDIR:
      return "Ein Verzeichnis steht an ihrer Stelle";
    case EIO:
      return "Ein- oder Ausgabefehler des Datenträgers";
    case EMFILE:
    case ENFILE:
      return "Zu viele offene Dateien";
    default:
      return "Systemfehler " + std::to_string(fehler);
  }
}

// A failure while copying: which file (empty: the directory), and errno.
struct Kopierfehler {
  std::string Datei;
  int Nummer = 0;
};

int Fehlernummer(const std::error_code& fehler) { return fehler ? fehler.value() : EIO; }

// Temporary copies beside the target: its name, ".neu" and six characters.
std::string Zwischenname(const fs::path& ziel) { return ziel.filename().string() + ".neu"; }

// Removes what a first start that was killed while copying left beside the
// target (older than a minute: another start may be copying right now).
void VerwaisteKopienEntfernen(const fs::path& ziel) {
  const std::string muster = Zwischenname(ziel);
  const auto grenze = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code fehler;
  for (fs::directory_iterator it(ziel.parent_path(), fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    const std::string name = it->path().filename().string();
    std::error_code einzeln;
    if (name.size() != muster.size() + 6 || name.compare(0, muster.size(), muster) != 0 || !it->is_directory(einzeln) ||
        it->is_symlink(einzeln))
      continue;
    if (it->last_write_time(einzeln) < grenze && !einzeln) fs::remove_all(it->path(), einzeln);
  }
}

// A place for a directory that stands where the copy goes but was never
// complete: nothing in it is thrown away.
fs::path Ausweichname(const fs::path& ziel) {
  for (int i = 1;; ++i) {
    fs::path frei = ziel;
    frei += i == 1 ? std::string(" (unvollständig)") : " (unvollständig " + std::to_string(i) + ")";
    std::error_code fehler;
    if (!fs::exists(fs::symlink_status(frei, fehler))) return frei;
  }
}

// Copies the installed data into a new directory beside the target, checks
// each file, and only then puts the directory in the target's place with
// one rename: the user's directory is complete or not there at all.
std::optional<Kopierfehler> DatenKopieren(const fs::path& quelle, const fs::path& ziel) {
  std::error_code fehler;
  fs::create_directories(ziel.parent_path(), fehler);
  if (fehler) return Kopierfehler{{}, Fehlernummer(fehler)};
  VerwaisteKopienEntfernen(ziel);
  std::string vorlage = (ziel.parent_path() / (Zwischenname(ziel) + "XXXXXX")).string();
  if (!::mkdtemp(vorlage.data())) return Kopierfehler{{}, errno};
  // mkdtemp makes it private to the user, as a directory with a password
  // file should be.
  const fs::path temp = vorlage;
  auto scheitern = [&temp](Kopierfehler f) {
    std::error_code ignoriert;
    fs::remove_all(temp, ignoriert);
    return std::optional<Kopierfehler>(std::move(f));
  };

  fs::directory_iterator eintrag(quelle, fehler);
  if (fehler) return scheitern({{}, Fehlernummer(fehler)});
  for (; eintrag != fs::directory_iterator(); eintrag.increment(fehler)) {
    const fs::path& datei = eintrag->path();
    std::error_code art;
    if (!eintrag->is_regular_file(art) || IstZwischendateiname(datei.filename().string())) continue;
    if (const int nummer = DateiKopieren(datei, temp / datei.filename()))
      return scheitern({datei.filename().string(), nummer});
  }
  // A listing cut short would leave files out without a word.
  if (fehler) return scheitern({{}, Fehlernummer(fehler)});
  if (!DateiExistiert(temp / kKatalogDatei)) return scheitern({kKatalogDatei, ENOENT});

  // Another start may have finished its copy meanwhile: that one is used.
  if (DateiExistiert(ziel / kKatalogDatei)) {
    fs::remove_all(temp, fehler);
    return std::nullopt;
  }
  // A directory without a catalogue may stand there (a copy of an older
  // version that failed): it moves aside, never away.
  if (fs::exists(fs::symlink_status(ziel, fehler))) {
    if (fs::is_directory(fs::symlink_status(ziel, fehler)) && fs::is_empty(ziel, fehler))
      fs::remove(ziel, fehler);
    else
      fs::rename(ziel, Ausweichname(ziel), fehler);
    if (fehler) return scheitern({{}, Fehlernummer(fehler)});
  }
  fs::rename(temp, ziel, fehler);
  if (fehler) return scheitern({{}, Fehlernummer(fehler)});
  return std::nullopt;
}

// The data files and tables are files of lines: the program ships and
// writes every one of them with a line break at its end.
bool Zeilendatei(const std::string& name) {
  const auto punkt = name.rfind('.');
  if (punkt == std::string::npos) return false;
  const std::string endung = GrossCp1252(name.substr(punkt));
  return endung == ".DAT" || endung == ".NFO";
}

enum class Kopie { Fehlt, Abgeschnitten, Da };

// One open and at most one byte read: this runs for every file at every start.
Kopie KopiePruefen(const fs::path& pfad, bool zeilen) {
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
  // A file that is there but cannot be read is named by its reader.
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? Kopie::Fehlt : Kopie::Da;
  struct stat angaben {};
  Kopie ergebnis = Kopie::Da;
  char letztes = '\n';
  if (::fstat(fd, &angaben) != 0 || !S_ISREG(angaben.st_mode))
    ergebnis = Kopie::Fehlt;
  else if (zeilen && angaben.st_size > 0 && ::pread(fd, &letztes, 1, angaben.st_size - 1) == 1 && letztes != '\n')
    ergebnis = Kopie::Abgeschnitten;
  ::close(fd);
  return ergebnis;
}

Text1252 Wiederherstellen(const fs::path& benutzerdaten, const fs::path& quelle, const std::string& datei) {
  return Cp1252(" Um die installierte Fassung zurückzuholen, die Datei ") + Text1252(datei) + " aus " +
         Cp1252(quelle.string()) + Cp1252(" in dieses Verzeichnis kopieren, oder das Verzeichnis ") +
         Cp1252(benutzerdaten.string()) +
         Cp1252(
             " löschen: dann kopiert Kolvaro beim nächsten Start alle installierten Daten neu (eigene "
             "Einheiten und Gebiete, geänderte Faktoren und das Passwort gehen dabei verloren).");
}

// The user's copy of the installed data must be whole: every file of the
// installed data is there (but the data files of categories the user has
// deleted, and the password file), and no data file was cut inside a line.
Resultat<> BenutzerdatenPruefen(const fs::path& benutzerdaten, const fs::path& quelle) {
  // Which data files the user may have deleted with their categories: read
  // only when a file is missing, which is seldom.
  std::optional<std::set<std::string>> geloeschtErlaubt;
  auto geloescht = [&](const std::string& name) -> Resultat<bool> {
    if (!geloeschtErlaubt) {
      auto eigen = KatalogLaden(benutzerdaten);
      if (!eigen) return eigen.Fehler();
      geloeschtErlaubt.emplace();
      if (auto installiert = KatalogLaden(quelle))
        for (const auto& e : *installiert) geloeschtErlaubt->insert(GrossCp1252(e.Datendatei));
      for (const auto& e : *eigen) geloeschtErlaubt->erase(GrossCp1252(e.Datendatei));
    }
    return geloeschtErlaubt->count(GrossCp1252(name)) > 0;
  };

  std::error_code fehler;
  for (fs::directory_iterator it(quelle, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    std::error_code art;
    const std::string name = it->path().filename().string();
    if (!it->is_regular_file(art) || IstZwischendateiname(name)) continue;
    switch (KopiePruefen(benutzerdaten / name, Zeilendatei(name))) {
      case Kopie::Da:
        break;
      case Kopie::Fehlt: {
        // The password file is made by the first start, if the user wants one.
        if (name == kPasswortdatei) break;
        auto erlaubt = geloescht(name);
        if (!erlaubt) return erlaubt.Fehler();
        if (*erlaubt) break;
        return FehlerMeldung("Im Datenverzeichnis " + Cp1252(benutzerdaten.string()) + " fehlt die Datei " +
                             Text1252(name) + "." + Wiederherstellen(benutzerdaten, quelle, name));
      }
      case Kopie::Abgeschnitten:
        return FehlerMeldung("Die Datei " + Text1252(name) + " im Datenverzeichnis " + Cp1252(benutzerdaten.string()) +
                             Cp1252(" ist abgeschnitten: ihre letzte Zeile endet ohne Zeilenumbruch.") +
                             Wiederherstellen(benutzerdaten, quelle, name));
    }
  }
  return {};
}

// Puts an earlier version's directory in the place of today's, whole: one
// rename in the same parent directory.
Resultat<> AltesVerzeichnisUebernehmen(const fs::path& alt, const fs::path& neu) {
  std::error_code fehler;
  if (fs::exists(fs::symlink_status(neu, fehler))) {
    if (fs::is_directory(fs::symlink_status(neu, fehler)) && fs::is_empty(neu, fehler))
      fs::remove(neu, fehler);
    else
      fs::rename(neu, Ausweichname(neu), fehler);
  }
  if (!fehler) fs::rename(alt, neu, fehler);
  if (!fehler) return {};
  return FehlerMeldung("Das Datenverzeichnis " + Cp1252(alt.string()) + " konnte nicht nach " + Cp1252(neu.string()) +
                       " verschoben werden: " + Cp1252(Ursache(Fehlernummer(fehler))) +
                       Cp1252(". Es bleibt, wo es ist, mit allen Daten; bitte es von Hand umbenennen und Kolvaro "
                              "neu starten."));
}

}  // namespace

fs::path BenutzerdatenOrt(const char* xdgDatenHeim, const char* heim, const fs::path& aktuell) {
  fs::path datenHeim;
  if (xdgDatenHeim && *xdgDatenHeim)
    datenHeim = xdgDatenHeim;
  else if (heim && *heim)
    datenHeim = fs::path(heim) / ".local" / "share";
  else
    datenHeim = aktuell;
  // A relative setting means the same place after the window program has
  // changed its current directory.
  if (datenHeim.is_relative()) datenHeim = aktuell / datenHeim;
  return (datenHeim / std::string(texte::kHersteller) / std::string(texte::kProgramm)).lexically_normal();
}

Resultat<fs::path> DatenverzeichnisWaehlen(const fs::path& aktuell, const fs::path& benutzerdatenAngabe,
                                           const std::vector<fs::path>& installiert) {
  if (DateiExistiert(aktuell / kKatalogDatei)) return aktuell;
  std::error_code ignoriert;
  const fs::path benutzerdaten = fs::absolute(benutzerdatenAngabe, ignoriert).lexically_normal();
  const fs::path alt = benutzerdaten.parent_path() / std::string(texte::kAlteBenutzerdaten);
  if (!DateiExistiert(benutzerdaten / kKatalogDatei) && alt != benutzerdaten && DateiExistiert(alt / kKatalogDatei))
    if (auto uebernommen = AltesVerzeichnisUebernehmen(alt, benutzerdaten); !uebernommen) return uebernommen.Fehler();
  const fs::path* quelle = nullptr;
  for (const auto& kandidat : installiert)
    if (DateiExistiert(kandidat / kKatalogDatei)) {
      quelle = &kandidat;
      break;
    }
  if (DateiExistiert(benutzerdaten / kKatalogDatei)) {
    if (quelle)
      if (auto ganz = BenutzerdatenPruefen(benutzerdaten, *quelle); !ganz) return ganz.Fehler();
    return benutzerdaten;
  }
  if (!quelle)
    return FehlerMeldung(
        Cp1252("Die Datendateien von Kolvaro wurden nicht gefunden. Bitte Kolvaro im "
               "Datenverzeichnis starten oder neu installieren."));
  if (const auto fehler = DatenKopieren(*quelle, benutzerdaten)) {
    const Text1252 datei = fehler->Datei.empty() ? Text1252() : " (Datei " + Text1252(fehler->Datei) + ")";
    return FehlerMeldung(Cp1252("Die Datendateien konnten nicht nach ") + Cp1252(benutzerdaten.string()) +
                         " kopiert werden" + datei + ": " + Cp1252(Ursache(fehler->Nummer)) +
                         Cp1252(". Es wurde nichts davon behalten; Kolvaro versucht es beim nächsten Start erneut."));
  }
  return benutzerdaten;
}

// The build compiles in where its install rules put the data.
#ifndef KOLVARO_DATEN_RELATIV
#define KOLVARO_DATEN_RELATIV "../share/kolvaro/daten"
#endif

std::vector<fs::path> InstallierteDaten(const fs::path& programmverzeichnis) {
  return {programmverzeichnis / "daten", (programmverzeichnis / KOLVARO_DATEN_RELATIV).lexically_normal()};
}

}  // namespace kolvaro
