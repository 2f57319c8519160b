// CSV files and printouts of tables.
#include "ui/Tabellenausgabe.h"

#include <QDate>

#include "basis/Tabellentext.h"
#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"
#include "ui/Plattform.h"
#include "ui/Text.h"

namespace kolvaro::ui {

void AlsCsvSpeichern(Plattform& plattform, const QString& vorschlag, const std::vector<std::vector<Text1252>>& zeilen) {
  const QString pfad = plattform.SpeicherortWaehlen(QStringLiteral("Als CSV speichern"), vorschlag,
                                                    QStringLiteral("CSV-Dateien (*.csv)"));
  if (pfad.isEmpty()) return;
  // UTF-8 with its mark: spreadsheets then read the umlauts right.
  const std::string inhalt = "\xEF\xBB\xBF" + Cp1252NachUtf8(CsvText(zeilen));
  if (auto geschrieben = SchreibeAtomarRoh(pfad.toStdString(), inhalt); !geschrieben)
    MeldungZeigen(plattform, geschrieben.Fehler());
}

void TabelleDrucken(Plattform& plattform, const Text1252& ueberschrift,
                    const std::vector<std::vector<Text1252>>& zeilen) {
  const Text1252 stand = "Stand: " + Cp1252(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
  if (!plattform.Drucken(QtText(ueberschrift), QtText(HtmlTabelle(ueberschrift, stand, zeilen))))
    plattform.Fehler(QStringLiteral(
        "Die Tabelle konnte nicht gedruckt werden. Bitte den Drucker oder den Speicherort der PDF-Datei prüfen."));
}

}  // namespace kolvaro::ui
