#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

#if defined(__linux__)
// How many of the pages wholly inside the block are in memory.
std::size_t PagesInMemory(const void* block, std::size_t size) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(block) + size) & ~(page - 1);
  std::vector<unsigned char> resident((end - start) / page);
  if (mincore(reinterpret_cast<void*>(start), end - start, resident.data()) != 0) return 0;
  std::size_t count = 0;
  for (unsigned char r : resident) count += r & 1;
  return count;
}

bool SystemMapsPagesOnRequest() {
  const std::size_t size = 1 << 16;
  void* probe = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (probe == MAP_FAILED) return false;
  const bool works = madvise(probe, size, 23 /* MADV_POPULATE_WRITE */) == 0;
  munmap(probe, size);
  return works;
}

// A document-sized block is in memory as soon as it is allocated, before anything is written to it; a small
// one is left to the allocator as before.
TEST(LargeBlocksTest, LargeBlocksComeWithTheirPages) {
  if (!SystemMapsPagesOnRequest()) GTEST_SKIP() << "this system maps pages only as they are written";
  const std::size_t size = std::size_t(32) << 20;
  char* block = new char[size];
  const std::size_t pages = size / static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  EXPECT_GE(PagesInMemory(block, size), pages - 1);
  block[size - 1] = 'x';  // and it is writable memory like any other
  EXPECT_EQ(block[size - 1], 'x');
  delete[] block;
}
#endif

int handlerCalls = 0;

// Memory that cannot be had calls the new-handler until it gives up, then throws, as the standard's new does.
TEST(LargeBlocksTest, ImpossibleSizesCallTheHandlerThenThrow) {
  const std::size_t impossible = std::numeric_limits<std::size_t>::max() / 2;
  handlerCalls = 0;
  std::set_new_handler([] {
    if (++handlerCalls == 3) std::set_new_handler(nullptr);
  });
  EXPECT_THROW(static_cast<void>(::operator new(impossible)), std::bad_alloc);
  EXPECT_EQ(handlerCalls, 3);
  EXPECT_EQ(::operator new(impossible, std::nothrow), nullptr);
}

}  // namespace
