// The line cipher of the enciphered data files: a small text cipher with
// ciphertext feedback, modulus 255, written as upper-case hexadecimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvaro {

enum class TActionType { atEncryption, atDecryption };

// The cipher component: input, key and output strings and a direction.
class TEncryption {
 public:
  void SetInput(const std::string& wert) {
    if (wert != m_Input) m_Input = wert;
  }
  void SetOutput(const std::string& wert) {
    if (wert != m_Output) m_Output = wert;
  }
  void SetKey(const std::string& wert) {
    if (wert != m_Key) m_Key = wert;
  }
  void SetAction(TActionType wert) { m_Action = wert; }
  const std::string& Input() const { return m_Input; }
  const std::string& Output() const { return m_Output; }
  const std::string& Key() const { return m_Key; }
  TActionType Action() const { return m_Action; }

  // false when the input is not valid cipher text; Output is then empty.
  bool Execute();

 private:
  std::string m_Input;
  std::string m_Output;
  std::string m_Key;
  TActionType m_Action = TActionType::atEncryption;
};

// Pure forms of the two directions. The start value is given, so that the
// data build tool can produce the same files from the same sources.
std::string Verschluesseln(std::string_view klartext, std::string_view schluessel, std::uint8_t startwert);
// nullopt when a pair is not a hexadecimal number or no pair follows the
// start value.
std::optional<std::string> Entschluesseln(std::string_view geheimtext, std::string_view schluessel);
// The same into a buffer the caller reuses line after line; false when the
// text is not valid cipher text.
bool Entschluesseln(std::string_view geheimtext, std::string_view schluessel, std::string& ziel);

// A uniformly random start value 0..255.
std::uint8_t ZufallsStartwert();

// The three fixed keys of the program.
const std::string& Schluessel(int nummer);

// Encipher/decipher one line with key 1, 2 or 3; any other number uses the
// cipher's built-in default key.
std::string LinieVerschluesseln(std::string_view zeile, int schluesselnummer);
std::optional<std::string> LinieEntschluesseln(std::string_view zeile, int schluesselnummer);
bool LinieEntschluesseln(std::string_view zeile, int schluesselnummer, std::string& ziel);

}  // namespace kolvaro
