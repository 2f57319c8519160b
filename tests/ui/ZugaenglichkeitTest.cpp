// What a screen reader meets: every interactive control of the main window
// and of every dialog has a name it can say, a unit row reads as result,
// unit and country, and every dialog closes with Escape.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>

#include "gemeinsam/Fenstertest.h"
#include "ui/Dialogbasis.h"

namespace kolvaro::ui {
namespace {

bool Bedienbar(QAccessible::Role rolle) {
  using A = QAccessible;
  for (A::Role r : {A::PushButton, A::CheckBox, A::RadioButton, A::ComboBox, A::EditableText, A::SpinBox, A::Slider,
                    A::List, A::Table, A::Tree, A::PageTab, A::ButtonMenu, A::ButtonDropDown, A::Graphic})
    if (r == rolle) return true;
  return false;
}

QString Beschreibung(QAccessibleInterface* i) {
  QObject* o = i->object();
  return QStringLiteral("%1 (%2, Rolle %3)")
      .arg(o ? o->objectName() : QString(), o ? QString::fromLatin1(o->metaObject()->className()) : QString())
      .arg(static_cast<int>(i->role()));
}

// The controls without a name below the interface.
void Namenlose(QAccessibleInterface* i, QStringList& fehlend, int tiefe = 0) {
  if (!i || tiefe > 40 || i->state().invisible) return;
  if (Bedienbar(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty()) fehlend << Beschreibung(i);
  // The rows and cells of lists and tables are their model's; the list itself counts.
  if (i->role() == QAccessible::List || i->role() == QAccessible::Table || i->role() == QAccessible::Tree) return;
  for (int k = 0; k < i->childCount(); ++k) Namenlose(i->child(k), fehlend, tiefe + 1);
}

class ZugaenglichkeitTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
  }
};

TEST_F(ZugaenglichkeitTest, JedesBedienelementHatEinenNamen) {
  QStringList fehlend;
  Namenlose(QAccessible::queryAccessibleInterface(m_Fenster.get()), fehlend);
  EXPECT_TRUE(fehlend.isEmpty()) << "Hauptfenster: " << fehlend.join(", ").toStdString();

  const auto dialoge = m_Fenster->findChildren<Dialogbasis*>();
  EXPECT_GE(dialoge.size(), 25);
  for (Dialogbasis* dialog : dialoge) {
    dialog->setModal(false);
    dialog->show();
    QStringList ohneNamen;
    Namenlose(QAccessible::queryAccessibleInterface(dialog), ohneNamen);
    EXPECT_TRUE(ohneNamen.isEmpty()) << dialog->objectName().toStdString() << ": "
                                     << ohneNamen.join(", ").toStdString();
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString() << " schließt nicht mit Escape";
    dialog->hide();
  }
}

TEST_F(ZugaenglichkeitTest, EineZeileLiestSichAlsErgebnisEinheitUndLand) {
  GebietWaehlen(QStringLiteral("Länge"));
  Rechnen(QStringLiteral("1"));
  const int zeile = Zeile(QStringLiteral("Meter"));
  ASSERT_GE(zeile, 0);
  const QString gelesen = Liste()->model()->index(zeile, 0).data(Qt::AccessibleTextRole).toString();
  EXPECT_TRUE(gelesen.endsWith(QStringLiteral(" Meter, SI-Einheit"))) << gelesen.toStdString();
  EXPECT_FALSE(gelesen.startsWith(QStringLiteral(" "))) << gelesen.toStdString();
}

}  // namespace
}  // namespace kolvaro::ui
