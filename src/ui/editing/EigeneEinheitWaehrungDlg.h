// TDlg_eigene_einfuegen_Waehrung: adds a currency with its rate to "Währungen".
#pragma once

#include "ui/editing/EigeneEinheitBasis.h"

namespace kolvaro::ui {

class TDlg_eigene_einfuegen_Waehrung : public EigeneEinheitBasis {
  Q_OBJECT
 public:
  TDlg_eigene_einfuegen_Waehrung(const Dialogumgebung& umgebung, QWidget* eltern);
};

}  // namespace kolvaro::ui
