// The replay of a fuzz target without libFuzzer: every file of the given
// folders (the target's corpus and its crash inputs) goes once through
// LLVMFuzzerTestOneInput. The test command runs it in the normal and in the
// sanitizer build, so a crash input kept in fuzz/absturz fails the tests
// until its fault is fixed, and the corpus guards against regressions.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

namespace {

namespace fs = std::filesystem;

// The placeholders that keep an empty folder in git are no inputs.
bool IstEingabe(const fs::directory_entry& eintrag) {
  const std::string name = eintrag.path().filename().string();
  return eintrag.is_regular_file() && name.front() != '.' && name != "README.md";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> dateien;
  for (int i = 1; i < argc; ++i) {
    std::error_code fehler;
    if (fs::is_regular_file(argv[i], fehler)) {
      dateien.emplace_back(argv[i]);
      continue;
    }
    if (!fs::is_directory(argv[i], fehler)) {
      std::fprintf(stderr, "Kein Ordner und keine Datei: %s\n", argv[i]);
      return 2;
    }
    for (const auto& eintrag : fs::directory_iterator(argv[i]))
      if (IstEingabe(eintrag)) dateien.push_back(eintrag.path());
  }
  // A fixed order, so that a failure is the same on every machine.
  std::sort(dateien.begin(), dateien.end());
  if (dateien.empty()) {
    std::fprintf(stderr, "Keine Eingaben gefunden\n");
    return 2;
  }
  for (const fs::path& datei : dateien) {
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
      std::fprintf(stderr, "Nicht lesbar: %s\n", datei.c_str());
      return 2;
    }
    const std::vector<char> inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    // Announced before the call: a crash then names its input.
    std::fprintf(stderr, "%s\n", datei.c_str());
    std::fflush(stderr);
    // A heap copy of exactly the input's size, so AddressSanitizer sees a
    // read past its end as libFuzzer's own buffer would show it.
    std::unique_ptr<std::uint8_t[]> puffer(new std::uint8_t[inhalt.size()]);
    std::copy(inhalt.begin(), inhalt.end(), puffer.get());
    LLVMFuzzerTestOneInput(puffer.get(), inhalt.size());
  }
  std::printf("%zu Eingaben wiederholt\n", dateien.size());
  return 0;
}
