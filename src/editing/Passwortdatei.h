// The password file STOFFW10.NFO that locks the editing functions: one line,
// the password enciphered with key 2, CR LF after it. An empty password is
// an empty line, so a file of exactly 2 bytes leaves every function open.
// The lock guards a shared installation against changes by mistake; anyone
// who may edit or delete the data files can remove it.
#pragma once

#include <filesystem>
#include <string_view>

#include "basis/Meldung.h"
#include "data/Datenverzeichnis.h"

namespace kolvaro {

// The file exists (as a file); without it the first start asks for a password.
bool PasswortdateiVorhanden(const std::filesystem::path& verzeichnis);

// true: a password is set and must be asked for; false: the password is
// empty. A missing, unreadable or damaged file gives PasswortdateiMeldung:
// the protected function then stays locked.
Resultat<bool> PasswortGesetzt(const std::filesystem::path& verzeichnis);

// Whether the typed text (Windows-1252) is the password, compared byte by
// byte and case-sensitively.
Resultat<bool> PasswortStimmt(const std::filesystem::path& verzeichnis, const Text1252& eingabe);

// Writes the password (Windows-1252) as the file's only line, replacing any
// earlier file. A text the cipher or the line could not carry is refused
// with the message of the field "Passwort"; nothing is written then.
Resultat<> PasswortSchreiben(const std::filesystem::path& verzeichnis, const Text1252& passwort);

// The file is missing, unreadable or damaged: what happened and what the
// user can do about it.
Meldung PasswortdateiMeldung();
// A typed password with a character Windows-1252 cannot hold.
Meldung PasswortNichtDarstellbarMeldung();
// The query's answer to a wrong password.
Meldung FalschesPasswortMeldung();

}  // namespace kolvaro
