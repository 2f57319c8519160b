// The command line's memory block, in a test program of its own that uses
// it for all its allocations (gtest's own included).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

bool Ausgerichtet(const void* p) { return reinterpret_cast<std::uintptr_t>(p) % __STDCPP_DEFAULT_NEW_ALIGNMENT__ == 0; }

// Many small blocks, then more than the 2 MB block holds: each allocation
// is aligned, none overlaps another, every byte keeps what was written,
// and freeing both kinds (from the block and from malloc) is fine.
TEST(Laufspeicher, GibtGetrennteAusgerichteteBloeckeAuchUeberDenBlockHinaus) {
  struct Stueck {
    char* Anfang;
    std::size_t Groesse;
  };
  std::vector<Stueck> stuecke;
  stuecke.reserve(20000);
  for (std::size_t i = 0; i < 20000; ++i) {
    const std::size_t groesse = 1 + (i * 37) % 300;  // about 3 MB in all
    auto* p = static_cast<char*>(::operator new(groesse));
    ASSERT_TRUE(Ausgerichtet(p)) << i;
    std::fill(p, p + groesse, static_cast<char>(i));
    stuecke.push_back({p, groesse});
  }
  auto* gross = static_cast<char*>(::operator new (std::size_t{3} << 20));  // never fits the block
  EXPECT_TRUE(Ausgerichtet(gross));
  gross[0] = gross[(std::size_t{3} << 20) - 1] = 'x';

  std::vector<Stueck> sortiert = stuecke;
  std::sort(sortiert.begin(), sortiert.end(), [](const Stueck& a, const Stueck& b) { return a.Anfang < b.Anfang; });
  for (std::size_t i = 1; i < sortiert.size(); ++i)
    ASSERT_LE(sortiert[i - 1].Anfang + sortiert[i - 1].Groesse, sortiert[i].Anfang);
  for (std::size_t i = 0; i < stuecke.size(); ++i)
    ASSERT_TRUE(std::all_of(stuecke[i].Anfang, stuecke[i].Anfang + stuecke[i].Groesse, [&](char c) {
      return c == static_cast<char>(i);
    })) << i;

  ::operator delete(gross);
  for (const Stueck& s : stuecke) ::operator delete(s.Anfang, s.Groesse);
}

TEST(Laufspeicher, ContainerUndNothrowWieGewohnt) {
  std::vector<std::string> texte;
  for (int i = 0; i < 100000; ++i) texte.push_back("Einheit Nummer " + std::to_string(i));
  EXPECT_EQ(texte[99999], "Einheit Nummer 99999");
  auto feld = std::make_unique<int[]>(1000);
  feld[999] = 7;
  EXPECT_EQ(feld[999], 7);
  void* p = ::operator new(16, std::nothrow);
  EXPECT_NE(p, nullptr);
  ::operator delete(p, std::nothrow);
  // More than any machine has: nothrow answers null, the plain form throws.
  EXPECT_EQ(::operator new (~std::size_t{0} / 2, std::nothrow), nullptr);
  EXPECT_THROW((void)::operator new (~std::size_t{0} / 2), std::bad_alloc);
}

}  // namespace
