// The fixed tables. The constants are the CODATA 2022 recommended values
// (Mohr, Newell, Taylor, Tiesinga, Rev. Mod. Phys. 97 (2025) 025002; also at
// physics.nist.gov/constants), rounded to ten significant digits; since the
// SI of 2019, c, h, e, k and N_A are exact, and so are the values derived
// from them alone.
#include "reference/FesteTabellen.h"

#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

Referenztabelle Tabelle(const char* titel, std::vector<const char*> spalten) {
  Referenztabelle t;
  t.Titel = Cp1252(titel);
  for (const char* s : spalten) t.Spalten.push_back(Cp1252(s));
  return t;
}

}  // namespace

Referenztabelle PhysikalischeKonstanten() {
  static const char* const kKonstanten[][2] = {
      {"Absol. Nullpunkt der Temperatur", "-273,15° C"},
      {"Alpha-Teilchen, Ruhemasse", "6,644657345 x 10^-27 kg"},
      {"Atomare Masseneinheit", "1,660539069 x 10^-27 kg"},
      {"Avogadro-Konstante", "6,02214076 x 10^23 mol^-1 (exakt)"},
      {"Boltzmann-Konstante", "1,380649 x 10^-23 J K^-1 (exakt)"},
      {"Bohrscher Radius", "5,291772105 x 10^-11 m"},
      {"Bohrsches Magneton", "9,274010066 x 10^-24 A m^2"},
      {"Compton-Wellenlänge des Elektrons", "2,426310235 x 10^-12 m"},
      {"Deuteron, Ruhemasse", "3,343583777 x 10^-27 kg"},
      {"Elektrische Feldkonstante", "8,854187819 x 10^-12 F m^-1"},
      {"Elektron, Ladung", "1,602176634 x 10^-19 A s (exakt)"},
      {"Elektron, Ladung spez.", "1,758820008 x 10^11 A s kg^-1"},
      {"Elektron, Radius", "2,817940321 x 10^-15 m"},
      {"Elektron, Ruheenergie", "8,187105788 x 10^-14 J"},
      {"Elektron, Ruhemasse", "9,109383714 x 10^-31 kg"},
      {"Faraday-Konstante", "9,648533212 x 10^4 A s mol^-1 (exakt)"},
      {"Gravitations-Konstante", "6,67430 x 10^-11 m^3 kg^-1 s^-2"},
      {"Lichtgeschwindigkeit im Vakuum", "2,99792458 x 10^8 m s^-1 (exakt)"},
      {"Loschmidt-Konstante", "2,686780112 x 10^25 m^-3 (0° C, 1013,25 hPa)"},
      {"Magnetische Feldkonstante", "1,256637061 x 10^-6 H m^-1"},
      {"Molare Gaskonstante", "8,314462618 J K^-1 mol^-1 (exakt)"},
      {"Molvolumen idealer Gase", "22,41396955 x 10^-3 m^3 mol^-1 (0° C, 1013,25 hPa)"},
      {"Neutron, Ruheenergie", "1,505349765 x 10^-10 J"},
      {"Neutron, Ruhemasse", "1,674927501 x 10^-27 kg"},
      {"Physikalischer Normaldruck", "1,01325 x 10^5 Pa (exakt)"},
      {"Planck-Konstante", "6,62607015 x 10^-34 J s (exakt)"},
      {"Proton, Ladung spez.", "9,578833143 x 10^7 A s kg^-1"},
      {"Proton, Ruheenergie", "1,503277618 x 10^-10 J"},
      {"Proton, Ruhemasse", "1,672621926 x 10^-27 kg"},
      {"Rydberg-Konstante für das H-Atom", "1,096775834 x 10^7 m^-1"},
      {"Wasserstoff-Atom, Ruhemasse", "1,673532841 x 10^-27 kg"},
      {"Wellenwiderstand des Vakuums", "376,7303134 Ohm"},
      {"Wien-Konstante", "2,897771955 x 10^-3 m K (exakt)"},
  };
  Referenztabelle t = Tabelle("Physikalische Konstanten", {"Konstante", "Wert"});
  t.Hinweis = Cp1252("CODATA 2022");
  for (const auto& k : kKonstanten) t.Zeilen.push_back({Cp1252(k[0]), Cp1252(k[1])});
  return t;
}

namespace {

struct Vorsatz {
  const char* Zeichen;
  const char* Name;
  const char* Faktor;
};

// The prefixes of the SI brochure (9th edition, 2019) with the four of 2022
// (27th CGPM): quetta, ronna, ronto, quecto. Largest first.
constexpr Vorsatz kVorsaetze[] = {
    {"Q", "Quetta", "10^30"}, {"R", "Ronna", "10^27"},  {"Y", "Yotta", "10^24"},  {"Z", "Zetta", "10^21"},
    {"E", "Exa", "10^18"},    {"P", "Peta", "10^15"},   {"T", "Tera", "10^12"},   {"G", "Giga", "10^9"},
    {"M", "Mega", "10^6"},    {"k", "Kilo", "10^3"},    {"h", "Hekto", "10^2"},   {"da", "Deka", "10^1"},
    {"d", "Dezi", "10^-1"},   {"c", "Zenti", "10^-2"},  {"m", "Milli", "10^-3"},  {"µ", "Mikro", "10^-6"},
    {"n", "Nano", "10^-9"},   {"p", "Piko", "10^-12"},  {"f", "Femto", "10^-15"}, {"a", "Atto", "10^-18"},
    {"z", "Zepto", "10^-21"}, {"y", "Yokto", "10^-24"}, {"r", "Ronto", "10^-27"}, {"q", "Quekto", "10^-30"},
};

}  // namespace

