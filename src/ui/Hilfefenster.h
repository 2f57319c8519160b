// The manual: its pages (hilfe/*.html, compiled into the program as Qt
// resources), the page that belongs to each window, and THilfefenster, the
// window that shows them with contents, history and a search over all pages.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

namespace kolvaro::ui {

// The folder of the pages in the resources, and the contents page.
inline const QString kHilfeOrdner = QStringLiteral(":/hilfe/");
inline const QString kHilfeInhalt = QStringLiteral("index.html");

// The file names of all pages, sorted.
QStringList Hilfeseiten();

// The page about the window with this objectName ("MyWindow", "MolmasseDlg");
// empty for a window the manual does not describe on a page of its own.
QString HilfeseiteFuer(const QString& fenstername);

class THilfefenster : public QDialog {
  Q_OBJECT
 public:
  explicit THilfefenster(QWidget* eltern = nullptr);

  // Shows a page by its file name, with an optional "#anchor"; false (and
  // the page shown before stays) when there is no such page.
  bool SeiteOeffnen(const QString& seite);
  // The file name of the page shown, without anchor.
  QString Seite() const;

  // The pages whose text holds begriff, capitals and small letters alike,
  // in the order of Hilfeseiten(): their file names.
  QStringList Suchen(const QString& begriff) const;

 private:
  struct Hilfeseite {
    QString Datei;
    QString Titel;
    QString Text;  // without the markup, so that a search never finds a tag
  };

  void SucheStarten();
  void TrefferOeffnen(QListWidgetItem* treffer);

  std::vector<Hilfeseite> m_Seiten;

  QPushButton* Inhalt = nullptr;
  QPushButton* Zurueck = nullptr;
  QPushButton* Vor = nullptr;
  QLineEdit* Suchfeld = nullptr;
  QPushButton* Suchknopf = nullptr;
  QLabel* Trefferzahl = nullptr;
  QListWidget* Trefferliste = nullptr;
  QTextBrowser* Browser = nullptr;
};

}  // namespace kolvaro::ui
