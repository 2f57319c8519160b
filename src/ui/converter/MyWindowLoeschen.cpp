// TMyWindow: deleting the hidden units of the current category from its file.
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::AusgeblendeteLoeschen() {}

}  // namespace kolvaro::ui
