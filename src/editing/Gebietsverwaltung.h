// Categories of the user's own: adding one with its data file, its catalogue
// entry and its information block, deleting one, and purging the hidden
// units from a category's data file. Also the writers of the catalogue
// (Gruppen.nfo) and the information texts (Gebiet.nfo).
//
// The three files of a category belong together: a block of Gebiet.nfo is
// found by the position of its entry in Gruppen.nfo. Every operation here
// writes them in an order that leaves them consistent when a write fails,
// and puts back what it had written before.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "data/Katalog.h"

namespace kolvaro {

// ---- the two plain files ----

// Gruppen.nfo: one line "Gebietsname TAB Datendatei TAB Bezugseinheit" per entry.
Resultat<> KatalogSchreiben(const std::filesystem::path& verzeichnis, const std::vector<Gebietseintrag>& katalog);

// The information blocks 1..anzahl of the joined text that InfotextLaden
// gives, each without the line breaks that frame it in the file (a block may
// hold line breaks of its own, CR LF).
std::vector<std::string> InfoBloecke(const std::string& infotext, std::size_t anzahl);

// Gebiet.nfo: every block, then a line "*".
Resultat<> InfotexteSchreiben(const std::filesystem::path& verzeichnis, const std::vector<std::string>& bloecke);

// ---- a new category ----

// The fields of the new-category dialog.
struct NeuesGebiet {
  Text1252 Gebietsname;
  Text1252 Grundeinheit;
  Text1252 Kurzzeichen;
  Text1252 SonstigeNamen;
  Text1252 Einsatzgebiet;
  Text1252 Landname;     // the country of the reference unit
  Text1252 Information;  // line breaks as CR LF
  Text1252 Dateiname;    // without ".DAT"
};

// Proposes a data file name for a category name: upper case, umlauts and
// accents spelt with plain letters (Länge -> LAENGE), other characters
// left out, at most 8 characters; never a device name. Empty when nothing
// usable is left.
Text1252 DateinameVorschlagen(const Text1252& gebietsname);

// Where a category of this name goes: before the first entry whose name
// comes after it alphabetically (AlphabetischVergleichen); last if none does.
int Einfuegeposition(const std::vector<Gebietseintrag>& katalog, const Text1252& gebietsname);

// Checks the input and, when it is sound, writes the data file with the
// reference unit, the information block and the catalogue entry. Every
// check runs: several refusals are shown in order, all but the last in
// Vorher and the last as Fehler, and Feld names the last one's field.
Rechenergebnis GebietAnlegen(const std::filesystem::path& verzeichnis, const NeuesGebiet& neu);

// ---- deleting ----

// The question before a category is deleted.
Text1252 GebietLoeschenFrage(const Text1252& gebietsname);

// Asks, then removes the category's block and entry and deletes its data
// file. Erfolg only when it was deleted; No ends without anything. The last
// category is not deleted: the converter cannot work without one.
Rechenergebnis GebietLoeschen(const std::filesystem::path& verzeichnis, const Text1252& gebietsname,
                              const Rueckfrage& frage);

// Asks, then rewrites the data file with the shown units only (refused
// where the conversion addresses the units by their line). On success the
// note to show is in Nachher and GebietNeuLaden is set, since the line
// numbers of the remaining units changed.
Rechenergebnis AusgeblendeteEinheitenLoeschen(const std::filesystem::path& verzeichnis, const Text1252& gebietsname,
                                              std::string_view datendatei, const Rueckfrage& frage);

}  // namespace kolvaro
