#pragma once
// The two small dialogs that set the tab interval and the wrap column: a bold label, a two-character entry,
// OK and Cancel. Enter anywhere means OK, Esc means Cancel.

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace penwick {

class TNumberSetForm : public QDialog {
  Q_OBJECT
 public:
  QLineEdit* Edit1() const { return edit_; }
  QPushButton* OKBtn() const { return ok_; }
  QPushButton* CancelBtn() const { return cancel_; }
  // The entry as a setting: digits only, 1 to 99; nothing otherwise.
  std::optional<int> Value() const;

 protected:
  TNumberSetForm(const QString& caption, const QString& label, int value, QWidget* parent);

 private:
  QLabel* label_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

class TWrapSetForm : public TNumberSetForm {
  Q_OBJECT
 public:
  explicit TWrapSetForm(int column, QWidget* parent = nullptr);
};

class TTabSetForm : public TNumberSetForm {
  Q_OBJECT
 public:
  explicit TTabSetForm(int interval, QWidget* parent = nullptr);
};

// A setting typed into one of these dialogs: digits only, from 1 to 99.
std::optional<int> SettingFromEntry(const QString& entry);

}  // namespace penwick
