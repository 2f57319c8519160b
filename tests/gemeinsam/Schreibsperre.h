// Makes writes of the process fail while the object lives: the limit of the
// file size is set (0 by default, and its signal ignored), so a write past
// it ends with EFBIG; smaller files and reading still work. File permissions
// would not do: the tests may run as root.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace kolvaro::test {

class Schreibsperre {
 public:
  explicit Schreibsperre(rlim_t groesste = 0) {
    ::getrlimit(RLIMIT_FSIZE, &m_Vorher);
    m_Signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit gesperrt = m_Vorher;
    gesperrt.rlim_cur = groesste;
    ::setrlimit(RLIMIT_FSIZE, &gesperrt);
  }
  ~Schreibsperre() {
    ::setrlimit(RLIMIT_FSIZE, &m_Vorher);
    std::signal(SIGXFSZ, m_Signal);
  }
  Schreibsperre(const Schreibsperre&) = delete;
  Schreibsperre& operator=(const Schreibsperre&) = delete;

 private:
  rlimit m_Vorher{};
  void (*m_Signal)(int) = nullptr;
};

}  // namespace kolvaro::test
