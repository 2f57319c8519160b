// Core messages and questions through the platform's boxes.
#include "ui/Plattform.h"

#include "ui/Text.h"

namespace kolvaro::ui {

void MeldungZeigen(Plattform& plattform, const Meldung& meldung) {
  const QString text = QtText(meldung.Text);
  switch (meldung.Art) {
    case Meldungsart::Fehler:
      plattform.Fehler(text);
      break;
    case Meldungsart::Warnung:
      plattform.Warnung(text);
      break;
    case Meldungsart::Information:
      plattform.Information(text);
      break;
    case Meldungsart::Schlicht:
      plattform.Schlicht(text);
      break;
  }
}

Rueckfrage RueckfrageUeber(Plattform& plattform) {
  return [&plattform](const Text1252& frage) {
    switch (plattform.Frage(QtText(frage), true)) {
      case Antwort::Ja:
        return FrageAntwort::Ja;
      case Antwort::Nein:
        return FrageAntwort::Nein;
      default:
        return FrageAntwort::Abbrechen;
    }
  };
}

}  // namespace kolvaro::ui
