// The fields of the dialog, in reading order.
#include "ui/editing/EigeneEinheitDlg.h"

namespace kolvaro::ui {

TDlg_eigene_einfuegen::TDlg_eigene_einfuegen(const Dialogumgebung& umgebung, QWidget* eltern)
    : EigeneEinheitBasis(umgebung, Eigenart::Gewoehnlich, QStringLiteral("Dlg_eigene_einfuegen"),
                         QStringLiteral("Eigene Einheit einfügen"), eltern) {
  Textzeile(Eingabefeld::Name, "Edit1", QStringLiteral("Name der Einheit:"), 34);
  Textzeile(Eingabefeld::Kurzzeichen, "Edit2", QStringLiteral("Kurzzeichen:"), 20);
  Landzeile();
  Textzeile(Eingabefeld::SonstigeNamen, "Edit3", QStringLiteral("Weiterer Name:"), 33);
  Textzeile(Eingabefeld::Einsatzgebiet, "Edit4", QStringLiteral("Einsatzgebiet:"), 27);
  Faktorzeile(QStringLiteral("1 eigene Einheit entspricht (Umrechnungsfaktor);"), 0, true);
  Knoepfe();
}

}  // namespace kolvaro::ui
