// TElementeDlg: the chemical elements, a list of names and the details of
// the selected one.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "reference/Nfotabellen.h"
#include "ui/Dialogbasis.h"

class QLabel;
class QListWidget;

namespace kolvaro::ui {

class TElementeDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TElementeDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the details of the selected element (also on every click).
  void DetailsZeigen();

 protected:
  void Vorbereiten() override;

 private:
  QLabel* Wert(const char* name);

  QListWidget* ListBox1 = nullptr;
  QLabel* Label1 = nullptr;  // the name
  QLabel* Label2 = nullptr;  // the symbol
  QLabel* m_Dichtetitel = nullptr;
  std::map<std::string, QLabel*> m_Werte;
  std::vector<std::string> m_Zeilen;
  Elementdetails m_Vorher;
};

}  // namespace kolvaro::ui
