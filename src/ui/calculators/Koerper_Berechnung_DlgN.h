// TKoerper_Berechnung_DlgN: volume, surfaces, diagonal or slant length of
// sixteen solids. BitBtn1 calculates; results stay until the next
// calculation.
#pragma once

#include "ui/calculators/Figurendialog.h"

namespace kolvaro::ui {

class TKoerper_Berechnung_DlgN : public Figurendialog {
  Q_OBJECT
 public:
  TKoerper_Berechnung_DlgN(const Dialogumgebung& umgebung, QWidget* eltern);
};

}  // namespace kolvaro::ui
