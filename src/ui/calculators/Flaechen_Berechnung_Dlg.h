// TFlaechen_Berechnung_Dlg: area, perimeter, arc length or diagonal of
// thirteen plane figures. BitBtn2 calculates; typing empties the results.
#pragma once

#include "ui/calculators/Figurendialog.h"

namespace kolvaro::ui {

class TFlaechen_Berechnung_Dlg : public Figurendialog {
  Q_OBJECT
 public:
  TFlaechen_Berechnung_Dlg(const Dialogumgebung& umgebung, QWidget* eltern);
};

}  // namespace kolvaro::ui
