// TDlg_eigene_einfuegen: adds an own unit to an ordinary factor category.
#pragma once

#include "ui/editing/EigeneEinheitBasis.h"

namespace kolvaro::ui {

class TDlg_eigene_einfuegen : public EigeneEinheitBasis {
  Q_OBJECT
 public:
  TDlg_eigene_einfuegen(const Dialogumgebung& umgebung, QWidget* eltern);
};

}  // namespace kolvaro::ui
