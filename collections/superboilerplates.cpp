#include "collections/superboilerplates.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr int kCount = 8;

const char kToolsText[] =
    "Penwick keeps eight multi-line superboilerplates, each limited to 32K of content by the editing memo. "
    "They are meant for small frameworks you use again and again, such as a table skeleton or a page "
    "head.\n\nWith an editor open, key them with Alt+Ctrl+Top#: one chord brings up the dialog with Type in "
    "Text focused, and its eight buttons reach the others.\n\nThis access lets you work on the contents, "
    "but not type them.\n\nIf anything goes wrong, superbp.ini can be edited by hand: close Penwick without "
    "saving settings, then reopen it.";

QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(true);
  return button;
}

}  // namespace

QStringList SplitSuperBoilerplate(const QString& text) {
  if (text.isEmpty()) return {};
  QStringList lines = text.split(QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) lines.removeLast();
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return lines;
}

QString JoinForTyping(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

TsupBPEd::TsupBPEd(SuperBoilerplates& plates, QWidget* parent) : QDialog(parent), plates_(plates) {
  setWindowTitle(QStringLiteral("SuperBoilerplate"));
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo1"));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setTabChangesFocus(false);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setFocusPolicy(Qt::ClickFocus);  // not in the tab order
  memo_->installEventFilter(this);
  memo_->setMinimumSize(380, 260);

  currentSbp_ = new QLineEdit(QStringLiteral(" Current BP:"), this);
  currentSbp_->setObjectName(QStringLiteral("CurrentSBP"));
  currentSbp_->setReadOnly(true);
  currentSbp_->setFocusPolicy(Qt::ClickFocus);
  currentSbp_->installEventFilter(this);

  typeBtn_ = MakeButton(QStringLiteral("&Type in Text"), QStringLiteral("TypeBtn"), this);
  keep_ = MakeButton(QStringLiteral("&Keep Edit Changes"), QStringLiteral("keepchanges"), this);
  cancel_ = MakeButton(QStringLiteral("&Cancel Edit Changes"), QStringLiteral("cancelChanges"), this);
  for (int n = 1; n <= kCount; ++n) {
    numberBtns_[n - 1] = MakeButton(QStringLiteral("&%1").arg(n), QStringLiteral("Btn%1").arg(n), this);
    connect(numberBtns_[n - 1], &QPushButton::clicked, this, [this, n] { BtnClick(n); });
  }
  editBtn_ = MakeButton(QStringLiteral("E&dit"), QStringLiteral("EditBtn"), this);
  exitBtn_ = MakeButton(QStringLiteral("&Exit"), QStringLiteral("ExitBtn"), this);
  connect(typeBtn_, &QPushButton::clicked, this, &TsupBPEd::TypeBtnClick);
  connect(keep_, &QPushButton::clicked, this, &TsupBPEd::keepchangesClick);
  connect(cancel_, &QPushButton::clicked, this, &TsupBPEd::cancelChangesClick);
  connect(editBtn_, &QPushButton::clicked, this, &TsupBPEd::EditBtnClick);
  connect(exitBtn_, &QPushButton::clicked, this, &TsupBPEd::ExitBtnClick);

  auto* numbers = new QGridLayout;
  for (int n = 1; n <= kCount; ++n) numbers->addWidget(numberBtns_[n - 1], (n - 1) / 4, (n - 1) % 4);
  auto* side = new QVBoxLayout;
  side->addWidget(currentSbp_);
  side->addWidget(typeBtn_);
  side->addWidget(keep_);
  side->addWidget(cancel_);
  side->addLayout(numbers);
  side->addStretch();
  side->addWidget(editBtn_);
  side->addWidget(exitBtn_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(memo_, 1);
  layout->addLayout(side);

  // Type in Text first, so Enter types at once.
  setTabOrder(typeBtn_, keep_);
  setTabOrder(keep_, cancel_);
  QWidget* previous = cancel_;
  for (QPushButton* button : numberBtns_) {
    setTabOrder(previous, button);
    previous = button;
  }
  setTabOrder(previous, editBtn_);
  setTabOrder(editBtn_, exitBtn_);
  typeBtn_->setDefault(true);
  typeBtn_->setFocus();
}

void TsupBPEd::Refill() {
  memo_->setPlainText(
      current_ > 0
          ? JoinForTyping(plates_[current_ - 1]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
          : QString());
}

void TsupBPEd::ShowNumber(int number) {
  if (number < 1 || number > kCount) return;
  current_ = number;
  Refill();
  currentSbp_->setText(QStringLiteral("Current BP: %1").arg(number));
  if (typeBtn_->isEnabled()) typeBtn_->setFocus();
}

void TsupBPEd::DisableTyping() {
  typeBtn_->setEnabled(false);
  typeBtn_->setDefault(false);
  exitBtn_->setDefault(true);
  // Exit first in the tab order.
  setTabOrder(exitBtn_, keep_);
  exitBtn_->setFocus();
}

void TsupBPEd::SetEditOnly() {
  DisableTyping();
  currentSbp_->setText(QStringLiteral("CurrentBP: None"));
}

void TsupBPEd::TypeBtnClick() {
  if (!typeBtn_->isEnabled()) return;
  typeRequest_ = true;
  accept();
}

void TsupBPEd::keepchangesClick() {
  if (current_ == 0) return;
  plates_[current_ - 1] = SplitSuperBoilerplate(memo_->toPlainText());
}

void TsupBPEd::cancelChangesClick() {
  if (current_ == 0) return;
  Refill();
}

void TsupBPEd::BtnClick(int number) { ShowNumber(number); }

void TsupBPEd::EditBtnClick() {
  if (current_ == 0) {
    exitBtn_->setFocus();
    return;
  }
  memo_->setFocus();
  memo_->moveCursor(QTextCursor::Start);
}

void TsupBPEd::ExitBtnClick() { reject(); }

bool TsupBPEd::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == currentSbp_) {
      // The field never keeps the focus.
      (typeBtn_->isEnabled() ? typeBtn_ : exitBtn_)->setFocus();
      return true;
    }
    if (watched == memo_ && current_ == 0) {
      exitBtn_->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GetSBPlates(FrameLink& frame, TEditForm& editor, int number) {
  if (number < 1 || number > kCount) return;
  SuperBoilerplates& plates = frame.AppSettings().superBPlates;
  TsupBPEd dialog(plates, &editor);
  dialog.ShowNumber(number);
  const bool typing = !editor.IsRtfView();
  if (!typing) dialog.DisableTyping();
  frame.Boxes().ui().ExecModal(dialog);
  if (typing && dialog.TypeRequested() && dialog.Current() > 0) {
    editor.Text().ReplaceSelection(JoinForTyping(plates[dialog.Current() - 1]));
  }
}

void SuperBoilerplatesFromTools(FrameLink& frame, QWidget* owner) {
  const MsgResult answer =
      frame.Boxes().Show(QStringLiteral("SuperBoilerplate(s)"), QString::fromLatin1(kToolsText),
                         MsgType::kInformation, MsgButtons::kOk);
  if (answer != MsgResult::kOk) return;
  TsupBPEd dialog(frame.AppSettings().superBPlates, owner);
  dialog.SetEditOnly();
  frame.Boxes().ui().ExecModal(dialog);
}

}  // namespace penwick
