// The date reader and the calendar arithmetic: every calendar reads
// arbitrary text, and every date it writes for a day of the range the
// program converts (JD 0 to 10 000 000) reads back as that day. The
// perpetual calendar's weekday and feasts read the same text. The first
// four bytes choose the day and whether the feasts are Julian.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Fuzzeingabe.h"
#include "calculators/ImmerwaehrenderKalender.h"
#include "special/Kalenderrechnung.h"

using namespace kolvaro;

namespace {

struct Kalender {
  const char* Name;
  std::optional<long> (*ZuJD)(std::string_view);
  std::string (*AusJD)(long);
};

const Kalender kKalender[] = {
    {"julianisch", &JulianischZuJD, &JDZuJulianisch},
    {"gregorianisch", &GregorianischZuJD, &JDZuGregorianisch},
    {"abendlaendisch", &AbendlaendischZuJD, &JDZuAbendlaendisch},
    {"juedisch", &JuedischZuJD, &JDZuJuedisch},
    {"revolution", &RevolutionZuJD, &JDZuRevolution},
    {"islamisch", &IslamischZuJD, &JDZuIslamisch},
    {"iranisch", &IranischZuJD, &JDZuIranisch},
    {"yazdegard", &YazdegardZuJD, &JDZuYazdegard},
    {"aegyptisch", &AegyptischZuJD, &JDZuAegyptisch},
    {"armenisch", &ArmenischZuJD, &JDZuArmenisch},
    {"aethiopisch", &AethiopischZuJD, &JDZuAethiopisch},
    {"koptisch", &KoptischZuJD, &JDZuKoptisch},
    {"bahai", &BahaiZuJD, &JDZuBahai},
    {"saka", &SakaZuJD, &JDZuSaka},
    {"maya", &MayaZuJD, &JDZuMaya},
};

constexpr long kGroessterTag = 10000000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe eingabe(daten, groesse);
  const auto wahl = eingabe.Wert<std::uint32_t>();
  const long jd = static_cast<long>(wahl % (kGroessterTag + 1));
  const bool julianisch = wahl & 0x80000000u;
  const std::string_view text = eingabe.Rest();

  const std::optional<Datum> datum = DatumLesen(text);
  for (int tage : {31, 35}) {
    for (int monate : {12, 13, 20}) {
      if (!DatumFormGueltig(text, tage, monate)) continue;
      fuzz::Pruefen(datum && datum->Tag >= 1 && datum->Tag <= tage && datum->Monat >= 1 && datum->Monat <= monate &&
                        datum->Jahr != 0,
                    "DatumFormGueltig nur fuer lesbare Daten im Bereich", text);
    }
  }
  AusgelassenerTag(text);
  for (const Kalender& k : kKalender) k.ZuJD(text);

  for (const Kalender& k : kKalender) {
    const std::string geschrieben = k.AusJD(jd);
    if (geschrieben == AusserhalbBereich()) continue;
    const std::optional<long> zurueck = k.ZuJD(geschrieben);
    if (zurueck == jd) continue;
    fuzz::Zeigen("Kalender", k.Name);
    fuzz::Zeigen("JD", std::to_string(jd));
    fuzz::Pruefen(false, "ZuJD(AusJD(jd)) == jd", text, geschrieben);
  }

  WochentagBerechnen(Text1252(text));
  FeiertageBerechnen(Text1252(text), julianisch);
  return 0;
}
