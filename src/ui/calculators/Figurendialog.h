// The ground of the area and the solid calculator: a list of figures, the
// drawing and the formula picture of the chosen one, five inputs, three
// results. The two dialogs differ in their figures, their captions, which
// button calculates, and whether typing clears the results.
#pragma once

#include <array>
#include <vector>

#include "calculators/Rechenfigur.h"
#include "ui/Dialogbasis.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class TRechenbild;

class Figurendialog : public Dialogbasis {
  Q_OBJECT
 public:
  struct Art {
    QString Formname, Titel;
    const std::vector<Rechenfigur>* Figuren;
    int SichtbareZeilen;
    bool RechnenIstBitBtn1;    // which of BitBtn1 and BitBtn2 calculates
    bool TippenLeertErgebnis;  // typing in an input empties the results
  };
  Figurendialog(const Dialogumgebung& umgebung, const Art& art, QWidget* eltern);

  // ComboBox1Change: sets up the chosen figure.
  void FigurEinrichten();
  // The calculate button's click.
  void Berechnen();

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  void ErgebnisseLeeren();

  Art m_Art;
  QComboBox* ComboBox1 = nullptr;
  TRechenbild* Image1 = nullptr;
  TRechenbild* Image2 = nullptr;
  std::array<QLabel*, kRecheneingaben> m_Eingabetexte{};  // Label1 to Label5
  std::array<QLineEdit*, kRecheneingaben> m_Eingaben{};   // Edit1 to Edit5
  std::array<QLabel*, 3> m_Ergebnistexte{};               // Label6, Label8, Label10
  std::array<QLabel*, 3> m_Ergebnisse{};                  // Label7, Label9, Label11
  QPushButton* m_Rechnen = nullptr;
  QPushButton* m_Schliessen = nullptr;
};

}  // namespace kolvaro::ui
