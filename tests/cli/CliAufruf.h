// Runs the real kolvaro-cli as a user would: the arguments reach it as they
// are (no shell in between), standard input is a file (empty unless the test
// gives it), and standard output and standard error are captured apart, byte
// for byte.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/Textdatei.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::test {

struct CliLauf {
  int Status = -1;  // the exit status; -1 if the program did not end by itself
  std::string Aus;
  std::string Fehler;
};

// Runs kolvaro-cli with the arguments in the directory `ort` (empty: the
// test's own), with the "NAME=wert" entries of `umgebung` added to the
// test's environment and `eingabe` as its standard input.
inline CliLauf CliAufrufen(std::vector<std::string> argumente, const std::filesystem::path& ort = {},
                           std::vector<std::string> umgebung = {}, const std::string& eingabe = {}) {
  TempVerzeichnis temp;
  const std::string einDatei = (temp.Pfad() / "ein").string();
  if (!SchreibeAtomarRoh(einDatei, eingabe)) return {};
  const std::string aus = (temp.Pfad() / "aus").string(), fehler = (temp.Pfad() / "fehler").string();
  argumente.insert(argumente.begin(), KOLVARO_CLI_PFAD);
  std::vector<char*> argv;
  for (auto& a : argumente) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t kind = fork();
  if (kind == 0) {
    const int ein = open(einDatei.c_str(), O_RDONLY);
    const int raus = open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int fehlerraus = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (ein < 0 || raus < 0 || fehlerraus < 0 || dup2(ein, 0) < 0 || dup2(raus, 1) < 0 || dup2(fehlerraus, 2) < 0)
      _exit(126);
    if (!ort.empty() && chdir(ort.c_str()) != 0) _exit(126);
    for (auto& eintrag : umgebung) putenv(eintrag.data());
    execv(argv[0], argv.data());
    _exit(127);
  }
  CliLauf lauf;
  int status = -1;  // not "exited" if waitpid fails
  if (kind > 0) waitpid(kind, &status, 0);
  lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (auto text = DateiInhalt(aus)) lauf.Aus = *text;
  if (auto text = DateiInhalt(fehler)) lauf.Fehler = *text;
  return lauf;
}

}  // namespace kolvaro::test
