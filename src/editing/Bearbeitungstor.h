// The gate every editing command passes before it runs: the password lock
// and, for own units and changed factors, the refusal of the categories
// whose units are not related by one factor. Each command makes its checks
// in its own order and refuses in its own way (a message or silence).
#pragma once

#include <functional>
#include <string_view>

#include "basis/Rechenergebnis.h"

namespace kolvaro {

enum class Bearbeitung {
  EinheitenAusblenden,
  EinheitenEinblenden,
  AusgeblendeteLoeschen,
  EigeneEinheit,
  FaktorAendern,
  GebietNeu,
  GebietLoeschen,
  SuchtrefferEinblenden,
  KurseEinlesen,
};

// Asks for the password where one is set; true when access is granted.
using Passwortabfrage = std::function<bool()>;

// Erfolg: the command may run. Otherwise Fehler holds the message to show,
// or is empty where the command ends without one. The password is asked
// only when the command gets that far.
Rechenergebnis BearbeitungPruefen(Bearbeitung bearbeitung, const Text1252& gebietsname,
                                  const Passwortabfrage& passwortOk);

}  // namespace kolvaro
