// TMyWindow: the commands that open dialogs, the gate of the editing
// commands, and the one way back after a dialog changed data.
#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "basis/Gebietsnamen.h"
#include "ui/Text.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::BefehleVerbinden() {
  // A menu entry works as soon as its dialog exists.
  for (const auto& [aktion, art] : m_Starter) {
    aktion->setEnabled(m_Dialoge->Vorhanden(art));
    connect(aktion, &QAction::triggered, this, [this, art = art] { DialogOeffnen(art); });
  }
  auto verbinden = [this](std::initializer_list<QAction*> aktionen, bool vorhanden,
                          const std::function<void()>& befehl) {
    for (QAction* aktion : aktionen) {
      aktion->setEnabled(vorhanden);
      connect(aktion, &QAction::triggered, this, befehl);
    }
  };
  const Dialoge& d = *m_Dialoge;
  // The new number of digits shows at once where there are results.
  verbinden({Stellen1}, d.Vorhanden(Dialogart::Stellen), [this] {
    DialogOeffnen(Dialogart::Stellen);
    if (m_Konverter.ErgebnisseVorhanden()) RechentasteClick();
  });
  verbinden({Laenderauseinblenden1}, d.Vorhanden(Dialogart::Laender),
            [this] { DialogOeffnenUndRechnen(Dialogart::Laender); });
  verbinden({Einheitensuchen1, ToolButton2}, d.Vorhanden(Dialogart::Suchen), [this] { EinheitenSuchen(); });
  verbinden({Einheiteinblenden1, ToolButton4}, d.Vorhanden(Dialogart::EinheitenEinblenden), [this] {
    Bearbeiten(Bearbeitung::EinheitenEinblenden, [this] { DialogOeffnenUndRechnen(Dialogart::EinheitenEinblenden); });
  });
  verbinden({EigeneEinheiteinfgen1}, d.Vorhanden(Dialogart::EigeneEinheit),
            [this] { Bearbeiten(Bearbeitung::EigeneEinheit, [this] { EigeneEinheitEinfuegen(); }); });
  verbinden({Umrechnungsfaktorndern1}, d.Vorhanden(Dialogart::FaktorAendern),
            [this] { Bearbeiten(Bearbeitung::FaktorAendern, [this] { FaktorAendern(); }); });
  verbinden({Wechselkurseeinlesen1}, d.Vorhanden(Dialogart::KurseEinlesen), [this] {
    Bearbeiten(Bearbeitung::KurseEinlesen, [this] { DialogOeffnenUndRechnen(Dialogart::KurseEinlesen); });
  });
  verbinden({NeuesGebieteinfgen1}, d.Vorhanden(Dialogart::GebietNeu),
            [this] { Bearbeiten(Bearbeitung::GebietNeu, [this] { DialogOeffnen(Dialogart::GebietNeu); }); });
  verbinden({VorhandenesGebietlschen1}, d.Vorhanden(Dialogart::GebietLoeschen),
            [this] { Bearbeiten(Bearbeitung::GebietLoeschen, [this] { DialogOeffnen(Dialogart::GebietLoeschen); }); });
  // Hiding units and deleting hidden ones rewrite the data file without a dialog.
  verbinden({Einheitausblenden1, ToolButton3}, true,
            [this] { Bearbeiten(Bearbeitung::EinheitenAusblenden, [this] { EinheitenAusblenden(); }); });
  verbinden({AusgeblendeteEinheitenlschen1}, true,
            [this] { Bearbeiten(Bearbeitung::AusgeblendeteLoeschen, [this] { AusgeblendeteLoeschen(); }); });
  // Deleting hidden units is offered exactly when there are some.
  connect(qobject_cast<QMenu*>(AusgeblendeteEinheitenlschen1->parent()), &QMenu::aboutToShow, this,
          [this] { AusgeblendeteEinheitenlschen1->setEnabled(m_Konverter.Zaehler().Verborgen >= 1); });
}

void TMyWindow::DialogOeffnen(Dialogart art) {
  if (Dialogbasis* dialog = m_Dialoge->Dialog(art)) NachAenderung(dialog->Ausfuehren());
}

Neuladen TMyWindow::DialogOeffnenUndRechnen(Dialogart art) {
  Neuladen neu = Neuladen::Nichts;
  if (Dialogbasis* dialog = m_Dialoge->Dialog(art)) neu = dialog->Ausfuehren();
  NachAenderung(neu);
  // A reloaded category has converted again already.
  if (neu != Neuladen::Gebiet && neu != Neuladen::Katalog) AutomatischRechnen();
  return neu;
}

void TMyWindow::Bearbeiten(Bearbeitung bearbeitung, const std::function<void()>& befehl) {
  const Rechenergebnis pruefung = BearbeitungPruefen(bearbeitung, m_Konverter.Gebietsname(), m_Passwortabfrage);
  if (pruefung.Fehler) Meldung(*pruefung.Fehler);
  if (pruefung.Erfolg) befehl();
}

void TMyWindow::EigeneEinheitEinfuegen() {
  const Text1252& gebiet = m_Konverter.Gebietsname();
  if (gebiet == gebiet::Waehrungen)
    DialogOeffnen(Dialogart::EigeneEinheitWaehrung);
  else if (gebiet == gebiet::Weltzeit)
    DialogOeffnen(Dialogart::EigeneEinheitWeltzeit);
  else
    DialogOeffnen(Dialogart::EigeneEinheit);
}

void TMyWindow::FaktorAendern() {
  if (m_Konverter.Einheiten().empty()) {
    AutomatischRechnen();
    return;
  }
  const Text1252& gebiet = m_Konverter.Gebietsname();
  Dialogart art = Dialogart::FaktorAendern;
  if (gebiet == gebiet::Weltzeit)
    art = Dialogart::FaktorAendernWeltzeit;
  else if (gebiet == gebiet::Waehrungen)
    art = Dialogart::WaehrungstabelleAendern;
  DialogOeffnenUndRechnen(art);
}

void TMyWindow::NachAenderung(Neuladen was) {
  switch (was) {
    case Neuladen::Nichts:
      break;
    case Neuladen::Liste: {
      m_Konverter.SetErgebnisseVorhanden(false);
      const int zeile = AuswahlIndex();
      ListeFuellen();
      AuswahlSetzen(zeile);
      EinheitAnzeigen();
      AusgangVerbergen();
      InfoAnzeigen();
      break;
    }
    case Neuladen::Gebiet:
      ComboBox2Change();
      break;
    case Neuladen::Katalog:
      KatalogNeuLaden();
      break;
  }
}

void TMyWindow::KatalogNeuLaden() {
  // The category the converter holds stays chosen where it still exists: the
  // one on show, or the one a dialog chose (a new one, the first after a deletion).
  const QString vorher = QtText(m_Konverter.Gebietsname());
  if (auto geladen = m_Konverter.KatalogLaden(); !geladen) {
    Meldung(geladen.Fehler());
    return;
  }
  ComboBox2->clear();
  for (const auto& eintrag : m_Konverter.Katalog()) ComboBox2->addItem(QtText(eintrag.Gebietsname));
  ComboBox2->setCurrentIndex(std::max(0, ComboBox2->findText(vorher)));
  ComboBox2Change();
}

}  // namespace kolvaro::ui
