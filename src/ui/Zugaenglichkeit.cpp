// The names and readings of the controls for screen readers.
#include "ui/Zugaenglichkeit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVariant>

namespace kolvaro::ui {

namespace {

// Marks a name that was taken from a label, so that a later call may replace it.
constexpr const char* kAusBeschriftung = "kolvaroNameAusBeschriftung";
// Marks a value label: its name is made when it is read, never set.
constexpr const char* kWertanzeige = "kolvaroWertanzeige";

QString OhneKuerzel(QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return text.trimmed();
}

// A caption without what only leads to the value ("Fläche A =" says "Fläche A").
QString OhneSchluss(QString text) {
  while (!text.isEmpty() &&
         (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')) || text.endsWith(QLatin1Char(' '))))
    text.chop(1);
  return text;
}

QString Beschriftungstext(const QLabel* label) { return OhneSchluss(OhneKuerzel(label->text())); }

// What a label shows, as plain text on one line.
QString Angezeigt(const QLabel* label) {
  QString text = label->text();
  if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
    QTextDocument dokument;
    dokument.setHtml(text);
    text = dokument.toPlainText();
  }
  return text.simplified();
}

// A value label: named by its caption and what it shows at the time of reading.
class Wertanzeige : public QAccessibleWidget {
 public:
  Wertanzeige(QLabel* wert, QLabel* beschriftung, const QString& fest)
      : QAccessibleWidget(wert, QAccessible::StaticText), m_Beschriftung(beschriftung), m_Fest(fest) {}

  QString text(QAccessible::Text art) const override {
    if (art != QAccessible::Name) return QAccessibleWidget::text(art);
    const QString titel = m_Beschriftung ? OhneKuerzel(m_Beschriftung->text()) : m_Fest.trimmed();
    const QString wert = Angezeigt(static_cast<const QLabel*>(widget()));
    if (wert.isEmpty()) return OhneSchluss(titel);
    return titel.isEmpty() ? wert : titel + QLatin1Char(' ') + wert;
  }

 private:
  QPointer<QLabel> m_Beschriftung;
  QString m_Fest;
};

// A selection box whose name is its own, not its current entry: on desktops
// that find a box's caption through its relations, the platform reads the
// entry as the name, and a box in a tool bar without a caption has none.
class Auswahlbox : public QAccessibleWidget {
 public:
  explicit Auswahlbox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  int childCount() const override { return Box()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1 && Box()->isEditable()) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* kind) const override {
    if (!kind) return -1;
    if (kind->object() == Box()->view()) return 0;
    if (Box()->isEditable() && kind->object() == Box()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QLineEdit* feld = Box()->isEditable() ? Box()->lineEdit() : nullptr;
    if (feld && feld->rect().contains(feld->mapFromGlobal(QPoint(x, y)))) return child(1);
    return nullptr;
  }
  // The field of an editable box has the focus for the reader, though the box holds it.
  QAccessibleInterface* focusChild() const override { return Box()->isEditable() ? child(1) : nullptr; }

  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Value) return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
    return QAccessibleWidget::text(art);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = Box()->view()->isVisible();
    return s;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& aktion) override {
    if (aktion != showMenuAction() && aktion != pressAction())
      QAccessibleWidget::doAction(aktion);
    else if (Box()->view()->isVisible())
      Box()->hidePopup();
    else
      Box()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Schnittstelle(const QString& klasse, QObject* objekt) {
  if (klasse != QLatin1String("QComboBox")) return nullptr;
  auto* box = qobject_cast<QComboBox*>(objekt);
  return box ? new Auswahlbox(box) : nullptr;
}

void Wertanzeigen(QLabel* wert, QLabel* beschriftung, const QString& fest) {
  // Without a name of its own the label tells the reader of every change of its text.
  wert->setAccessibleName(QString());
  wert->setProperty(kAusBeschriftung, false);
  wert->setProperty(kWertanzeige, true);
  if (QAccessibleInterface* bisher = QAccessible::queryAccessibleInterface(wert))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(bisher));
  QAccessible::registerAccessibleInterface(new Wertanzeige(wert, beschriftung, fest));
}

}  // namespace

void ZugaenglichkeitEinrichten() {
  // The last factory installed is asked first: after the application's own.
  static const bool eingerichtet = (QAccessible::installFactory(&Schnittstelle), true);
  (void)eingerichtet;
}

void NamenAusBeschriftungen(QWidget* wurzel) {
  for (QLabel* label : wurzel->findChildren<QLabel*>()) {
    QWidget* feld = label->buddy();
    if (!feld || feld->property(kWertanzeige).toBool()) continue;
    const bool eigenerName = !feld->accessibleName().isEmpty() && !feld->property(kAusBeschriftung).toBool();
    if (eigenerName) continue;
    const QString name = Beschriftungstext(label);
    if (name.isEmpty()) continue;
    feld->setAccessibleName(name);
    feld->setProperty(kAusBeschriftung, true);
  }
}

void AlsWertLesen(QLabel* wert, QLabel* beschriftung) { Wertanzeigen(wert, beschriftung, QString()); }

void AlsWertLesen(QLabel* wert, const QString& beschriftung) { Wertanzeigen(wert, nullptr, beschriftung); }

}  // namespace kolvaro::ui
