#pragma once
// The Help menu's "Getting Started" essays: short texts on ways of writing with Penwick, each shown in an
// information box.

#include <span>

namespace penwick {

class MessageBoxes;

struct Essay {
  const char* menuCaption;  // sub-items are indented by four blanks
  const char* boxCaption;
  const char* text;
};

inline constexpr int kEssayCount = 23;
// The essays in menu order.
std::span<const Essay, kEssayCount> GettingStartedEssays();
// Shows essay number index (0-based) in its information box.
void GettingStartedClick(MessageBoxes& boxes, int index);

}  // namespace penwick
