// The figures of the area calculator and the solids of the solid
// calculator: their inputs, results, checks and formulas, and the one
// calculation both dialogs run.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Rechenergebnis.h"
#include "basis/Text1252.h"

namespace kolvaro {

inline constexpr int kRecheneingaben = 5;
using Eingabewerte = std::array<long double, kRecheneingaben>;
using Ergebniswerte = std::array<long double, 3>;

// The check between two inputs that some figures make before calculating.
enum class Figurpruefung {
  Keine,
  DGroesserKleinD,      // input 2 (d) below input 1 (D)
  WinkelHoechstens360,  // input 2 (the angle) at most 360
  BGroesserA,           // input 2 (a) below input 3 (b)
  Eckenzahl,            // input 1 (n) a whole number from 3 on
};

struct Rechenfigur {
  Text1252 Name;                       // the list entry
  std::string Bild;                    // the drawing; the formula picture is Bild + "_F"
  std::vector<Text1252> Eingaben;      // captions of the inputs used, 1 to 5
  std::array<Text1252, 3> Ergebnisse;  // captions of the results; empty: none
  Figurpruefung Pruefung = Figurpruefung::Keine;
  Ergebniswerte (*Rechnen)(const Eingabewerte& e) = nullptr;
};

// The thirteen plane figures and the sixteen solids in list order.
const std::vector<Rechenfigur>& Flaechenfiguren();
const std::vector<Rechenfigur>& Koerperfiguren();

// The figure of the list by its name; nullptr if unknown.
const Rechenfigur* FigurFinden(const std::vector<Rechenfigur>& liste, const Text1252& name);

// Reads the texts of the inputs the figure uses ("," or "." as decimal
// mark), checks them and calculates. A text that is no number gives the
// wrong-input message with the focus on its field (Wert1 to Wert5); a 0 stops silently;
// otherwise Werte holds the three result texts (empty where the figure has
// no such result). A result that is no real, finite number is reported.
Rechenergebnis FigurBerechnen(const Rechenfigur& figur, const std::array<Text1252, kRecheneingaben>& texte);

}  // namespace kolvaro
