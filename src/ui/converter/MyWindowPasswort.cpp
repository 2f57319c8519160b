// TMyWindow: the password lock of the editing functions.
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

// Until a password can be chosen, every editing function is open.
bool TMyWindow::PasswortAbfragen() { return true; }

void TMyWindow::PasswortErzeugenBeiBedarf() {}

}  // namespace kolvaro::ui
