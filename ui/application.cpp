#include "ui/application.h"

#include <new>

namespace penwick {

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    // A key typed into a huge document, a paste, a command: whatever failed is dropped, and the program
    // goes on so that the user can still save (a text buffer that cannot grow is left as it was).
    if (outOfMemory_ && !reporting_) {
      reporting_ = true;
      outOfMemory_();
      reporting_ = false;
    }
    return false;
  }
}

}  // namespace penwick
