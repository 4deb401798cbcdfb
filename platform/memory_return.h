#pragma once
// Handing memory that is no longer used back to the system.

namespace penwick {

// Soon after the current event is handled (calls before then are merged into one), gives the memory the
// allocator holds free back to the system. Where the C library returns freed memory by itself, does nothing.
void ReturnFreeMemorySoon();

}  // namespace penwick
