// The perpetual calendar: the weekday of a date of the Western calendar and
// the movable feasts of a year from Easter Sunday, Gregorian or Julian.
#pragma once

#include <string_view>

#include "basis/Rechenergebnis.h"

namespace kolvaro {

// "Wochentag = Samstag" for "01.01.2000"; nothing for an empty text; the
// date messages of the calendar for a wrong date.
Rechenergebnis WochentagBerechnen(const Text1252& datum);

// The six lines "Fastnachtsdienstag am ..." to "Fronleichnam am ..." for the
// year; nothing for an empty text. Gregorian from 1583, Julian from 532.
Rechenergebnis FeiertageBerechnen(const Text1252& jahr, bool julianisch);

}  // namespace kolvaro
