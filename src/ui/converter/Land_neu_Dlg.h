// TLand_neu_Dlg: the countries whose units are listed in the categories
// filtered by country. The dialog works on a copy of the converter's two
// lists; only "OK" sets the country flags from it.
#pragma once

#include "editing/Einheitensichtbarkeit.h"
#include "ui/Dialogbasis.h"

class QListWidget;
class QPushButton;
class QToolButton;

namespace kolvaro::ui {

class TLand_neu_Dlg : public Dialogbasis {
  Q_OBJECT
 public:
  TLand_neu_Dlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void ListenZeigen(int auswahl1 = 0, int auswahl2 = 0);
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void Button1Click();
  void BitBtn1Click();

  Laenderauswahl m_Auswahl;
  QListWidget* ListBox1 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
};

}  // namespace kolvaro::ui
