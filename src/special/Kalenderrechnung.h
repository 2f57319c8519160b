// Calendar arithmetic: dates of fifteen calendars and the Maya long count to
// whole Julian day numbers and back, and the date of Easter Sunday.
//
// A whole Julian day number (JD) stands for the day at 12 o'clock noon; JD 0
// is 01.01.-4713 of the Julian calendar. Dates are texts "TT.MM.JJJJ" with a
// leading minus for years before the era ("20.03.-1000"); apart from the
// Jewish and the French Republican calendar there is no year 0, year -1 is
// followed by year 1. All texts are Windows-1252.
//
// The operations to JD read a date text and return nullopt when a field is
// not a whole number; they do not check whether the day or the month exists
// (31.02. is carried into March). The operations from JD return the date text
// or AusserhalbBereich() for a JD that the calendar does not cover.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolvaro {

struct Datum {
  long Tag = 0;
  long Monat = 0;
  long Jahr = 0;
};

// Days of a Jewish year before month k (k = 1..13, counted from Tishri), one
// row per year type: 353, 354, 355 days (common) and 383, 384, 385 days
// (leap). The 1000 of the common rows only ends the month search.
extern const int JuedischMonatsanfang[6][13];

// "außerh. Bereich": the text for a JD outside a calendar's range.
const std::string& AusserhalbBereich();

// Day from characters 1-2, month from characters 4-5, year from character 7
// to the end; characters 3 and 6 are not looked at (the input checks do).
std::optional<Datum> DatumLesen(std::string_view text);
// The form TT.MM.JJJJ (with "." at characters 3 and 6), day and month from 1
// to the largest given, and no year 0: the check of a typed date.
bool DatumFormGueltig(std::string_view text, int groessterTag, int groessterMonat);
// The ten days 05.10.1582 to 14.10.1582 that the change to the Gregorian
// calendar left out.
bool AusgelassenerTag(std::string_view text);
// "05.03.1850", "01.01.05", "01.01.-05", "20.12.22666".
std::string DatumText(long tag, long monat, long jahr);

// value - floor(value / divisor) * divisor: the remainder with the sign of
// the divisor.
long long ModUnten(long long teiler, long long wert);

// JD of 1 Tishri of a Jewish year.
long JuedischNeujahr(long jahr);

std::optional<long> JulianischZuJD(std::string_view text);
std::string JDZuJulianisch(long jd);

std::optional<long> GregorianischZuJD(std::string_view text);
std::string JDZuGregorianisch(long jd);

// Julian calendar up to 04.10.1582, Gregorian from 15.10.1582 on; the ten
// days between do not exist (callers reject them before the call).
std::optional<long> AbendlaendischZuJD(std::string_view text);
// Gregorian from JD 2299161 (15.10.1582) on, Julian before.
std::string JDZuAbendlaendisch(long jd);

// Month 1 is Tishri; in a leap year month 6 is Adar I and month 7 Adar II.
std::optional<long> JuedischZuJD(std::string_view text);
std::string JDZuJuedisch(long jd);  // from JD 347998

// Month 13 holds the five or six complementary days.
std::optional<long> RevolutionZuJD(std::string_view text);
std::string JDZuRevolution(long jd);  // JD 2375840 to 2380687

std::optional<long> IslamischZuJD(std::string_view text);
std::string JDZuIslamisch(long jd);

std::optional<long> IranischZuJD(std::string_view text);
std::string JDZuIranisch(long jd);

// Month 9 holds the five extra days, behind the eighth month.
std::optional<long> YazdegardZuJD(std::string_view text);
std::string JDZuYazdegard(long jd);

std::optional<long> AegyptischZuJD(std::string_view text);
std::string JDZuAegyptisch(long jd);

std::optional<long> ArmenischZuJD(std::string_view text);
std::string JDZuArmenisch(long jd);

std::optional<long> AethiopischZuJD(std::string_view text);
std::string JDZuAethiopisch(long jd);

std::optional<long> KoptischZuJD(std::string_view text);
std::string JDZuKoptisch(long jd);

// Months 1 to 18 from Naw-Rúz on, month 19 the intercalary days, month 20
// the month of fasting that ends the year.
std::optional<long> BahaiZuJD(std::string_view text);
std::string JDZuBahai(long jd);  // from JD 2394647
// JD of Naw-Rúz, 1.1. of a Bahá'í year.
long BahaiNeujahr(long jahr);

std::optional<long> SakaZuJD(std::string_view text);
std::string JDZuSaka(long jd);

// "baktun.katun.tun.uinal.kin"; 0.0.0.0.0 is JD 584283.
std::optional<long> MayaZuJD(std::string_view text);
std::string JDZuMaya(long jd);  // from JD 584283

// Easter Sunday as "TT.MM." in the Julian or the Gregorian calendar.
std::string OsternJulianisch(long jahr);
std::string OsternGregorianisch(long jahr);

}  // namespace kolvaro
