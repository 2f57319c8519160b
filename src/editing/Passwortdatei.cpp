// Reading and writing the password file.
#include "editing/Passwortdatei.h"

#include <optional>
#include <string>

#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Eingabepruefung.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

constexpr int kPasswortschluessel = 2;

// What the file holds: whether a password is set, and which. nullopt when
// the file cannot be read or is not what the program writes. Only the first
// line counts, as it always did.
struct Passwortstand {
  bool Gesetzt = false;
  std::string Passwort;
};

std::optional<Passwortstand> PasswortLesen(const fs::path& verzeichnis) {
  auto inhalt = DateiInhalt(verzeichnis / kPasswortdatei);
  if (!inhalt) return std::nullopt;
  // The empty password: exactly the line end the program writes. Two other
  // bytes are not a line the program could have written.
  if (inhalt->size() == 2) return *inhalt == "\r\n" ? std::optional<Passwortstand>(Passwortstand{}) : std::nullopt;
  // Without a line end even an empty first line would be a guess.
  const auto ende = inhalt->find('\n');
  if (ende == std::string::npos) return std::nullopt;
  std::string_view zeile(inhalt->data(), ende);
  if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
  Passwortstand stand;
  // Any other size than that of the empty line means a password, even one
  // that deciphers to nothing: it is asked for, as the file's size says.
  stand.Gesetzt = true;
  if (!LinieEntschluesseln(zeile, kPasswortschluessel, stand.Passwort)) return std::nullopt;
  return stand;
}

}  // namespace

bool PasswortdateiVorhanden(const fs::path& verzeichnis) { return DateiExistiert(verzeichnis / kPasswortdatei); }

Resultat<bool> PasswortGesetzt(const fs::path& verzeichnis) {
  auto stand = PasswortLesen(verzeichnis);
  if (!stand) return PasswortdateiMeldung();
  return stand->Gesetzt;
}

Resultat<bool> PasswortStimmt(const fs::path& verzeichnis, const Text1252& eingabe) {
  auto stand = PasswortLesen(verzeichnis);
  if (!stand) return PasswortdateiMeldung();
  return stand->Passwort == eingabe.Sicht();
}

Resultat<> PasswortSchreiben(const fs::path& verzeichnis, const Text1252& eingabe) {
  const std::string_view passwort = eingabe.Sicht();
  if (auto geprueft = FeldPruefen(passwort, "Passwort"); !geprueft) return geprueft.Fehler();
  // The cipher only obscures the password: other users may not read it.
  return SchreibeAtomar(verzeichnis / kPasswortdatei, {LinieVerschluesseln(passwort, kPasswortschluessel)},
                        Dateirechte::NurBesitzer);
}

Meldung PasswortdateiMeldung() {
  return FehlerMeldung(
      Cp1252("Die Passwortdatei STOFFW10.NFO fehlt oder ist beschädigt. Die Funktion ist gesperrt.\n\n"
             "Fehlt die Datei im Datenverzeichnis von Kolvaro, so fragt Kolvaro beim nächsten Start nach einem "
             "neuen Passwort. Eine beschädigte Datei löschen Sie dazu vorher."));
}

Meldung PasswortNichtDarstellbarMeldung() {
  return InfoMeldung(
      Cp1252("Das Feld \"Passwort\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!"));
}

Meldung FalschesPasswortMeldung() { return Meldung{Meldungsart::Schlicht, "Falsches Passwort!"}; }

}  // namespace kolvaro
