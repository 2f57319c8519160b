// What the fuzz targets share: taking an input apart into a few choosing
// bytes and the text under test, and stopping on a violated property. The
// targets are also built with gcc for the replay of their corpora, so this
// stands in for clang's FuzzedDataProvider.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace kolvaro::fuzz {

class Eingabe {
 public:
  Eingabe(const std::uint8_t* daten, std::size_t groesse) : m_Rest(reinterpret_cast<const char*>(daten), groesse) {}

  // The next byte; 0 once the input is used up, so that short inputs still
  // choose something.
  std::uint8_t Byte() {
    if (m_Rest.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(m_Rest.front());
    m_Rest.remove_prefix(1);
    return b;
  }

  // The next sizeof(T) bytes as a T, missing bytes zero.
  template <typename T>
  T Wert() {
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t n = m_Rest.size() < sizeof(T) ? m_Rest.size() : sizeof(T);
    std::memcpy(bytes, m_Rest.data(), n);
    m_Rest.remove_prefix(n);
    T wert;
    std::memcpy(&wert, bytes, sizeof(T));
    return wert;
  }

  // Up to n further bytes.
  std::string_view Text(std::size_t n) {
    const std::string_view teil = m_Rest.substr(0, n);
    m_Rest.remove_prefix(teil.size());
    return teil;
  }

  // Everything not yet taken.
  std::string_view Rest() {
    const std::string_view rest = m_Rest;
    m_Rest = {};
    return rest;
  }

 private:
  std::string_view m_Rest;
};

// A violated property ends the run with abort(): libFuzzer keeps the input
// as a crash, and the replay fails. The texts are printed with escapes, as
// they often hold bytes that a terminal would swallow.
inline void Zeigen(const char* name, std::string_view text) {
  std::fprintf(stderr, "%s (%zu Bytes): \"", name, text.size());
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
      std::fputc(c, stderr);
    else
      std::fprintf(stderr, "\\x%02X", c);
  }
  std::fprintf(stderr, "\"\n");
}

inline void Pruefen(bool gilt, const char* eigenschaft, std::string_view eingabe, std::string_view ergebnis = {}) {
  if (gilt) return;
  std::fprintf(stderr, "Eigenschaft verletzt: %s\n", eigenschaft);
  Zeigen("Eingabe", eingabe);
  if (!ergebnis.empty()) Zeigen("Ergebnis", ergebnis);
  std::abort();
}

}  // namespace kolvaro::fuzz
