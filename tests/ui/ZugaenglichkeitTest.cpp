// What a screen reader meets: every interactive control of the main window
// and of every dialog has a name it can say, a unit row reads as result,
// unit and country, and every dialog closes with Escape.
#include <gtest/gtest.h>

#include <QAccessible>
#include <algorithm>

#include "gemeinsam/Fenstertest.h"
#include "ui/Dialogbasis.h"

namespace kolvaro::ui {
namespace {

// The controls without a name below the interface.
QStringList Namenlose(QAccessibleInterface* i, int tiefe = 0) {
  using A = QAccessible;
  const auto bedienbar = {A::PushButton, A::CheckBox,   A::RadioButton,    A::ComboBox, A::EditableText,
                          A::SpinBox,    A::Slider,     A::List,           A::Table,    A::Tree,
                          A::PageTab,    A::ButtonMenu, A::ButtonDropDown, A::Graphic};
  QStringList fehlend;
  if (!i || tiefe > 40 || i->state().invisible) return fehlend;
  if (std::find(bedienbar.begin(), bedienbar.end(), i->role()) != bedienbar.end() &&
      i->text(A::Name).trimmed().isEmpty()) {
    QObject* o = i->object();
    fehlend << QStringLiteral("%1 (%2, Rolle %3)")
                   .arg(o ? o->objectName() : QString(), o ? QString::fromLatin1(o->metaObject()->className()) : "")
                   .arg(static_cast<int>(i->role()));
  }
  // The rows and cells of lists and tables are their model's; the list itself counts.
  if (i->role() == A::List || i->role() == A::Table || i->role() == A::Tree) return fehlend;
  for (int k = 0; k < i->childCount(); ++k) fehlend << Namenlose(i->child(k), tiefe + 1);
  return fehlend;
}
std::string Namenlose(QWidget* w) {
  return Namenlose(QAccessible::queryAccessibleInterface(w)).join(", ").toStdString();
}

using ZugaenglichkeitTest = test::GebautesFenster;

TEST_F(ZugaenglichkeitTest, JedesBedienelementHatEinenNamen) {
  EXPECT_EQ(Namenlose(m_Fenster.get()), "");
  for (const auto& eintrag : Standardfabriken()) m_Fenster->Dialogfenster().Dialog(eintrag.first);
  const auto dialoge = m_Fenster->findChildren<Dialogbasis*>();
  EXPECT_GE(dialoge.size(), 25);
  for (Dialogbasis* dialog : dialoge) {
    SCOPED_TRACE(dialog->objectName().toStdString());
    dialog->setModal(false);
    dialog->show();
    EXPECT_EQ(Namenlose(dialog), "");
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << "schließt nicht mit Escape";
    dialog->hide();
  }
}

TEST_F(ZugaenglichkeitTest, EineZeileLiestSichAlsErgebnisEinheitUndLand) {
  GebietWaehlen(QStringLiteral("Länge"));
  Rechnen(QStringLiteral("1"));
  const QString gelesen =
      Liste()->model()->index(Zeile(QStringLiteral("Meter")), 0).data(Qt::AccessibleTextRole).toString();
  EXPECT_TRUE(gelesen.endsWith(QStringLiteral(" Meter, SI-Einheit")) && !gelesen.startsWith(QLatin1Char(' ')))
      << gelesen.toStdString();
}

}  // namespace
}  // namespace kolvaro::ui
