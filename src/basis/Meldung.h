// What the core hands to the user interface instead of showing anything:
// the program's own message text (Windows-1252) and the kind of box; and
// Resultat, the one shape of every core call that can fail.
//
// A call that can fail returns Resultat<T>: the value, or the message that
// says why not (Resultat<> carries only the message). Readers of a text that
// only tell whether it has their form (ZahlLesen, DatumLesen, ...) return
// std::optional: there is nothing to say beyond "not of that form".
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "basis/Text1252.h"

namespace kolvaro {

enum class Meldungsart { Fehler, Information, Warnung, Schlicht };

struct Meldung {
  Meldungsart Art = Meldungsart::Fehler;
  Text1252 Text;
};

inline Meldung FehlerMeldung(Text1252 text) { return {Meldungsart::Fehler, std::move(text)}; }
inline Meldung InfoMeldung(Text1252 text) { return {Meldungsart::Information, std::move(text)}; }

// A message that may be there, as a field of a result struct.
using OptMeldung = std::optional<Meldung>;

template <typename T = void>
class [[nodiscard]] Resultat {
 public:
  Resultat(T wert) : m_Inhalt(std::in_place_index<0>, std::move(wert)) {}
  Resultat(Meldung meldung) : m_Inhalt(std::in_place_index<1>, std::move(meldung)) {}

  bool Ok() const { return m_Inhalt.index() == 0; }
  explicit operator bool() const { return Ok(); }

  T& operator*() & { return std::get<0>(m_Inhalt); }
  const T& operator*() const& { return std::get<0>(m_Inhalt); }
  T&& operator*() && { return std::get<0>(std::move(m_Inhalt)); }
  T* operator->() { return &std::get<0>(m_Inhalt); }
  const T* operator->() const { return &std::get<0>(m_Inhalt); }

  const Meldung& Fehler() const { return std::get<1>(m_Inhalt); }

 private:
  std::variant<T, Meldung> m_Inhalt;
};

template <>
class [[nodiscard]] Resultat<void> {
 public:
  Resultat() = default;
  Resultat(Meldung meldung) : m_Fehler(std::move(meldung)) {}

  bool Ok() const { return !m_Fehler; }
  explicit operator bool() const { return Ok(); }
  const Meldung& Fehler() const { return *m_Fehler; }

 private:
  std::optional<Meldung> m_Fehler;
};

}  // namespace kolvaro
