#pragma once
// Sets or clears an environment variable for one test and puts the old value back.

#include <QByteArray>
#include <optional>

namespace penwick::test {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<QByteArray>& value)
      : name_(name), saved_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
    Set(value);
  }
  ~ScopedEnv() { Set(saved_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const std::optional<QByteArray>& value) {
    if (value) {
      qputenv(name_, *value);
    } else {
      qunsetenv(name_);
    }
  }
  const char* name_;
  std::optional<QByteArray> saved_;
};

}  // namespace penwick::test
