// What a calculator hands back to its dialog and to the command line: the
// common operation result (messages, focus) and the texts to show.
#pragma once

#include <string>
#include <vector>

#include "basis/Rechenergebnis.h"

namespace kolvaro {

struct Rechnerergebnis {
  // Messages shown in order (Vorher), the wrong input (Fehler), the focus.
  Rechenergebnis Ablauf;
  // The result texts in the order of the dialog's result fields; empty when
  // nothing is shown. An empty text leaves its field empty.
  std::vector<std::string> Werte;
  // The input field (1 to 5) that gets the focus after a message.
  int Eingabefeld = 1;
};

}  // namespace kolvaro
