#include "ui/history_input_dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace penwick {

namespace {

// Both boxes share one design: client area 180 x 63, prompt at (8,8), field at (8,19) 164 wide, OK and
// Cancel 50 x 14 at (38,41) and (92,41).
constexpr int kClientWidth = 180;
constexpr int kClientHeight = 63;
constexpr int kMargin = 8;
constexpr int kFieldTop = 19;
constexpr int kFieldWidth = 164;
constexpr int kButtonTop = 41;
constexpr int kOkLeft = 38;
constexpr int kCancelLeft = 92;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

struct BoxParts {
  QLabel* prompt;
  QPushButton* ok;
  QPushButton* cancel;
};

BoxParts MakeParts(QDialog& dialog, const QString& caption, const QString& prompt) {
  dialog.setWindowTitle(caption);
  auto* label = new QLabel(prompt, &dialog);
  // The prompt is shown as it is, never as markup.
  label->setTextFormat(Qt::PlainText);
  auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  return {label, ok, cancel};
}

// Absolute positions rather than layouts, so the box looks the same whatever the style's spacing.
void PlaceParts(QDialog& dialog, const BoxParts& parts, QWidget& field) {
  const InputBoxGeometry geometry = ComputeInputBoxGeometry(dialog.fontMetrics(), field.sizeHint().height());
  parts.prompt->move(geometry.prompt);
  parts.prompt->resize(parts.prompt->sizeHint());
  field.setGeometry(geometry.field);
  parts.ok->setGeometry(geometry.ok);
  parts.cancel->setGeometry(geometry.cancel);
  QWidget::setTabOrder(&field, parts.ok);
  QWidget::setTabOrder(parts.ok, parts.cancel);
  dialog.setFixedSize(geometry.client);
  field.setFocus();
  CentreOnScreen(dialog, dialog.parentWidget());
}

}  // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : letterWidth_(
          metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
          52.0),
      charHeight_(metrics.height()) {}

int DialogUnits::X(int units) const { return qRound(units * letterWidth_ / 4.0); }

int DialogUnits::Y(int units) const { return qRound(units * charHeight_ / 8.0); }

QRect DialogUnits::Rect(int left, int top, int width, int height) const {
  return QRect(X(left), Y(top), X(width), Y(height));
}

InputBoxGeometry ComputeInputBoxGeometry(const QFontMetrics& metrics, int fieldHeight) {
  const DialogUnits units(metrics);
  InputBoxGeometry geometry;
  geometry.client = QSize(units.X(kClientWidth), units.Y(kClientHeight));
  geometry.prompt = QPoint(units.X(kMargin), units.Y(kMargin));
  geometry.field = QRect(units.X(kMargin), units.Y(kFieldTop), units.X(kFieldWidth), fieldHeight);
  geometry.ok = units.Rect(kOkLeft, kButtonTop, kButtonWidth, kButtonHeight);
  geometry.cancel = units.Rect(kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight);
  return geometry;
}

void CentreOnScreen(QWidget& widget, const QWidget* parent) {
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(), widget.size());
  frame.moveCenter(screen->availableGeometry().center());
  widget.move(frame.topLeft());
}

HistoryInputDialog::HistoryInputDialog(const QString& caption, const QString& prompt,
                                       const QString& fieldText, const QStringList& items, QWidget* parent)
    : QDialog(parent) {
  const BoxParts parts = MakeParts(*this, caption, prompt);
  prompt_ = parts.prompt;
  ok_ = parts.ok;
  cancel_ = parts.cancel;

  field_ = new QComboBox(this);
  field_->setEditable(true);
  field_->setInsertPolicy(QComboBox::NoInsert);
  // What the user types is what is searched for: no completion from the history behind their back.
  field_->setCompleter(nullptr);
  field_->lineEdit()->setMaxLength(kHistoryFieldMaxLength);
  field_->addItems(items);
  field_->setEditText(fieldText);
  prompt_->setBuddy(field_);

  PlaceParts(*this, parts, *field_);
}

QString HistoryInputDialog::FieldText() const { return field_->currentText(); }

void HistoryInputDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  field_->lineEdit()->selectAll();
}

TextInputDialog::TextInputDialog(const QString& caption, const QString& prompt, const QString& value,
                                 QWidget* parent)
    : QDialog(parent) {
  const BoxParts parts = MakeParts(*this, caption, prompt);
  prompt_ = parts.prompt;
  ok_ = parts.ok;
  cancel_ = parts.cancel;

  field_ = new QLineEdit(this);
  field_->setMaxLength(kTextFieldMaxLength);
  field_->setText(value);
  prompt_->setBuddy(field_);

  PlaceParts(*this, parts, *field_);
}

QString TextInputDialog::Text() const { return field_->text(); }

void TextInputDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  field_->selectAll();
}

}  // namespace penwick
