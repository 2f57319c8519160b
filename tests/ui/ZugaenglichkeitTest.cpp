// What a screen reader meets, as the desktop's accessibility bus takes it
// from the accessible interfaces: every interactive control of the main
// window and of every dialog has a name it can say (a selection box its own,
// not its entry), a label that shows a value reads caption and value, a unit
// row reads as result, unit and country, and every dialog closes with Escape.
#include <gtest/gtest.h>

#include <QAccessible>
#include <algorithm>
#include <functional>
#include <vector>

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
  const QString name = i->text(A::Name).trimmed();
  // A selection box that says its entry has no name of its own.
  const bool ohneNamen = name.isEmpty() || (i->role() == A::ComboBox && name == i->text(A::Value).trimmed());
  if (std::find(bedienbar.begin(), bedienbar.end(), i->role()) != bedienbar.end() && ohneNamen) {
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
// The name that the reader says for a widget.
std::string Gesprochen(QWidget* w) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
  return i ? i->text(QAccessible::Name).toStdString() : std::string();
}

using ZugaenglichkeitTest = test::GebautesFenster;

TEST_F(ZugaenglichkeitTest, JedesBedienelementHatEinenNamen) {
  EXPECT_EQ(Namenlose(m_Fenster.get()), "");
  EXPECT_EQ(Gesprochen(Kind<QComboBox>("ComboBox2")), "Gebiet");
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

// A dialog with labels that show a value once the user asked for one.
struct Wertfall {
  const char* Aktion;
  const char* Dialog;
  std::function<void(QDialog&)> Fragen;
  // Each value label with the caption it is read with ("": its text says it all).
  std::vector<std::pair<const char*, const char*>> Werte;
};

TEST_F(ZugaenglichkeitTest, WertfelderLesenBeschriftungUndWert) {
  const auto rechnen = [](const char* feld, const char* eingabe, const char* knopf) {
    return [=](QDialog& d) {
      QTest::keyClicks(Element<QLineEdit>(&d, feld), QString::fromUtf8(eingabe));
      Klick(&d, knopf);
    };
  };
  const auto land = [](const char* name) {
    return [=](QDialog& d) {
      auto* liste = Element<QListWidget>(&d, "ListBox1");
      const auto treffer = liste->findItems(QString::fromUtf8(name), Qt::MatchExactly);
      ASSERT_EQ(treffer.size(), 1) << name;
      liste->setCurrentItem(treffer.front());
    };
  };
  const Wertfall faelle[] = {
      {"ChemischeElemente1",
       "ElementeDlg",
       land("Eisen"),
       {{"Label2", "Symbol:"},
        {"Atommasse", "Atommasse:"},
        {"Ordnungszahl", "Ordnungszahl:"},
        {"Schmelzpunkt", "Schmelzpunkt in °C:"},
        {"Siedepunkt", "Siedepunkt in °C:"},
        {"WaermeJeGramm", "Spez. Wärmekapazität in J/g K:"}}},
      {"Auslandsvorwahlen1", "AuslandsvorwahlDlg", land("Deutschland"), {{"Label2", "Vorwahl:"}}},
      {"ImmerwhrenderKalender1", "KalenderDlg", rechnen("Edit1", "01.01.2000", "BitBtn1"), {{"Label3", ""}}},
      {"MolmassenRechner1", "MolmasseDlg", rechnen("Edit1", "H2O", "BitBtn1"), {{"Label3", "Molmasse in g/mol:"}}},
      {"FlchenBerechnung1",
       "Flaechen_Berechnung_Dlg",
       rechnen("Edit1", "2", "BitBtn2"),
       {{"Label7", "Fläche A ="}, {"Label9", "Umfang U ="}, {"Label11", "Diagonale d ="}}},
      {"KrperBerechnung1",
       "Koerper_Berechnung_DlgN",
       rechnen("Edit1", "2", "BitBtn1"),
       {{"Label7", "Volumen V ="}, {"Label9", "Oberfläche Ao ="}, {"Label11", "Diagonale d ="}}},
      {"Einheitensuchen1", "Such_Dialog", rechnen("Edit1", "meter", "BitBtn1"), {{"Label4", "Anzahl:"}}},
  };
  for (const Wertfall& fall : faelle) {
    SCOPED_TRACE(fall.Dialog);
    EXPECT_TRUE(ImDialog(fall.Aktion, fall.Dialog, [&](QDialog& d) {
      fall.Fragen(d);
      for (const auto& [label, beschriftung] : fall.Werte) {
        const QString wert = Text(&d, label);
        EXPECT_FALSE(wert.isEmpty()) << label;
        const QString titel = QString::fromUtf8(beschriftung);
        EXPECT_EQ(Gesprochen(Element<QLabel>(&d, label)),
                  (titel.isEmpty() ? wert : titel + QLatin1Char(' ') + wert).toStdString());
      }
    }));
  }
  // Without a value the caption alone.
  EXPECT_TRUE(ImDialog("MolmassenRechner1", "MolmasseDlg",
                       [&](QDialog& d) { EXPECT_EQ(Gesprochen(Element<QLabel>(&d, "Label3")), "Molmasse in g/mol"); }));
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
