// TMyWindow: hiding the selected units.
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::EinheitenAusblenden() {}

}  // namespace kolvaro::ui
