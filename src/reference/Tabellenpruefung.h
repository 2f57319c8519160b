// The shape of the reference tables the viewers and the molar-mass
// calculator read: each file there, deciphered, with the fields its viewer
// shows in every line; and the clothing-size documents readable.
#pragma once

#include <filesystem>

#include "data/Pruefbericht.h"

namespace kolvaro {

void TabellenPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht);

}  // namespace kolvaro
