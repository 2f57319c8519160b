// TDlg_Einheit_einblenden: lists the hidden units of the current category
// (whatever their country) and shows the marked ones or all of them again.
#pragma once

#include "ui/Dialogbasis.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kolvaro::ui {

class TDlg_Einheit_einblenden : public Dialogbasis {
  Q_OBJECT
 public:
  // The line of the unit an entry of ListBox1 stands for (int).
  static constexpr int DateizeileRolle = Qt::UserRole + 1;

  TDlg_Einheit_einblenden(const Dialogumgebung& umgebung, QWidget* eltern);

  void reject() override;  // the close button and Escape

 protected:
  void Vorbereiten() override;
  void hideEvent(QHideEvent* ereignis) override;

 private:
  void ListeLaden();
  void KeineAusgeblendet();
  void BitBtn1Click();
  void BitBtn2Click();

  QLabel* Label_Gebiet = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* OKBtn = nullptr;
};

}  // namespace kolvaro::ui
