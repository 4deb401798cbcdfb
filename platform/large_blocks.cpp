// The program's own operator new: the same as the library's, except that a large block comes with its pages
// already in place. A block that big is filled right away (a document's text and colours when a file is
// opened), and the system maps its pages in one call far faster than page by page as each is first written.

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#endif

namespace {

#if defined(__linux__)
constexpr std::size_t kMapFrom = std::size_t(8) << 20;
constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE, which older C library headers do not name
std::atomic<bool> populateWorks{true};

void MapPages(void* block, std::size_t size) {
  if (!populateWorks.load(std::memory_order_relaxed)) return;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(block) + size) & ~(page - 1);
  if (end <= start) return;
  // Systems older than Linux 5.14 refuse the request: the pages then come as they are written, as before.
  if (madvise(reinterpret_cast<void*>(start), end - start, kPopulateWrite) != 0 && errno == EINVAL) {
    populateWorks.store(false, std::memory_order_relaxed);
  }
}
#endif

void* Allocate(std::size_t size) {
  if (size == 0) size = 1;
  for (;;) {
    if (void* block = std::malloc(size)) {
#if defined(__linux__)
      if (size >= kMapFrom) MapPages(block, size);
#endif
      return block;
    }
    const std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

}  // namespace

// The library's operator delete frees what malloc gave, so it stays as it is; the other forms of new call
// these two.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
