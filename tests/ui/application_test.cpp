#include "ui/application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <new>

namespace penwick {
namespace {

// An object whose handler runs out of memory on its first event only.
class Hungry : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    if (++events == 1) throw std::bad_alloc();
    return true;
  }
  int events = 0;
};

// Running out of memory in an event handler is reported once and the program goes on with the next event.
TEST(ApplicationTest, OutOfMemoryInAHandlerIsReportedNotFatal) {
  auto* app = static_cast<Application*>(QCoreApplication::instance());
  int reports = 0;
  app->SetOutOfMemoryHandler([&reports] { ++reports; });
  Hungry hungry;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&hungry, &event));
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(QCoreApplication::sendEvent(&hungry, &event));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(hungry.events, 2);
  app->SetOutOfMemoryHandler(nullptr);
}

}  // namespace
}  // namespace penwick
