#pragma once
// Suspends drawing of a widget for the lifetime of the guard, so the user never sees the steps of a change
// that moves or opens several windows.

#include <QWidget>

namespace penwick {

class UpdateLock {
 public:
  explicit UpdateLock(QWidget* widget) : widget_(widget), was_(widget->updatesEnabled()) {
    widget_->setUpdatesEnabled(false);
  }
  ~UpdateLock() { widget_->setUpdatesEnabled(was_); }
  UpdateLock(const UpdateLock&) = delete;
  UpdateLock& operator=(const UpdateLock&) = delete;

 private:
  QWidget* widget_;
  bool was_;
};

}  // namespace penwick