Referenztabelle VorsatzzeichenTabelle() {
  Referenztabelle t = Tabelle("Vorsatzzeichen", {"Zeichen", "Name", "Faktor"});
  for (const Vorsatz& v : kVorsaetze) t.Zeilen.push_back({Cp1252(v.Zeichen), Cp1252(v.Name), Cp1252(v.Faktor)});
  return t;
}

const std::vector<Text1252>& Buchstabiertafelnamen() {
  static const std::vector<Text1252> namen = {Cp1252("Deutsch"), Cp1252("Englisch"), Cp1252("Intern. (Telefon)"),
                                              Cp1252("Intern. (Sprechfunk)")};
  return namen;
}

const std::array<Text1252, kBuchstabierPositionen>& Buchstabierbuchstaben() {
  static const std::array<Text1252, kBuchstabierPositionen> buchstaben = [] {
    std::array<Text1252, kBuchstabierPositionen> b;
    for (int i = 0; i < 26; ++i) b[static_cast<std::size_t>(i)] = Text1252(std::string(1, static_cast<char>('A' + i)));
    b[26] = Cp1252("Ä");
    b[27] = Cp1252("Ö");
    b[28] = Cp1252("Ü");
    b[29] = Cp1252("CH");
    b[30] = Cp1252("SCH");
    return b;
  }();
  return buchstaben;
}

const std::array<Text1252, kBuchstabierPositionen>& Buchstabiertafel(std::size_t index) {
  static const std::array<std::array<Text1252, kBuchstabierPositionen>, 4> tafeln = [] {
    const char* const worte[4][kBuchstabierPositionen] = {
        {"Anton",   "Berta",     "Cäsar",    "Dora",    "Emil",    "Friedrich", "Gustav",  "Heinrich",
         "Ida",     "Julius",    "Kaufmann", "Ludwig",  "Martha",  "Nordpol",   "Otto",    "Paula",
         "Quelle",  "Richard",   "Samuel",   "Theodor", "Ulrich",  "Viktor",    "Wilhelm", "Xanthippe",
         "Ypsilon", "Zacharias", "Ärger",    "Ökonom",  "Übermut", "Charlotte", "Schule"},
        {"Alfred", "Benjamin", "Charles", "David",  "Edward", "Frederik", "George",  "Harry",
         "Isaac",  "Jack",     "King",    "London", "Mary",   "Nelly",    "Oliver",  "Peter",
         "Queen",  "Robert",   "Samuel",  "Tommy",  "Uncle",  "Victor",   "William", "X-Ray",
         "Yellow", "Zebra",    "",        "",       "",       "",         ""},
        {"Amsterdam",
         "Baltimore",
         "Casablanca",
         "Dänemark",
         "Edison",
         "Florida",
         "Gallipoli",
         "Havanna",
         "Italia",
         "Jerusalem",
         "Kilogramme",
         "Liverpool",
         "Madagaskar",
         "New York",
         "Oslo",
         "Paris",
         "Quebec",
         "Roma",
         "Santiago",
         "Tripoli",
         "Uppsala",
         "Valencia",
         "Washington",
         "Xanthippe",
         "Yokohama",
         "Zürich",
         "",
         "",
         "",
         "",
         ""},
        {"Alpha",  "Bravo", "Charlie",  "Delta", "Echo", "Foxtrot", "Golf",  "Hotel",  "India", "Juliett", "Kilo",
         "Lima",   "Mike",  "November", "Oscar", "Papa", "Quebec",  "Romeo", "Sierra", "Tango", "Uniform", "Victor",
         "Whisky", "X-Ray", "Yankee",   "Zulu",  "",     "",        "",      "",       ""},
    };
    std::array<std::array<Text1252, kBuchstabierPositionen>, 4> t;
    for (std::size_t i = 0; i < 4; ++i)
      for (std::size_t p = 0; p < kBuchstabierPositionen; ++p) t[i][p] = Cp1252(worte[i][p]);
    return t;
  }();
  return tafeln[index < tafeln.size() ? index : 0];
}

Referenztabelle BuchstabiertafelTabelle() {
  Referenztabelle t;
  t.Titel = "Buchstabiertafel";
  t.Spalten.push_back("Buchstabe");
  for (const Text1252& name : Buchstabiertafelnamen()) t.Spalten.push_back(name);
  for (std::size_t p = 0; p < kBuchstabierPositionen; ++p) {
    std::vector<Text1252> zeile{Buchstabierbuchstaben()[p]};
    for (std::size_t i = 0; i < Buchstabiertafelnamen().size(); ++i) zeile.push_back(Buchstabiertafel(i)[p]);
    t.Zeilen.push_back(zeile);
  }
  return t;
}

