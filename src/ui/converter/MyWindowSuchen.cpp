// TMyWindow: the unit search and the jump to a hit.
#include <QListView>

#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::EinheitenSuchen() {
  ListBoxEinheit->hide();
  DialogOeffnenUndRechnen(Dialogart::Suchen);
  ListBoxEinheit->show();
}

}  // namespace kolvaro::ui
