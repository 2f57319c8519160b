// The two calculators built on the common figure form.
#include "ui/calculators/Flaechen_Berechnung_Dlg.h"
#include "ui/calculators/Koerper_Berechnung_DlgN.h"

namespace kolvaro::ui {

TFlaechen_Berechnung_Dlg::TFlaechen_Berechnung_Dlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Figurendialog(umgebung,
                    {QStringLiteral("Flaechen_Berechnung_Dlg"), QStringLiteral("Flächen-Berechnung"),
                     &Flaechenfiguren(), 15, false, true},
                    eltern) {}

TKoerper_Berechnung_DlgN::TKoerper_Berechnung_DlgN(const Dialogumgebung& umgebung, QWidget* eltern)
    : Figurendialog(umgebung,
                    {QStringLiteral("Koerper_Berechnung_DlgN"), QStringLiteral("Körper-Berechnung"), &Koerperfiguren(),
                     16, true, false},
                    eltern) {}

}  // namespace kolvaro::ui
