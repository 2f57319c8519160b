// A platform that records every message box and every help page asked for,
// answers questions from a script, and has its own clipboard.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "ui/Plattform.h"

namespace kolvaro::ui::test {

class FakePlattform : public Plattform {
 public:
  struct Box {
    QString Art;
    QString Text;
  };

  void Fehler(const QString& text) override { Boxen.push_back({QStringLiteral("Fehler"), text}); }
  void Warnung(const QString& text) override { Boxen.push_back({QStringLiteral("Warnung"), text}); }
  void Information(const QString& text) override { Boxen.push_back({QStringLiteral("Information"), text}); }
  void Schlicht(const QString& text) override { Boxen.push_back({QStringLiteral("Schlicht"), text}); }
  Antwort Frage(const QString& text, bool) override {
    Boxen.push_back({QStringLiteral("Frage"), text});
    if (Antworten.empty()) return Antwort::Nein;
    Antwort a = Antworten.front();
    Antworten.pop_front();
    return a;
  }
  void ZwischenablageSetzen(const QString& text) override { Ablage = text; }
  QString Zwischenablage() override { return Ablage; }
  // The next file name the user "chooses"; empty: cancelled.
  QString SpeicherortWaehlen(const QString&, const QString& vorschlag, const QString&) override {
    Vorschlaege << vorschlag;
    return Speicherort;
  }
  // The next file the user "opens"; empty: cancelled.
  QString DateiOeffnenWaehlen(const QString& titel, const QString&) override {
    Oeffnungstitel << titel;
    return Oeffnungsort;
  }
  bool Drucken(const QString&, const QString& html) override {
    Drucke << html;
    return DruckenGelingt;
  }
  bool DruckenGelingt = true;
  bool HilfeOeffnen(const QString& seite) override {
    HilfeSeiten << seite;
    return true;
  }
  void HilfeSchliessen() override { ++HilfeGeschlossen; }
  void SanduhrAn() override { ++Sanduhren; }
  void SanduhrAus() override { --Sanduhren; }

  QStringList Texte(const QString& art) const {
    QStringList t;
    for (const auto& b : Boxen)
      if (b.Art == art) t << b.Text;
    return t;
  }

  std::vector<Box> Boxen;
  std::deque<Antwort> Antworten;
  QString Ablage;
  QString Speicherort;
  QStringList Vorschlaege;
  QString Oeffnungsort;
  QStringList Oeffnungstitel;
  QStringList Drucke;  // the HTML of every printout
  QStringList HilfeSeiten;
  int HilfeGeschlossen = 0;
  int Sanduhren = 0;
};

}  // namespace kolvaro::ui::test
