// The ground of the three own-unit dialogs (ordinary units, currencies,
// time zones): a column of captioned fields, the country selector, the
// factor row with the reference unit, and OK/Abbrechen. The dialogs differ
// only in which fields they show, their captions and the line they write,
// which the core decides by Eigenart.
#pragma once

#include <QString>
#include <map>

#include "editing/EigeneEinheit.h"
#include "ui/Dialogbasis.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class EigeneEinheitBasis : public Dialogbasis {
  Q_OBJECT
 protected:
  EigeneEinheitBasis(const Dialogumgebung& umgebung, Eigenart art, const QString& formname, const QString& titel,
                     QWidget* eltern);

  // The rows in reading order: the field of that meaning, under the object
  // name this dialog gives it. maxLaenge 0: no limit; hinweis is a second,
  // smaller line under the caption.
  QLineEdit* Textzeile(Eingabefeld feld, const char* objektname, const QString& beschriftung, int maxLaenge,
                       const QString& hinweis = {});
  void Landzeile();
  // The factor field (Edit5); with the reference unit (Label6) behind it.
  void Faktorzeile(const QString& beschriftung, int maxLaenge, bool mitBezugseinheit);
  // The buttons; called last, so the tab order is the reading order.
  void Knoepfe();

  void Vorbereiten() override;

  QComboBox* ComboBox1 = nullptr;
  QLabel* Label6 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  void Beschriften(QWidget* feld, const QString& beschriftung, const QString& hinweis);
  QWidget* Steuerelement(Eingabefeld feld) const;
  void OKBtnClick();
  void Ablehnen(const Meldung& meldung, Eingabefeld feld);

  Eigenart m_Art;
  QGridLayout* m_Gitter = nullptr;
  int m_Zeilen = 0;
  std::map<Eingabefeld, QLineEdit*> m_Edits;
};

}  // namespace kolvaro::ui
