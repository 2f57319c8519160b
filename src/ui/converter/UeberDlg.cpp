// The about box.
#include "ui/converter/UeberDlg.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Wechselkursstand.h"
#include "kolvaro_version.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

// Kept in step with the package's metainfo (paket/), which names the same licence.
const char* const kLizenz = "© Ostravin. Alle Rechte vorbehalten (proprietäre Lizenz).";

const char* const kQuellen =
    "Datenquellen:\n"
    "– Einheiten: NIST SP 811 und die gesetzlichen Umrechnungen bei der Einführung des metrischen Systems; "
    "die Quelle jeder Einheit steht in ihrer Zusatzinformation\n"
    "– Chemische Elemente: IUPAC/CIAAW, Standardatomgewichte 2021\n"
    "– Physikalische Konstanten: CODATA 2022\n"
    "– Arbeitsplatzgrenzwerte: TRGS 900, Stand 2024\n"
    "– Nährwerte: Bundeslebensmittelschlüssel (BLS) 3.02, Souci/Fachmann/Kraut\n"
    "– Auslandsvorwahlen: ITU-T E.164\n"
    "– Wechselkurse: Europäische Zentralbank, Polnische Nationalbank, Internationaler Währungsfonds";

QLabel* Zeile(QWidget* eltern, const char* name, const QString& text) {
  auto* label = Beschriftung(eltern, name, text);
  label->setWordWrap(true);
  // Version and sources are what a user copies into a question or a report.
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TUeberDlg::TUeberDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("UeberDlg"), QStringLiteral("Über Kolvaro"), eltern) {
  auto* name = Zeile(this, "ProgrammName", QStringLiteral("Kolvaro"));
  QFont gross = name->font();
  gross.setPointSizeF(gross.pointSizeF() * 1.6);
  gross.setBold(true);
  name->setFont(gross);
  Version = Zeile(this, "Version", QStringLiteral("Version " KOLVARO_VERSION));
  auto* beschreibung = Zeile(this, "Beschreibung",
                             QStringLiteral("Einheitenumrechner: ein Wert in allen Einheiten eines Gebietes auf "
                                            "einen Blick."));
  auto* lizenz = Zeile(this, "Lizenz", QString::fromUtf8(kLizenz));
  auto* quellen = Zeile(this, "Quellen", QString::fromUtf8(kQuellen));
  Wechselkurse = Zeile(this, "Wechselkurse", QString());

  BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  auto* spalte = new QVBoxLayout(this);
  for (QLabel* label : {name, Version, beschreibung, lizenz}) spalte->addWidget(label);
  spalte->addSpacing(8);
  spalte->addWidget(quellen);
  spalte->addWidget(Wechselkurse);
  spalte->addStretch(1);
  spalte->addLayout(RechtsBuendig(BitBtn1));
  setMinimumWidth(480);
}

void TUeberDlg::Vorbereiten() {
  auto stand = Wechselkursstand(m_Konverter.Verzeichnis());
  // The box stays useful without a readable currency file: it says so in its line.
  Wechselkurse->setText(stand && !stand->empty() ? QStringLiteral("Wechselkurse: Stand %1").arg(QtText(*stand))
                                                 : QStringLiteral("Wechselkurse: Stand unbekannt"));
  BitBtn1->setFocus();
}

}  // namespace kolvaro::ui
