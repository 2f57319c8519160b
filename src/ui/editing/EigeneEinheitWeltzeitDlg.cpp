// The fields of the dialog, in reading order.
#include "ui/editing/EigeneEinheitWeltzeitDlg.h"

namespace kolvaro::ui {

TDlg_eigene_einfuegen_WZ::TDlg_eigene_einfuegen_WZ(const Dialogumgebung& umgebung, QWidget* eltern)
    : EigeneEinheitBasis(umgebung, Eigenart::Weltzeit, QStringLiteral("Dlg_eigene_einfuegen_WZ"),
                         QStringLiteral("Eigene Einheit einfügen - Weltzeit"), eltern) {
  Textzeile(Eingabefeld::Name, "Edit1", QStringLiteral("Name der Einheit:"), 34);
  Textzeile(Eingabefeld::Kurzzeichen, "Edit2", QStringLiteral("Kurzzeichen:"), 20);
  Landzeile();
  Textzeile(Eingabefeld::Sommerzeit, "Edit3", QStringLiteral("Sommerzeit (von..bis):"), 32);
  Faktorzeile(QStringLiteral("Zeitdifferenz zur Weltzeit in Minuten:"), 4, false);
  Knoepfe();
}

}  // namespace kolvaro::ui
