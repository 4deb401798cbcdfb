#include "markup/codes_dialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/profile.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

bool Printable(int code) { return (code >= 33 && code <= 126) || (code >= 161 && code <= 255); }

QString CodeCharacter(int code) {
  const char32_t ch = Cp1252ToUnicode(static_cast<unsigned char>(code));
  return QString::fromUcs4(&ch, 1);
}

QString CodeLabel(int code) {
  switch (code) {
    case 32:
      return QStringLiteral("(space)");
    case 145:
      return QStringLiteral("(left fancy single quote)");
    case 146:
      return QStringLiteral("(right fancy single quote)");
    case 147:
      return QStringLiteral("(left fancy double quote)");
    case 148:
      return QStringLiteral("(right fancy double quote)");
    case 150:
      return QStringLiteral("(en dash)");
    case 151:
      return QStringLiteral("(em dash)");
    case 160:
      return QStringLiteral("(\"hard\" space)");
    default:
      return Printable(code) ? CodeCharacter(code) : QString();
  }
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

QString CodeRowText(int code) { return QStringLiteral("   %1: ").arg(code) + CodeLabel(code); }

QString CodeOverviewText() {
  QString chart;
  int onLine = 0;
  for (int code = 33; code <= 255; ++code) {
    if (!Printable(code)) continue;
    if (onLine == 10) {
      chart += QLatin1Char('\n');
      onLine = 0;
    }
    if (onLine > 0) chart += QStringLiteral("   ");
    chart += QStringLiteral("%1:").arg(code) + CodeCharacter(code);
    ++onLine;
  }
  return chart +
         QStringLiteral(
             "\n\n145 to 148 are the typographic (fancy) quotes, single and double, left and right; 150 "
             "and 151 are the en and em dashes.");
}

CodeSearch SearchCode(const QString& entry) {
  if (entry.isEmpty()) return {CodeSearch::Action::kFocusEntry};
  const QList<uint> characters = entry.toUcs4();
  if (characters.size() == 1 && !(characters[0] >= '0' && characters[0] <= '9')) {
    // A character stands for its code-page byte: the euro sign is 128, never row 8364.
    const int code = characters[0] < 128 ? static_cast<int>(characters[0]) : UnicodeToCp1252(characters[0]);
    if (code < 0) return {CodeSearch::Action::kBadEntry};
    return {CodeSearch::Action::kGoTo, code};
  }
  const std::optional<int> number = StrToInt(entry);
  if (!number) return {CodeSearch::Action::kBadEntry};
  if (*number < 0) return {CodeSearch::Action::kClearEntry};
  return {CodeSearch::Action::kGoTo, std::min(*number, 255)};
}

TeCodesf::TeCodesf(MessageBoxes& boxes, int lastRow, QWidget* parent)
    : QDialog(parent), boxes_(boxes), lastRow_(std::clamp(lastRow, 0, 255)) {
  setObjectName(QStringLiteral("TeCodesf"));
  setWindowTitle(QStringLiteral("ANSI Codes"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(
      new QLabel(QStringLiteral("Scroll to look for an item, select it, type it into text as escape.")));

  auto* panel = new QFrame;
  panel->setFrameShape(QFrame::StyledPanel);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(
      new QLabel(QStringLiteral("Type a number to start a scroll search from.\n"
                                "(Hold down Alt, put 0 in front of number >32\n"
                                "to see (some) characters in the Edit field.\n"
                                "It's ok if you see only a black block.)")));
  entry_ = new QLineEdit;
  entry_->setMaxLength(3);
  entry_->setFixedWidth(entry_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  entry_->installEventFilter(this);
  panelLayout->addWidget(entry_);
  auto* go = new QPushButton(QStringLiteral("&Go!"));
  go->setAutoDefault(false);
  panelLayout->addWidget(go);
  layout->addWidget(panel);

  list_ = new QListWidget;
  for (int code = 0; code <= 255; ++code) list_->addItem(CodeRowText(code));
  list_->setMinimumHeight(list_->fontMetrics().height() * 16);
  list_->installEventFilter(this);
  layout->addWidget(list_);

  auto* buttons = new QHBoxLayout;
  type_ = new QPushButton(QStringLiteral("&Type as HTML/XML Escape Code"));
  auto* overview = new QPushButton(QStringLiteral("&Overview"));
  close_ = new QPushButton(QStringLiteral("&Close"));
  buttons->addWidget(type_);
  buttons->addWidget(overview);
  buttons->addWidget(close_);
  layout->addLayout(buttons);

  connect(go, &QPushButton::clicked, this, &TeCodesf::GoClick);
  connect(type_, &QPushButton::clicked, this, &TeCodesf::TypeClick);
  connect(overview, &QPushButton::clicked, this, &TeCodesf::OverviewClick);
  connect(close_, &QPushButton::clicked, this, &TeCodesf::CloseClick);

  pickedCode_.clear();
  list_->setCurrentRow(lastRow_);
  list_->setFocus();
}

void TeCodesf::TypeClick() {
  const int row = list_->currentRow();
  if (row < 0) return;
  pickedCode_ = QString::number(row);
  lastRow_ = row;
  accept();
}

void TeCodesf::GoClick() {
  const CodeSearch search = SearchCode(entry_->text());
  switch (search.action) {
    case CodeSearch::Action::kFocusEntry:
      entry_->setFocus();
      return;
    case CodeSearch::Action::kBadEntry:
      boxes_.Show(
          QStringLiteral("Bad Pick List Entry"),
          QLatin1Char('"') + entry_->text() + QStringLiteral("\" is not an integer \rbetween 0 and 255."),
          MsgType::kInformation, MsgButtons::kOk);
      entry_->clear();
      entry_->setFocus();
      return;
    case CodeSearch::Action::kClearEntry:
      entry_->clear();
      entry_->setFocus();
      return;
    case CodeSearch::Action::kGoTo:
      entry_->clear();
      list_->setCurrentRow(search.row);
      list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtTop);
      list_->setFocus();
      return;
  }
}

void TeCodesf::OverviewClick() {
  boxes_.Show(QStringLiteral("ANSI Key Codes"), CodeOverviewText(), MsgType::kInformation, MsgButtons::kOk);
  list_->setFocus();
}

bool TeCodesf::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched == list_) {
    // Enter and Escape only move the focus: a second press works the button that has it.
    if (IsEnter(key)) {
      type_->setFocus();
      return true;
    }
    if (key == Qt::Key_Escape) {
      close_->setFocus();
      return true;
    }
  } else if (watched == entry_) {
    if (IsEnter(key)) {
      GoClick();
      return true;
    }
    if (key == Qt::Key_Escape) {
      entry_->clear();
      list_->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TeCodesf::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
  list_->setFocus();
}

}  // namespace penwick
