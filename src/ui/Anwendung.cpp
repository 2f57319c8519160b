// The program's names for the platform.
#include "ui/Anwendung.h"

#include <QGuiApplication>

#include "basis/Texte.h"
#include "ui/Text.h"

namespace kolvaro::ui {

void AnwendungEinrichten() {
  QCoreApplication::setOrganizationName(QtAusUtf8(texte::kHersteller));
  QCoreApplication::setApplicationName(QtAusUtf8(texte::kEinstellungsname));
  // No display name: Qt would append it to the title of every window
  // ("Passwort-Erzeugung — Kolvaro"), and each window has its own full title.
  // The desktop finds the program's name and icon through the entry below.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.ostravin.Kolvaro"));
}

}  // namespace kolvaro::ui
