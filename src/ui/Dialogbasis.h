// The ground every dialog of the program stands on. A dialog is created
// once at start and lives, hidden, until the program ends; it is given the
// converter state and the platform services when it is made, shows its
// messages through the platform, and reports through Ausfuehren what the
// main window has to reload after it closed.
#pragma once

#include <QDialog>

#include "converter/Konverter.h"
#include "ui/Plattform.h"

namespace kolvaro::ui {

// What the main window reloads after a dialog, least to most.
enum class Neuladen {
  Nichts,
  Liste,    // entries of the unit list changed in memory: refill it, keep the selection
  Gebiet,   // the category's data file changed: reload it as after a change of category
  Katalog,  // categories were added or deleted: reload the catalogue, then the category
};

struct Dialogumgebung {
  Konverter& Zustand;
  Plattform& Dienste;
};

class Dialogbasis : public QDialog {
  Q_OBJECT
 public:
  // formname is the dialog's form name (its objectName); a viewer that
  // stays open beside the main window is not modal.
  Dialogbasis(const Dialogumgebung& umgebung, const QString& formname, const QString& titel, QWidget* eltern,
              bool modal = true);

  // Shows the dialog. A modal one returns when it is closed, with what the
  // main window has to reload; a viewer returns at once with Nichts.
  Neuladen Ausfuehren();

 protected:
  // Called each time before the dialog is shown (the form's FormShow).
  virtual void Vorbereiten() {}
  // A dialog that changed data says what must be reloaded; the largest wins.
  void AenderungMelden(Neuladen was);
  void Melden(const Meldung& meldung) { MeldungZeigen(m_Plattform, meldung); }

  Konverter& m_Konverter;
  Plattform& m_Plattform;

 private:
  Neuladen m_Neuladen = Neuladen::Nichts;
};

}  // namespace kolvaro::ui
