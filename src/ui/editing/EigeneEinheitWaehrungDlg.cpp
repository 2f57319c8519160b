// The fields of the dialog, in reading order.
#include "ui/editing/EigeneEinheitWaehrungDlg.h"

namespace kolvaro::ui {

TDlg_eigene_einfuegen_Waehrung::TDlg_eigene_einfuegen_Waehrung(const Dialogumgebung& umgebung, QWidget* eltern)
    : EigeneEinheitBasis(umgebung, Eigenart::Waehrung, QStringLiteral("Dlg_eigene_einfuegen_Waehrung"),
                         QStringLiteral("Eigene Einheit einfügen - Währung"), eltern) {
  Textzeile(Eingabefeld::Name, "Edit1", QStringLiteral("Name der Währung:"), 34);
  Textzeile(Eingabefeld::Kurzzeichen, "Edit2", QStringLiteral("Kurzzeichen:"), 20);
  Landzeile();
  Textzeile(Eingabefeld::CaWert, "Edit3", QStringLiteral("Wert bwz. ca.Wert:"), 33, QStringLiteral("(für Info-Feld)"));
  Textzeile(Eingabefeld::Entspricht, "Edit6", QStringLiteral("entspricht:"), 0, QStringLiteral("(z.B. 100 Cent)"));
  Textzeile(Eingabefeld::Stand, "Edit4", QStringLiteral("Stand (Datum):"), 32);
  Faktorzeile(QStringLiteral("1 eigene Einheit entspricht (Umrechnungsfaktor);"), 0, true);
  Knoepfe();
}

}  // namespace kolvaro::ui
