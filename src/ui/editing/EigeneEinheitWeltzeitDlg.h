// TDlg_eigene_einfuegen_WZ: adds a time zone to "Weltzeit", its offset typed in minutes.
#pragma once

#include "ui/editing/EigeneEinheitBasis.h"

namespace kolvaro::ui {

class TDlg_eigene_einfuegen_WZ : public EigeneEinheitBasis {
  Q_OBJECT
 public:
  TDlg_eigene_einfuegen_WZ(const Dialogumgebung& umgebung, QWidget* eltern);
};

}  // namespace kolvaro::ui