const std::array<Steuerzeichen, 33>& Steuerzeichentabelle() {
  static const std::array<Steuerzeichen, 33> tabelle = [] {
    const char* const eintraege[33][2] = {
        {"NUL", "Null"},
        {"SOH", "Start of header (Beginn von Kopf)"},
        {"STX", "Start of text (Start von Text)"},
        {"ETX", "End of text (Ende von Text)"},
        {"EOT", "End of transmission (Ende der Übertragung)"},
        {"ENQ", "Enquiry (Anfrage)"},
        {"ACK", "Acknowledge (Bestätigung)"},
        {"BEL", "Bell (Glocke)"},
        {"BS", "Backspace (Rückschritt)"},
        {"HT", "Horizontal tab (Horizontaler Tabulator)"},
        {"LF", "Line feed (Zeilenvorschub)"},
        {"VT", "Vertical tab (Vertikaler Tabulator)"},
        {"FF", "Form feed (Seitenvorschub)"},
        {"CR", "Carriage return (Wagenrücklauf)"},
        {"SO", "Shift out (Hochtaste aus)"},
        {"SI", "Shift in (Hochtaste ein)"},
        {"DLE", "Data link escape"},
        {"DC1", "Device control 1"},
        {"DC2", "Device control 2"},
        {"DC3", "Device control 3"},
        {"DC4", "Device control 4"},
        {"NAK", "Negative acknowledge"},
        {"SYN", "Synchronous idle"},
        {"ETB", "End of transmission blocks"},
        {"CAN", "Cancel"},
        {"EM", "End of medium"},
        {"SUB", "Substitute"},
        {"ESC", "Escape"},
        {"FS", "File separator"},
        {"GS", "Group separator"},
        {"RS", "Record separator"},
        {"US", "Unit separator"},
        {"SPA", "Space (Leerzeichen)"},
    };
    std::array<Steuerzeichen, 33> t;
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = {Cp1252(eintraege[i][0]), Cp1252(eintraege[i][1])};
    return t;
  }();
  return tabelle;
}

char32_t CodeZeichen(int code, Codeseite seite) {
  if (code < 0 || code > 255) return 0;
  if (code < 128) return static_cast<char32_t>(code);
  if (seite == Codeseite::Oem) {
    // Code page 437, the character set of the PC's text mode.
    static const char32_t kOem[128] = {
        0xC7,   0xFC,   0xE9,   0xE2,   0xE4,   0xE0,   0xE5,   0xE7,   0xEA,   0xEB,   0xE8,   0xEF,   0xEE,
        0xEC,   0xC4,   0xC5,   0xC9,   0xE6,   0xC6,   0xF4,   0xF6,   0xF2,   0xFB,   0xF9,   0xFF,   0xD6,
        0xDC,   0xA2,   0xA3,   0xA5,   0x20A7, 0x192,  0xE1,   0xED,   0xF3,   0xFA,   0xF1,   0xD1,   0xAA,
        0xBA,   0xBF,   0x2310, 0xAC,   0xBD,   0xBC,   0xA1,   0xAB,   0xBB,   0x2591, 0x2592, 0x2593, 0x2502,
        0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
        0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
        0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
        0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x3B1,  0xDF,   0x393,  0x3C0,  0x3A3,  0x3C3,  0xB5,   0x3C4,
        0x3A6,  0x398,  0x3A9,  0x3B4,  0x221E, 0x3C6,  0x3B5,  0x2229, 0x2261, 0xB1,   0x2265, 0x2264, 0x2320,
        0x2321, 0xF7,   0x2248, 0xB0,   0x2219, 0xB7,   0x221A, 0x207F, 0xB2,   0x25A0, 0xA0};
    return kOem[code - 128];
  }
  switch (code) {  // the five codes Windows-1252 leaves undefined
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
      return 0;
    default:
      break;
  }
  const std::string utf8 = Cp1252NachUtf8(Text1252(std::string(1, static_cast<char>(code))));
  // Decode the one UTF-8 sequence.
  const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
  if (utf8.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if (utf8.size() == 3) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  return b(0);
}

Referenztabelle ZeichentabelleAnsi() {
  Referenztabelle t = Tabelle("ANSI-Zeichentabelle (Windows-1252)", {"Code", "Zeichen"});
  for (int code = 0; code < 256; ++code) {
    Text1252 zeichen;
    if (code <= 32)
      zeichen = Steuerzeichentabelle()[static_cast<std::size_t>(code)].Kurz;
    else if (code == 127)
      zeichen = Cp1252("DEL");
    else if (CodeZeichen(code, Codeseite::Ansi) != 0)
      zeichen = Text1252(std::string(1, static_cast<char>(code)));
    t.Zeilen.push_back({Text1252::Zahl(code), zeichen});
  }
  return t;
}

}  // namespace kolvaro
