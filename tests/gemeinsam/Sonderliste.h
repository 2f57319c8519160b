// A special category's routine on a unit list built in memory: the list,
// one conversion from a unit named as its source, and the texts it left.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Testdaten.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro::test {

class Sonderliste : public ::testing::Test {
 protected:
  // A unit by its name; its row in the file is its place in the list.
  TAusgabetextobject& Anhaengen(const char* name) {
    TAusgabetextobject& t = m_Einheiten.emplace_back();
    t.Einheitenname = Cp1252(name);
    t.Dateizeile = static_cast<int>(m_Einheiten.size()) - 1;
    return t;
  }
  // The source is the last unit of that name.
  Rechenergebnis Rechnen(const char* eingabe, const char* quelle) {
    m_Eingabe = Cp1252(eingabe).Bytes();
    int auswahl = -1;
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      if (m_Einheiten[i].Einheitenname == Cp1252(quelle)) auswahl = static_cast<int>(i);
    EXPECT_GE(auswahl, 0) << quelle;
    Sonderkontext k{m_Eingabe, m_Einheiten, auswahl, m_Verzeichnis.Pfad(), m_Frage};
    return m_Routine(k);
  }
  const TAusgabetextobject& Einheit(const char* name) const {
    for (const auto& e : m_Einheiten)
      if (e.Einheitenname == Cp1252(name)) return e;
    ADD_FAILURE() << name;
    return m_Einheiten.front();
  }
  std::string Fliess(const char* name) const { return Cp1252NachUtf8(Einheit(name).ErgebnisFliess); }
  static std::string Text(const Rechenergebnis& r) { return r.Fehler ? Cp1252NachUtf8(r.Fehler->Text) : ""; }

  Sonderroutine m_Routine = nullptr;
  std::vector<TAusgabetextobject> m_Einheiten;
  std::string m_Eingabe;
  TempVerzeichnis m_Verzeichnis;
  Rueckfrage m_Frage;
};

}  // namespace kolvaro::test
