#include "reference/Rtf.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace {

struct Format {
  bool Fett = false;
  bool Kursiv = false;
  int HalbePunkte = 24;
  int Farbe = 0;
  bool Ueberspringen = false;  // inside a destination we do not show
  bool InTabelle = false;      // \intbl of the current paragraph
  bool operator==(const Format& o) const {
    return Fett == o.Fett && Kursiv == o.Kursiv && HalbePunkte == o.HalbePunkte && Farbe == o.Farbe;
  }
};

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Leser {
 public:
  explicit Leser(std::string_view rtf) : m_Rtf(rtf) {}

  std::optional<Rtfdokument> Lesen() {
    if (m_Rtf.substr(0, 5) != "{\\rtf") return std::nullopt;
    std::vector<Format> stapel;
    while (m_Pos < m_Rtf.size()) {
      const char c = m_Rtf[m_Pos];
      if (c == '{') {
        ++m_Pos;
        stapel.push_back(m_Format);
        if (stapel.size() > 200) return std::nullopt;
        GruppenanfangPruefen();
      } else if (c == '}') {
        ++m_Pos;
        if (stapel.empty()) return std::nullopt;
        if (m_InFarbtabelle && !m_Format.Ueberspringen) m_InFarbtabelle = false;
        const bool inTabelle = m_Format.InTabelle;
        m_Format = stapel.back();
        m_Format.InTabelle = inTabelle;  // paragraph properties outlive the group
        stapel.pop_back();
      } else if (c == '\\') {
        Steuerwort();
      } else if (c == '\r' || c == '\n') {
        ++m_Pos;
      } else {
        ++m_Pos;
        Zeichen(c);
      }
    }
    if (!stapel.empty()) return std::nullopt;
    StueckSchliessen();
    if (!m_Inhalt.empty() || !m_InhaltText.empty()) AbsatzEnde();
    TabelleSchliessen();
    return Rtfdokument{Text1252(m_Html), Text1252(m_Text)};
  }

 private:
  // A group that starts with "\*" or names a destination that is not text.
  void GruppenanfangPruefen() {
    if (m_Rtf.substr(m_Pos, 2) == "\\*") m_Format.Ueberspringen = true;
    for (std::string_view ziel : {"\\fonttbl", "\\stylesheet", "\\info", "\\pict", "\\header", "\\footer"})
      if (m_Rtf.substr(m_Pos, ziel.size()) == ziel) m_Format.Ueberspringen = true;
    if (m_Rtf.substr(m_Pos, 9) == "\\colortbl") {
      m_InFarbtabelle = true;
      m_Farben.clear();
      m_Farbe = {0, 0, 0};
      m_Pos += 9;
    }
  }

  void Steuerwort() {
    ++m_Pos;  // the backslash
    if (m_Pos >= m_Rtf.size()) return;
    const char c = m_Rtf[m_Pos];
    if (c == '\'') {
      const int hoch = m_Pos + 1 < m_Rtf.size() ? Hex(m_Rtf[m_Pos + 1]) : -1;
      const int tief = m_Pos + 2 < m_Rtf.size() ? Hex(m_Rtf[m_Pos + 2]) : -1;
      if (hoch < 0 || tief < 0) {
        ++m_Pos;
        return;
      }
      m_Pos += 3;
      Zeichen(static_cast<char>(hoch * 16 + tief));
      return;
    }
    if (c == '\\' || c == '{' || c == '}') {
      ++m_Pos;
      Zeichen(c);
      return;
    }
    if (c == '~') {
      ++m_Pos;
      Zeichen('\xA0');
      return;
    }
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++m_Pos;  // another control symbol
      return;
    }
    std::size_t anfang = m_Pos;
    while (m_Pos < m_Rtf.size() && std::isalpha(static_cast<unsigned char>(m_Rtf[m_Pos]))) ++m_Pos;
    const std::string wort(m_Rtf.substr(anfang, m_Pos - anfang));
    bool mitZahl = false;
    long zahl = 0;
    bool negativ = false;
    if (m_Pos < m_Rtf.size() && m_Rtf[m_Pos] == '-') {
      negativ = true;
      ++m_Pos;
    }
    while (m_Pos < m_Rtf.size() && std::isdigit(static_cast<unsigned char>(m_Rtf[m_Pos]))) {
      mitZahl = true;
      if (zahl < 1000000) zahl = zahl * 10 + (m_Rtf[m_Pos] - '0');
      ++m_Pos;
    }
    if (negativ) zahl = -zahl;
    if (m_Pos < m_Rtf.size() && m_Rtf[m_Pos] == ' ') ++m_Pos;  // the delimiter belongs to the word
    Ausfuehren(wort, mitZahl, zahl);
  }

  void Ausfuehren(const std::string& wort, bool mitZahl, long zahl) {
    if (m_InFarbtabelle) {
      if (wort == "red") m_Farbe[0] = static_cast<int>(zahl);
      if (wort == "green") m_Farbe[1] = static_cast<int>(zahl);
      if (wort == "blue") m_Farbe[2] = static_cast<int>(zahl);
      return;
    }
    if (m_Format.Ueberspringen) return;
    if (wort == "par") {
      if (m_Format.InTabelle)
        Text("<br>", "");
      else
        AbsatzEnde();
    } else if (wort == "b") {
      m_Format.Fett = !mitZahl || zahl != 0;
    } else if (wort == "i") {
      m_Format.Kursiv = !mitZahl || zahl != 0;
    } else if (wort == "fs" && mitZahl && zahl > 0 && zahl < 400) {
      m_Format.HalbePunkte = static_cast<int>(zahl);
    } else if (wort == "cf" && mitZahl) {
      m_Format.Farbe = static_cast<int>(zahl);
    } else if (wort == "pard") {
      m_Format.InTabelle = false;
    } else if (wort == "plain") {
      m_Format.Fett = m_Format.Kursiv = false;
      m_Format.HalbePunkte = 24;
      m_Format.Farbe = 0;
    } else if (wort == "intbl") {
      m_Format.InTabelle = true;
    } else if (wort == "tab") {
      Text("&nbsp;&nbsp;&nbsp;&nbsp;", "\t");
    } else if (wort == "cell") {
      StueckSchliessen();
      m_Zellen.push_back(m_Inhalt);
      m_ZellenText.push_back(m_InhaltText);
      m_Inhalt.clear();
      m_InhaltText.clear();
    } else if (wort == "row") {
      ZeileEnde();
    } else if (wort == "trowd") {
      m_Zellen.clear();
      m_ZellenText.clear();
    }
  }

  // A character of text (Windows-1252) in the current format.
  void Zeichen(char c) {
    if (m_InFarbtabelle) {
      if (c == ';') {
        m_Farben.push_back(m_Farbe);
        m_Farbe = {0, 0, 0};
      }
      return;
    }
    if (m_Format.Ueberspringen) return;
    std::string html;
    switch (c) {
      case '&':
        html = "&amp;";
        break;
      case '<':
        html = "&lt;";
        break;
      case '>':
        html = "&gt;";
        break;
      case '"':
        html = "&quot;";
        break;
      default:
        html = std::string(1, c);
    }
    Text(html, std::string(1, c == '\xA0' ? ' ' : c));
  }

  void Text(const std::string& html, const std::string& text) {
    if (!(m_StueckFormat == m_Format) || !m_StueckOffen) {
      StueckSchliessen();
      m_StueckFormat = m_Format;
      m_StueckOffen = true;
    }
    m_Stueck += html;
    m_InhaltText += text;
  }

  // Ends the run of text in one format.
  void StueckSchliessen() {
    if (!m_StueckOffen) return;
    m_StueckOffen = false;
    if (m_Stueck.empty()) return;
    std::string stil = "font-size:" + std::to_string(m_StueckFormat.HalbePunkte / 2) +
                       (m_StueckFormat.HalbePunkte % 2 ? ".5" : "") + "pt";
    if (m_StueckFormat.Fett) stil += ";font-weight:bold";
    if (m_StueckFormat.Kursiv) stil += ";font-style:italic";
    const auto farbe = static_cast<std::size_t>(m_StueckFormat.Farbe);
    if (farbe > 0 && farbe < m_Farben.size()) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "#%02x%02x%02x", m_Farben[farbe][0] & 0xFF, m_Farben[farbe][1] & 0xFF,
                    m_Farben[farbe][2] & 0xFF);
      stil += ";color:";
      stil += hex;
    }
    m_Inhalt += "<span style=\"" + stil + "\">" + m_Stueck + "</span>";
    m_Stueck.clear();
  }

  void AbsatzEnde() {
    StueckSchliessen();
    TabelleSchliessen();
    m_Html += "<p>" + m_Inhalt + "</p>\n";
    m_Text += m_InhaltText + "\n";
    m_Inhalt.clear();
    m_InhaltText.clear();
  }

  void ZeileEnde() {
    StueckSchliessen();
    if (!m_TabelleOffen) {
      m_Html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
      m_TabelleOffen = true;
    }
    m_Html += "<tr>";
    for (const std::string& zelle : m_Zellen) m_Html += "<td>" + zelle + "</td>";
    m_Html += "</tr>\n";
    for (std::size_t i = 0; i < m_ZellenText.size(); ++i) m_Text += (i ? "\t" : "") + m_ZellenText[i];
    m_Text += "\n";
    m_Zellen.clear();
    m_ZellenText.clear();
    m_Inhalt.clear();
    m_InhaltText.clear();
  }

  void TabelleSchliessen() {
    if (!m_TabelleOffen) return;
    m_Html += "</table>\n";
    m_TabelleOffen = false;
  }

  std::string_view m_Rtf;
  std::size_t m_Pos = 0;
  Format m_Format;
  bool m_InFarbtabelle = false;
  std::array<int, 3> m_Farbe{};
  std::vector<std::array<int, 3>> m_Farben;
  Format m_StueckFormat;
  bool m_StueckOffen = false;
  std::string m_Stueck;
  std::string m_Inhalt, m_InhaltText;  // the paragraph or cell being read
  std::vector<std::string> m_Zellen, m_ZellenText;
  bool m_TabelleOffen = false;
  std::string m_Html, m_Text;
};

}  // namespace

std::optional<Rtfdokument> RtfLesen(std::string_view rtf) { return Leser(rtf).Lesen(); }

Resultat<Rtfdokument> KonfektionLesen(const std::filesystem::path& verzeichnis, int gruppe) {
  const char* datei = kKonfektionsdateien[gruppe >= 0 && gruppe < 3 ? gruppe : 0];
  auto inhalt = DateiInhalt(verzeichnis / datei);
  if (!inhalt) return inhalt.Fehler();
  auto dokument = RtfLesen(*inhalt);
  if (!dokument)
    return FehlerMeldung("Die Datei \"" + Cp1252(datei) + "\" ist beschädigt: kein lesbares RTF-Dokument.");
  return *dokument;
}

}  // namespace kolvaro
