// CSV and HTML of tables.
#include "basis/Tabellentext.h"

namespace kolvaro {

Text1252 CsvText(const std::vector<std::vector<Text1252>>& zeilen) {
  std::string text;
  for (const auto& zeile : zeilen) {
    for (std::size_t i = 0; i < zeile.size(); ++i) {
      if (i > 0) text += ';';
      const std::string_view feld = zeile[i].Sicht();
      if (feld.find_first_of(";\"\r\n") == std::string_view::npos) {
        text += feld;
        continue;
      }
      text += '"';
      for (char c : feld) {
        if (c == '"') text += '"';
        text += c;
      }
      text += '"';
    }
    text += "\r\n";
  }
  return Text1252(std::move(text));
}

namespace {

void Maskiert(std::string& ziel, std::string_view text) {
  for (char c : text) {
    if (c == '&')
      ziel += "&amp;";
    else if (c == '<')
      ziel += "&lt;";
    else if (c == '>')
      ziel += "&gt;";
    else
      ziel += c;
  }
}

}  // namespace

Text1252 HtmlTabelle(const Text1252& ueberschrift, const Text1252& unterzeile,
                     const std::vector<std::vector<Text1252>>& zeilen) {
  std::string html = "<html><body><h2>";
  Maskiert(html, ueberschrift.Sicht());
  html += "</h2><p>";
  Maskiert(html, unterzeile.Sicht());
  html += "</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
  for (std::size_t z = 0; z < zeilen.size(); ++z) {
    const char* zelle = z == 0 ? "th" : "td";
    html += "<tr>";
    for (const Text1252& feld : zeilen[z]) {
      html += std::string("<") + zelle + ">";
      Maskiert(html, feld.Sicht());
      html += std::string("</") + zelle + ">";
    }
    html += "</tr>\n";
  }
  html += "</table></body></html>";
  return Text1252(std::move(html));
}

}  // namespace kolvaro
