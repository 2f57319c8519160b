// The ground every dialog of the program stands on. A dialog is created
// when it is first called and lives, hidden, until the program ends, so it
// keeps what the user left in it between calls; it is given the
// converter state and the platform services when it is made, shows its
// messages through the platform, and reports through Ausfuehren what the
// main window has to reload after it closed.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <initializer_list>

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

// What every dialog is given: the converter state, the platform services,
// and what it may ask of the main window.
struct Dialogumgebung {
  Konverter& Zustand;
  Plattform& Dienste;
  // The password query of the editing functions (true: access granted).
  std::function<bool()> PasswortAbfragen = [] { return true; };
  // The row of the unit selected in the main window, -1 without units.
  std::function<int()> Auswahl = [] { return -1; };
  // The main window shows the counters anew (status lines and their buttons).
  std::function<void()> StatusAnzeigen = [] {};
};

// A label with its objectName (the controls' names are the forms' names).
QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text = QString());

class Dialogbasis : public QDialog {
  Q_OBJECT
 public:
  // formname is the dialog's form name, its class name without the "T" (the objectName); a viewer that
  // stays open beside the main window is not modal.
  Dialogbasis(const Dialogumgebung& umgebung, const QString& formname, const QString& titel, QWidget* eltern,
              bool modal = true);

  // Shows the dialog. A modal one returns when it is closed, with what the
  // main window has to reload; a viewer returns at once with Nichts.
  Neuladen Ausfuehren();

 protected:
  // Names the captioned controls for screen readers (NamenAusBeschriftungen).
  void showEvent(QShowEvent* ereignis) override;
  // Called each time before the dialog is shown (the form's FormShow).
  virtual void Vorbereiten() {}
  // A dialog that changed data says what must be reloaded; the largest wins.
  void AenderungMelden(Neuladen was);
  void Melden(const Meldung& meldung) { MeldungZeigen(m_Plattform, meldung); }
  // The close button of a viewer: "&Schließen", BitBtn1, the default button; it closes the dialog.
  QPushButton* SchliessenKnopf();
  // A row with the button at its right end.
  static QHBoxLayout* RechtsBuendig(QWidget* knopf);

  // What Enter presses in a dialog that ends with OK and Abbrechen.
  enum class Eingabetaste {
    Ok,          // the confirming button, wherever the focus is
    Fokusknopf,  // Qt's choice: the button with the focus, else the first one in the tab order
    Keinen,      // none: Enter belongs to the fields (a grid ends its edit with it)
  };
  struct OkAbbrechen {
    QPushButton* Ok;
    QPushButton* Abbrechen;
    QHBoxLayout* Zeile;
  };
  // The row that ends a dialog: the buttons in links at its left, then the
  // confirming button and "&Abbrechen" at its right end, made in that order so
  // the tab order follows the row. The object names are the dialog's own;
  // Abbrechen rejects, the confirming button is the dialog's to connect.
  OkAbbrechen OkAbbrechenZeile(const char* okName, const char* abbrechenName, Eingabetaste eingabe,
                               const QString& okText = QStringLiteral("&OK"),
                               std::initializer_list<QPushButton*> links = {});

  Konverter& m_Konverter;
  Plattform& m_Plattform;
  Dialogumgebung m_Umgebung;

 private:
  Neuladen m_Neuladen = Neuladen::Nichts;
};

}  // namespace kolvaro::ui
