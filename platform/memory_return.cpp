#include "platform/memory_return.h"

#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace penwick {

void ReturnFreeMemorySoon() {
#if defined(__GLIBC__)
  // glibc keeps the freed pages of a closed document in its heap (large blocks stop being mapped on their
  // own once one has been freed), so a closed window would leave its memory with the process.
  static bool pending = false;
  if (pending) return;
  pending = true;
  QTimer::singleShot(0, [] {
    pending = false;
    malloc_trim(0);
  });
#endif
}

}  // namespace penwick
