#pragma once
// The program's QApplication: the place where an event handler that runs out of memory is stopped before it
// ends the program and every unsaved window with it.

#include <QApplication>
#include <functional>

namespace penwick {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv) : QApplication(argc, argv) {}

  // Called (never while it runs already) when an event handler threw std::bad_alloc; the event is dropped
  // and the program goes on.
  void SetOutOfMemoryHandler(std::function<void()> handler) { outOfMemory_ = std::move(handler); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::function<void()> outOfMemory_;
  bool reporting_ = false;
};

}  // namespace penwick
