// Creating the dialogs.
#include "ui/Dialoge.h"

namespace kolvaro::ui {

Dialogfabriken Standardfabriken() { return {}; }

Dialoge::Dialoge(const Dialogumgebung& umgebung, QWidget* eltern, const Dialogfabriken& fabriken) {
  // std::map keeps its keys in the enum's order: the order of creation.
  for (const auto& [art, fabrik] : fabriken)
    if (fabrik) m_Dialoge[static_cast<std::size_t>(art)] = fabrik(umgebung, eltern);
}

}  // namespace kolvaro::ui
