// Text in Windows-1252, the character set of every data file and of every
// text the core builds. Its own type keeps it apart from the UTF-8 of the
// edges (Qt, the terminal, the command line's arguments): a text that is
// converted twice or not at all does not compile.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace kolvaro {

class Text1252 {
 public:
  Text1252() = default;
  // Bytes that are Windows-1252 already: a field of a data file, a line of
  // a reference file. The program's own literals go through Cp1252("…").
  explicit Text1252(std::string bytes) : m_Bytes(std::move(bytes)) {}
  explicit Text1252(std::string_view bytes) : m_Bytes(bytes) {}
  // A string literal of the program is UTF-8 (the source's character set)
  // and is converted here; a std::string or a pointer never converts by
  // itself, since nothing tells which character set it holds.
  template <std::size_t N>
  Text1252(const char (&literal)[N]) : Text1252(AusLiteral(literal)) {}  // NOLINT: literals convert implicitly

  // A whole number in decimal digits.
  static Text1252 Zahl(long long n) { return Text1252(std::to_string(n)); }

  const std::string& Bytes() const { return m_Bytes; }
  std::string_view Sicht() const { return m_Bytes; }
  bool empty() const { return m_Bytes.empty(); }
  // The first n characters (all of a shorter text).
  Text1252 Anfang(std::size_t n) const { return Text1252(m_Bytes.substr(0, n)); }
  std::size_t size() const { return m_Bytes.size(); }
  void clear() { m_Bytes.clear(); }

  Text1252& operator+=(const Text1252& rechts) {
    m_Bytes += rechts.m_Bytes;
    return *this;
  }
  // An ASCII character, the same byte in both character sets.
  Text1252& operator+=(char ascii) {
    m_Bytes += ascii;
    return *this;
  }

  friend Text1252 operator+(Text1252 links, const Text1252& rechts) { return links += rechts; }
  friend Text1252 operator+(Text1252 links, char ascii) { return links += ascii; }
  template <std::size_t N>
  friend Text1252 operator+(Text1252 links, const char (&literal)[N]) {
    return links += AusLiteral(literal);
  }
  template <std::size_t N>
  friend Text1252 operator+(const char (&literal)[N], const Text1252& rechts) {
    return AusLiteral(literal) += rechts;
  }
  template <std::size_t N>
  Text1252& operator+=(const char (&literal)[N]) {
    return *this += AusLiteral(literal);
  }

  template <std::size_t N>
  friend bool operator==(const Text1252& links, const char (&literal)[N]) {
    return links == AusLiteral(literal);
  }
  template <std::size_t N>
  friend bool operator!=(const Text1252& links, const char (&literal)[N]) {
    return links != AusLiteral(literal);
  }

  friend bool operator==(const Text1252& a, const Text1252& b) { return a.m_Bytes == b.m_Bytes; }
  friend bool operator!=(const Text1252& a, const Text1252& b) { return a.m_Bytes != b.m_Bytes; }
  friend bool operator<(const Text1252& a, const Text1252& b) { return a.m_Bytes < b.m_Bytes; }

 private:
  static Text1252 AusLiteral(std::string_view utf8);

  std::string m_Bytes;
};

}  // namespace kolvaro
