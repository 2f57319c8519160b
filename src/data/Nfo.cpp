#include "data/Nfo.h"

#include "data/Geheimdatei.h"

namespace kolvaro {

Resultat<std::vector<std::string>> NfoLesen(const std::filesystem::path& verzeichnis, const std::string& datei,
                                            std::size_t kopfzeilen) {
  Geheimleseart art;
  art.Schluessel = 1;
  art.Kopfzeilen = kopfzeilen;
  art.LeereUeberspringen = true;
  return GeheimdateiLesen(verzeichnis / datei, art);
}

}  // namespace kolvaro
