// The memory of a kolvaro-cli run.
//
// A run lives a few milliseconds and asks for about a megabyte while it
// reads a data file and builds the unit list. Handed out by malloc page by
// page, every new 4 KB page costs a page fault, and on a virtual machine
// those faults took longer than reading and converting together. So the
// run's allocations come from one 2 MB block, aligned so that the kernel can
// back it with a single huge page where it offers them. Nothing in the block
// is given back singly: the block goes with the process. What does not fit
// any more is taken from malloc as usual.
//
// Linked only into kolvaro-cli, and not into the sanitizer builds, whose
// allocator must see every allocation.
#include <sys/mman.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kBlock = std::size_t{2} << 20;
constexpr std::size_t kAusrichtung = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

struct Block {
  char* Anfang = nullptr;
  std::size_t Groesse = 0;
};

// Twice the size is reserved so that an aligned block lies inside; the
// pages never touched cost nothing.
Block BlockAnlegen() {
  void* p = ::mmap(nullptr, 2 * kBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return {};
  const auto adresse = reinterpret_cast<std::uintptr_t>(p);
  char* anfang = static_cast<char*>(p) + ((kBlock - adresse % kBlock) % kBlock);
#ifdef MADV_HUGEPAGE
  ::madvise(anfang, kBlock, MADV_HUGEPAGE);  // a hint: without huge pages the block still serves
#endif
  return {anfang, kBlock};
}

const Block& LaufBlock() {
  static const Block block = BlockAnlegen();
  return block;
}

std::atomic<std::size_t> g_Belegt{0};

void* ImBlock(std::size_t n) {
  const Block& block = LaufBlock();
  if (n > block.Groesse) return nullptr;
  const std::size_t gerundet = (n + kAusrichtung - 1) & ~(kAusrichtung - 1);
  std::size_t belegt = g_Belegt.load(std::memory_order_relaxed);
  do {
    if (gerundet > block.Groesse - belegt) return nullptr;
  } while (!g_Belegt.compare_exchange_weak(belegt, belegt + gerundet, std::memory_order_relaxed));
  return block.Anfang + belegt;
}

bool AusDemBlock(void* p) {
  const Block& block = LaufBlock();
  auto* c = static_cast<char*>(p);
  return block.Anfang != nullptr && c >= block.Anfang && c < block.Anfang + block.Groesse;
}

void* Holen(std::size_t n) {
  if (void* p = ImBlock(n)) return p;
  for (;;) {
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void Freigeben(void* p) noexcept {
  if (p != nullptr && !AusDemBlock(p)) std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return Holen(n); }
void* operator new[](std::size_t n) { return Holen(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return Holen(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { Freigeben(p); }
void operator delete[](void* p) noexcept { Freigeben(p); }
void operator delete(void* p, std::size_t) noexcept { Freigeben(p); }
void operator delete[](void* p, std::size_t) noexcept { Freigeben(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Freigeben(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Freigeben(p); }
