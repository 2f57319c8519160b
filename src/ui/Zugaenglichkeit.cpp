#include "ui/Zugaenglichkeit.h"

#include <QLabel>
#include <QRegularExpression>
#include <QVariant>

namespace kolvaro::ui {

namespace {

// Marks a name that was taken from a label, so that a later call may replace it.
constexpr const char* kAusBeschriftung = "kolvaroNameAusBeschriftung";

QString Beschriftungstext(const QLabel* label) {
  QString text = label->text();
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  text = text.trimmed();
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

}  // namespace

void NamenAusBeschriftungen(QWidget* wurzel) {
  for (QLabel* label : wurzel->findChildren<QLabel*>()) {
    QWidget* feld = label->buddy();
    if (!feld) continue;
    const bool eigenerName = !feld->accessibleName().isEmpty() && !feld->property(kAusBeschriftung).toBool();
    if (eigenerName) continue;
    const QString name = Beschriftungstext(label);
    if (name.isEmpty()) continue;
    feld->setAccessibleName(name);
    feld->setProperty(kAusBeschriftung, true);
  }
}

}  // namespace kolvaro::ui
