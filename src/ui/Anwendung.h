// The names the program gives itself before its first window: where its
// settings live and which desktop entry its windows belong to.
#pragma once

namespace kolvaro::ui {

// Called once, after the QApplication is made.
void AnwendungEinrichten();

}  // namespace kolvaro::ui
