// The built-in 32 x 16 pictures of countries and unit classes, found by
// their bitmap name (BM_DEUTSCHLAND, BM_SI-EINHEIT, ...). The pictures are
// drawn by our own code from the descriptions in ressourcen/flaggen.txt:
// flaggen/Flaggenbeschreibung.cpp reads them and explains the description
// language, flaggen/Flaggenmaler.cpp paints them.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace kolvaro::ui {

// The picture of a bitmap name; a null pixmap when there is none.
QPixmap Flagge(const QString& flaggenname);
bool FlaggeVorhanden(const QString& flaggenname);
// Every bitmap name that has a picture.
QStringList AlleFlaggennamen();

// A picture drawn from a description without the name ("h 000000 FFFFFF; kreis
// 16 8 4 FF0000"); faulty commands in it are left out.
QPixmap FlaggeAusBeschreibung(const QString& beschreibung);

// The description lines of the built-in file, without comments and empty lines.
QStringList FlaggenbeschreibungsZeilen();
// Whether a description line ("NAME befehl; befehl; ...") is free of faults;
// otherwise *fehler (if given) says which command is wrong and why.
bool FlaggenbeschreibungPruefen(const QString& zeile, QString* fehler = nullptr);

}  // namespace kolvaro::ui
