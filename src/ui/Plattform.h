// Everything the program asks of its surroundings besides widgets: message
// boxes, the clipboard, the manual and the hourglass cursor. The program
// uses QtPlattform; tests use a recording fake.
#pragma once

#include <QString>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"

namespace kolvaro::ui {

enum class Antwort { Ok, Ja, Nein, Abbrechen };

class Plattform {
 public:
  virtual ~Plattform() = default;

  // Message boxes: error and warning with OK, information with OK, a plain
  // box without symbol, and a question with Yes/No (or Yes/No/Cancel).
  virtual void Fehler(const QString& text) = 0;
  virtual void Warnung(const QString& text) = 0;
  virtual void Information(const QString& text) = 0;
  virtual void Schlicht(const QString& text) = 0;
  virtual Antwort Frage(const QString& text, bool mitAbbrechen) = 0;

  virtual void ZwischenablageSetzen(const QString& text) = 0;
  virtual QString Zwischenablage() = 0;

  // Asks where to save a file (the file dialog with the filter, e.g.
  // "CSV-Dateien (*.csv)", and a proposed name); empty when cancelled.
  virtual QString SpeicherortWaehlen(const QString& titel, const QString& vorschlag, const QString& filter) = 0;
  // Asks which existing file to open (the file dialog with the filter);
  // empty when cancelled.
  virtual QString DateiOeffnenWaehlen(const QString& titel, const QString& filter) = 0;

  // Prints an HTML page through the print dialog with a preview (which
  // also saves it as PDF).
  // False when the printer or the PDF file reported a failure (not when
  // the user cancelled).
  virtual bool Drucken(const QString& titel, const QString& html) = 0;

  // Shows a page of the manual by its file name ("index.html",
  // "molmasse.html"); false if the page cannot be shown.
  virtual bool HilfeOeffnen(const QString& seite) = 0;
  virtual void HilfeSchliessen() = 0;

  virtual void SanduhrAn() = 0;
  virtual void SanduhrAus() = 0;
};

// Shows the hourglass for the lifetime of the object.
class Sanduhr {
 public:
  explicit Sanduhr(Plattform& plattform) : m_Plattform(plattform) { m_Plattform.SanduhrAn(); }
  ~Sanduhr() { m_Plattform.SanduhrAus(); }
  Sanduhr(const Sanduhr&) = delete;
  Sanduhr& operator=(const Sanduhr&) = delete;

 private:
  Plattform& m_Plattform;
};

// Shows a message of the core in the box its kind asks for.
void MeldungZeigen(Plattform& plattform, const Meldung& meldung);

// The questions of a core operation, asked in a Yes/No/Cancel box.
Rueckfrage RueckfrageUeber(Plattform& plattform);

}  // namespace kolvaro::ui
