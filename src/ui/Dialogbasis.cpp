// The common behaviour of the dialogs.
#include "ui/Dialogbasis.h"

#include <QAction>

#include "ui/Hilfefenster.h"
#include "ui/Zugaenglichkeit.h"

namespace kolvaro::ui {

Dialogbasis::Dialogbasis(const Dialogumgebung& umgebung, const QString& formname, const QString& titel, QWidget* eltern,
                         bool modal)
    : QDialog(eltern), m_Konverter(umgebung.Zustand), m_Plattform(umgebung.Dienste), m_Umgebung(umgebung) {
  ZugaenglichkeitEinrichten();
  setObjectName(formname);
  setWindowTitle(titel);
  setModal(modal);
  // F1 works wherever the focus is in the dialog, even in a field that
  // would take other keys itself.
  auto* hilfe = new QAction(this);
  hilfe->setObjectName(QStringLiteral("HilfeF1"));
  hilfe->setShortcut(QKeySequence(Qt::Key_F1));
  addAction(hilfe);
  connect(hilfe, &QAction::triggered, this, [this] {
    const QString seite = HilfeseiteFuer(objectName());
    m_Plattform.HilfeOeffnen(seite.isEmpty() ? kHilfeInhalt : seite);
  });
}

void Dialogbasis::showEvent(QShowEvent* ereignis) {
  NamenAusBeschriftungen(this);
  QDialog::showEvent(ereignis);
}

Neuladen Dialogbasis::Ausfuehren() {
  m_Neuladen = Neuladen::Nichts;
  Vorbereiten();
  NamenAusBeschriftungen(this);
  if (!isModal()) {
    show();
    raise();
    activateWindow();
    return Neuladen::Nichts;
  }
  exec();
  return m_Neuladen;
}

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text) {
  auto* label = new QLabel(text, eltern);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* Dialogbasis::SchliessenKnopf() {
  auto* knopf = new QPushButton(QStringLiteral("&Schließen"), this);
  knopf->setObjectName(QStringLiteral("BitBtn1"));
  knopf->setDefault(true);
  connect(knopf, &QPushButton::clicked, this, &QDialog::reject);
  return knopf;
}

QHBoxLayout* Dialogbasis::RechtsBuendig(QWidget* knopf) {
  auto* zeile = new QHBoxLayout;
  zeile->addStretch();
  zeile->addWidget(knopf);
  return zeile;
}

Dialogbasis::OkAbbrechen Dialogbasis::OkAbbrechenZeile(const char* okName, const char* abbrechenName,
                                                       Eingabetaste eingabe, const QString& okText,
                                                       std::initializer_list<QPushButton*> links) {
  auto* ok = new QPushButton(okText, this);
  ok->setObjectName(QString::fromLatin1(okName));
  auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
  abbrechen->setObjectName(QString::fromLatin1(abbrechenName));
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  if (eingabe == Eingabetaste::Ok) ok->setDefault(true);
  if (eingabe == Eingabetaste::Keinen) {
    for (QPushButton* knopf : links) knopf->setAutoDefault(false);
    ok->setAutoDefault(false);
    abbrechen->setAutoDefault(false);
  }

  auto* zeile = new QHBoxLayout;
  for (QPushButton* knopf : links) zeile->addWidget(knopf);
  zeile->addStretch(1);
  zeile->addWidget(ok);
  zeile->addWidget(abbrechen);
  return {ok, abbrechen, zeile};
}

void Dialogbasis::AenderungMelden(Neuladen was) {
  if (static_cast<int>(was) > static_cast<int>(m_Neuladen)) m_Neuladen = was;
}

}  // namespace kolvaro::ui
