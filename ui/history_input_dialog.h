#pragma once
// The two input boxes: the one with a drop-down history and the plain one. Both are laid out in dialog
// units so they keep their proportions whatever the font.

#include <QDialog>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace penwick {

// Horizontal dialog units are quarters of the font's average letter width, vertical ones eighths of its
// character height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFontMetrics& metrics);

  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int left, int top, int width, int height) const;

  double LetterWidth() const { return letterWidth_; }
  int CharHeight() const { return charHeight_; }

 private:
  double letterWidth_;
  int charHeight_;
};

// Where the controls of an input box go, in pixels for the given font. The field's height is its own.
struct InputBoxGeometry {
  QSize client;
  QPoint prompt;
  QRect field;
  QRect ok;
  QRect cancel;
};
InputBoxGeometry ComputeInputBoxGeometry(const QFontMetrics& metrics, int fieldHeight);

// Moves a top-level widget so that it sits in the middle of its screen (or of the parent's screen).
void CentreOnScreen(QWidget& widget, const QWidget* parent);

inline constexpr int kHistoryFieldMaxLength = 127;
inline constexpr int kTextFieldMaxLength = 255;

// The input box with history: an editable drop-down the user may type in or pick from.
class HistoryInputDialog : public QDialog {
  Q_OBJECT

 public:
  HistoryInputDialog(const QString& caption, const QString& prompt, const QString& fieldText,
                     const QStringList& items, QWidget* parent = nullptr);

  QString FieldText() const;
  QLabel* Prompt() const { return prompt_; }
  QComboBox* Field() const { return field_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* prompt_;
  QComboBox* field_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// The plain single-line input box.
class TextInputDialog : public QDialog {
  Q_OBJECT

 public:
  TextInputDialog(const QString& caption, const QString& prompt, const QString& value,
                  QWidget* parent = nullptr);

  QString Text() const;
  QLabel* Prompt() const { return prompt_; }
  QLineEdit* Field() const { return field_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* prompt_;
  QLineEdit* field_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace penwick
