// Whole-file reading and durable atomic writing.
#include "data/Textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

constexpr const char* kZwischendateiMarke = ".neu";
constexpr std::size_t kZufallsstellen = 6;
// A rewrite takes well under a second; a temporary file this old was left
// behind by one that was killed.
constexpr auto kZwischendateiAlter = std::chrono::minutes(1);

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

bool AllesSchreiben(int fd, std::string_view inhalt) {
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

// Six letters or digits: with O_EXCL enough to find a free name at once.
std::string ZufallsKennung() {
  static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937 zufall{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> wahl(0, sizeof zeichen - 2);
  std::string kennung(kZufallsstellen, ' ');
  for (char& c : kennung) c = zeichen[wahl(zufall)];
  return kennung;
}

}  // namespace

// The target's name, ".neu" and six letters or digits (up to five digits in
// older versions).
bool IstZwischendateiname(std::string_view name) {
  const auto marke = name.rfind(kZwischendateiMarke);
  if (marke == std::string_view::npos || marke == 0) return false;
  const std::string_view kennung = name.substr(marke + std::char_traits<char>::length(kZwischendateiMarke));
  auto alle = [kennung](int (*art)(int)) {
    return std::all_of(kennung.begin(), kennung.end(),
                       [art](char c) { return art(static_cast<unsigned char>(c)) != 0; });
  };
  return (kennung.size() == kZufallsstellen && alle(std::isalnum)) ||
         (!kennung.empty() && kennung.size() < kZufallsstellen && alle(std::isdigit));
}

void VerwaisteZwischendateienEntfernen(const fs::path& verzeichnis) {
  std::error_code fehler;
  const auto grenze = fs::file_time_type::clock::now() - kZwischendateiAlter;
  for (fs::directory_iterator it(verzeichnis, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    std::error_code einzeln;
    if (!IstZwischendateiname(it->path().filename().string()) || !it->is_regular_file(einzeln) ||
        it->is_symlink(einzeln))
      continue;
    // A younger one may belong to a rewrite that is still going on.
    const auto zeit = it->last_write_time(einzeln);
    if (!einzeln && zeit < grenze) fs::remove(it->path(), einzeln);
  }
}

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

int DateiKopieren(const fs::path& quelle, const fs::path& ziel) {
  // errno is read in the return before the descriptors close.
  Deskriptor ein(::open(quelle.c_str(), O_RDONLY | O_CLOEXEC));
  if (ein.Fd() < 0) return errno;
  Deskriptor aus(::open(ziel.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (aus.Fd() < 0) return errno;
  off_t kopiert = 0;
  char puffer[65536];
  for (;;) {
    const ssize_t gelesen = ::read(ein.Fd(), puffer, sizeof puffer);
    if (gelesen == 0) break;
    if (gelesen < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (!AllesSchreiben(aus.Fd(), std::string_view(puffer, static_cast<std::size_t>(gelesen)))) return errno;
    kopiert += gelesen;
  }
  struct stat angaben {};
  if (::fsync(aus.Fd()) != 0) return errno;
  if (::fstat(aus.Fd(), &angaben) != 0 || angaben.st_size != kopiert) return EIO;
  if (!aus.Schliessen()) return errno;
  return 0;
}

Resultat<> SchreibeAtomarRoh(const fs::path& pfad, const std::string& inhalt, Dateirechte rechte) {
  const Meldung fehlschlag = NichtGeschriebenMeldung(Dateiname(pfad));
  // A data file that is a link stays one: the file it points to is replaced.
  fs::path ziel = pfad;
  std::error_code fehler;
  if (fs::is_symlink(pfad, fehler)) {
    ziel = fs::canonical(pfad, fehler);
    if (fehler) return fehlschlag;
  }
  struct stat alt {};
  const bool vorhanden = ::stat(ziel.c_str(), &alt) == 0;
  if (vorhanden && !S_ISREG(alt.st_mode)) return fehlschlag;
  // The old file's mode goes over to the new one; a new file gets what the
  // umask allows, a private one only its owner's bits.
  mode_t modus = vorhanden ? alt.st_mode & 07777 : 0666;
  if (rechte == Dateirechte::NurBesitzer) modus = vorhanden ? modus & 0700 : 0600;
  const bool modusSetzen = vorhanden || rechte == Dateirechte::NurBesitzer;

  fs::path temp;
  int roh = -1;
  // O_EXCL never opens what is there already, a link included, so two
  // writers never share a temporary file.
  for (int versuch = 0; versuch < 100 && roh < 0; ++versuch) {
    temp = ziel;
    temp += std::string(kZwischendateiMarke) + ZufallsKennung();
    roh = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modusSetzen ? 0600 : modus);
    if (roh < 0 && errno != EEXIST) return fehlschlag;
  }
  if (roh < 0) return fehlschlag;
  auto wegraeumen = [&temp] {
    std::error_code ignoriert;
    fs::remove(temp, ignoriert);
  };
  {
    Deskriptor fd(roh);
    // The data must be on the disk before the rename makes them the file:
    // otherwise a power cut could leave an empty file under the old name.
    const bool ok = (!modusSetzen || ::fchmod(fd.Fd(), modus) == 0) && AllesSchreiben(fd.Fd(), inhalt) &&
                    ::fsync(fd.Fd()) == 0 && fd.Schliessen();
    if (!ok) {
      wegraeumen();
      return fehlschlag;
    }
  }
  fs::rename(temp, ziel, fehler);
  if (fehler) {
    wegraeumen();
    return fehlschlag;
  }
  VerzeichnisSichern(ziel.parent_path());
  return {};
}

Resultat<> SchreibeAtomar(const fs::path& pfad, const std::vector<std::string>& zeilen, Dateirechte rechte) {
  std::string inhalt;
  std::size_t laenge = 0;
  for (const auto& z : zeilen) laenge += z.size() + 2;
  inhalt.reserve(laenge);
  for (const auto& z : zeilen) {
    inhalt += z;
    inhalt += "\r\n";
  }
  return SchreibeAtomarRoh(pfad, inhalt, rechte);
}

bool DateiExistiert(const fs::path& pfad) {
  std::error_code fehler;
  return fs::is_regular_file(pfad, fehler);
}

Meldung NichtGeoeffnetMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + Text1252(dateiname) + " konnte nicht geöffnet werden!");
}

Meldung NichtGeschriebenMeldung(const std::string& dateiname) {
  return FehlerMeldung("Die Datei " + Text1252(dateiname) +
                       " konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben werden!");
}

Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer) {
  return BeschaedigtMeldung(dateiname, zeilennummer, Cp1252("ist keine gültige verschlüsselte Zeile"));
}

Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer, const Text1252& grund) {
  return DateiBeschaedigtMeldung(dateiname,
                                 "Zeile " + Text1252::Zahl(static_cast<long long>(zeilennummer)) + " " + grund);
}

Meldung DateiBeschaedigtMeldung(const std::string& dateiname, const Text1252& grund) {
  return FehlerMeldung("Die Datei " + Text1252(dateiname) + " ist beschädigt: " + grund +
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
