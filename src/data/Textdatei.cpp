// Whole-file reading and durable atomic writing.
#include "data/Textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>

#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

std::string Dateiname(const fs::path& pfad) { return pfad.filename().string(); }

// A file descriptor that closes itself.
class Deskriptor {
 public:
  explicit Deskriptor(int fd) : m_Fd(fd) {}
  ~Deskriptor() {
    if (m_Fd >= 0) ::close(m_Fd);
  }
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  int Fd() const { return m_Fd; }
  // Closes now; false when closing reported an error (a delayed write error).
  bool Schliessen() {
    const int fd = m_Fd;
    m_Fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_Fd;
};

bool AllesSchreiben(int fd, const std::string& inhalt) {
  const char* daten = inhalt.data();
  std::size_t rest = inhalt.size();
  while (rest > 0) {
    const ssize_t geschrieben = ::write(fd, daten, rest);
    if (geschrieben < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    daten += geschrieben;
    rest -= static_cast<std::size_t>(geschrieben);
  }
  return true;
}

// The rename itself is only durable once the directory is on the disk.
void VerzeichnisSichern(const fs::path& verzeichnis) {
  Deskriptor fd(::open(verzeichnis.empty() ? "." : verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Fd() >= 0) ::fsync(fd.Fd());
}

}  // namespace

Resultat<std::string> DateiInhalt(const fs::path& pfad) {
  std::error_code fehler;
  if (!fs::is_regular_file(pfad, fehler)) return NichtGeoeffnetMeldung(Dateiname(pfad));
  Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Fd() < 0) return NichtGeoeffnetMeldung(Dateiname(pfad));
  std::string inhalt;
  struct stat angaben {};
  if (::fstat(fd.Fd(), &angaben) == 0 && angaben.st_size > 0) inhalt.reserve(static_cast<std::size_t>(angaben.st_size));
  char puffer[65536];
  for (;;) {
    const ssize_t gelesen = ::read(fd.Fd(), puffer, sizeof puffer);
    if (gelesen == 0) break;
    if (gelesen < 0) {
      if (errno == EINTR) continue;
      return NichtGeoeffnetMeldung(Dateiname(pfad));
    }
    inhalt.append(puffer, static_cast<std::size_t>(gelesen));
  }
  return inhalt;
}

Resultat<std::vector<std::string>> DateiLaden(const fs::path& pfad) {
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return inhalt.Fehler();
  return Zeilen(*inhalt);
}

Resultat<std::vector<std::string>> ZeilenZumUmschreiben(const fs::path& pfad) {
  const std::string name = Dateiname(pfad);
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return NichtGeschriebenMeldung(name);
  if (auto ganz = ZeilenendePruefen(*inhalt, name); !ganz) return ganz.Fehler();
  return Zeilen(*inhalt);
}

std::vector<std::string> Zeilen(std::string_view inhalt) {
  std::vector<std::string> zeilen;
  ZeilenDurchlaufen(inhalt, [&](std::string_view zeile, std::size_t) {
    zeilen.emplace_back(zeile);
    return true;
  });
  return zeilen;
}

Resultat<> SchreibeAtomarRoh(const fs::path& pfad, const std::string& inhalt) {
  static std::mt19937 zufall{std::random_device{}()};
  auto temp = pfad;
  temp += ".neu" + std::to_string(zufall() % 100000);
  const Meldung fehlschlag = NichtGeschriebenMeldung(Dateiname(pfad));
  auto wegraeumen = [&temp] {
    std::error_code ignoriert;
    fs::remove(temp, ignoriert);
  };
  {
    Deskriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.Fd() < 0) return fehlschlag;
    // The data must be on the disk before the rename makes them the file:
    // otherwise a power cut could leave an empty file under the old name.
    const bool ok = AllesSchreiben(fd.Fd(), inhalt) && ::fsync(fd.Fd()) == 0 && fd.Schliessen();
    if (!ok) {
      wegraeumen();
      return fehlschlag;
    }
  }
  std::error_code fehler;
  fs::rename(temp, pfad, fehler);
  if (fehler) {
    wegraeumen();
    return fehlschlag;
  }
  VerzeichnisSichern(pfad.parent_path());
  return {};
}

Resultat<> SchreibeAtomar(const fs::path& pfad, const std::vector<std::string>& zeilen) {
  std::string inhalt;
  std::size_t laenge = 0;
  for (const auto& z : zeilen) laenge += z.size() + 2;
  inhalt.reserve(laenge);
  for (const auto& z : zeilen) {
    inhalt += z;
    inhalt += "\r\n";
  }
  return SchreibeAtomarRoh(pfad, inhalt);
}

bool DateiExistiert(const fs::path& pfad) {
  std::error_code fehler;
  return fs::is_regular_file(pfad, fehler);
}

Meldung NichtGeoeffnetMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + dateiname + Cp1252(" konnte nicht geöffnet werden!"));
}

Meldung NichtGeschriebenMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + dateiname + " konnte nicht " +
                       Cp1252("geöffnet werden oder die revidierte Datei konnte nicht ") + "geschrieben werden!");
}

Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer) {
  return BeschaedigtMeldung(dateiname, zeilennummer, Cp1252("ist keine gültige verschlüsselte Zeile"));
}

Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer, const std::string& grund) {
  return DateiBeschaedigtMeldung(dateiname, "Zeile " + std::to_string(zeilennummer) + " " + grund);
}

Meldung DateiBeschaedigtMeldung(const std::string& dateiname, const std::string& grund) {
  return FehlerMeldung("Die Datei " + dateiname + Cp1252(" ist beschädigt: ") + grund +
                       ". Der Vorgang wurde abgebrochen.");
}

std::size_t ZeilenZaehlen(std::string_view inhalt) {
  std::size_t zeilen = 0;
  // From line break to line break: lines are long, find skips them quickly.
  for (std::size_t pos = inhalt.find('\n'); pos != std::string_view::npos; pos = inhalt.find('\n', pos + 1)) ++zeilen;
  return zeilen + (inhalt.empty() || inhalt.back() == '\n' ? 0 : 1);
}

Resultat<> ZeilenendePruefen(std::string_view inhalt, const std::string& dateiname) {
  if (inhalt.empty() || inhalt.back() == '\n') return {};
  return BeschaedigtMeldung(dateiname, ZeilenZaehlen(inhalt),
                            Cp1252("endet ohne Zeilenumbruch, die Datei ist abgeschnitten"));
}

}  // namespace kolvaro
