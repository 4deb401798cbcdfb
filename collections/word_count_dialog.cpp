#include "collections/word_count_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "collections/word_counter.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "platform/file_io.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kHelpText[] =
    "The labels of the buttons are the manual.\n\n"
    "In an HTML or XML file the counts differ with Skip HTML/XML Tags ticked (what is inside tags is left "
    "out) or not (the tags' contents are counted as text).\n\n"
    "A hyphen at the end of a line welds the two pieces into one word. Two hyphens, three periods, the "
    "ellipsis and the en and em dashes break words; words joined by one hyphen count as two. Word-wrap that "
    "breaks a line at a hyphen loses a word.";

}  // namespace

Tcountf::Tcountf(FrameLink& frame, const QString& path, QWidget* parent) : QDialog(parent), frame_(frame) {
  setObjectName(QStringLiteral("countf"));
  setWindowTitle(QStringLiteral("Word Counter"));
  auto* label1 = new QLabel(QStringLiteral("Path\\filename of the file in which to count words:"), this);
  Edit1_ = new QLineEdit(path, this);
  Edit1_->setObjectName(QStringLiteral("Edit1"));
  Edit1_->setMinimumWidth(420);
  CheckBox1_ = new QCheckBox(QStringLiteral("&Skip HTML/XML Tags"), this);
  CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
  Button1_ = new QPushButton(QStringLiteral("Count &Words"), this);
  Button1_->setObjectName(QStringLiteral("Button1"));
  auto* button2 = new QPushButton(QStringLiteral("&OK"), this);
  button2->setObjectName(QStringLiteral("Button2"));
  auto* copyBtn = new QPushButton(QStringLiteral("&Copy"), this);
  copyBtn->setObjectName(QStringLiteral("CopyBtn"));
  auto* helpBtn = new QPushButton(QStringLiteral("&Help"), this);
  helpBtn->setObjectName(QStringLiteral("HelpBtn"));
  Memo1_ = new QPlainTextEdit(this);
  Memo1_->setObjectName(QStringLiteral("Memo1"));
  Memo1_->setReadOnly(true);
  Memo1_->setMinimumHeight(170);
  auto* label2 = new QLabel(QStringLiteral("Word Counter "), this);
  QFont big = label2->font();
  big.setPointSize(18);
  big.setItalic(true);
  label2->setFont(big);
  label2->setStyleSheet(QStringLiteral("color: blue"));
  // No button is the default: Enter in the path or the box moves on to Count Words instead of closing.
  for (QPushButton* button : {Button1_, button2, copyBtn, helpBtn}) button->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CheckBox1_);
  buttons->addStretch();
  for (QPushButton* button : {Button1_, button2, copyBtn, helpBtn}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1);
  layout->addWidget(Edit1_);
  layout->addLayout(buttons);
  layout->addWidget(Memo1_, 1);
  layout->addWidget(label2);

  connect(Button1_, &QPushButton::clicked, this, [this] { frame_.RunCommand([this] { Button1Click(); }); });
  connect(button2, &QPushButton::clicked, this, &QDialog::accept);
  connect(copyBtn, &QPushButton::clicked, this, &Tcountf::CopyBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, &Tcountf::HelpBtnClick);
  connect(CheckBox1_, &QCheckBox::clicked, Button1_, [this] { Button1_->setFocus(); });
  for (QWidget* w : {static_cast<QWidget*>(Edit1_), static_cast<QWidget*>(CheckBox1_), Memo1_->viewport(),
                     static_cast<QWidget*>(Memo1_)}) {
    w->installEventFilter(this);
  }
}

bool Tcountf::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == CheckBox1_) CheckBox1_->toggle();
      if (watched == Edit1_ || watched == CheckBox1_) {
        Button1_->setFocus();
        return true;
      }
    }
  }
  // The report only shows: clicking it or tabbing into it moves on to Count Words.
  if ((watched == Memo1_ || watched == Memo1_->viewport()) &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)) {
    Button1_->setFocus();
    return event->type() == QEvent::MouseButtonPress;
  }
  return QDialog::eventFilter(watched, event);
}

void Tcountf::Button1Click() {
  const QString path = Edit1_->text();
  MessageBoxes& boxes = frame_.Boxes();
  if (KindOfPath(path) == PathKind::kMissing) {
    boxes.Show(QStringLiteral("Failure to load"), QStringLiteral("File doesn't exist!"),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  WordCount count;
  QString error;
  const bool skipTags = CheckBox1_->isChecked();
  if (!CountWordsInFile(path, skipTags, &count, &error)) {
    boxes.ShowError(error);
    return;
  }
  const QLocale locale;
  const QDateTime now = QDateTime::currentDateTime();
  const QStringList report = {
      locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(now.time(), QLocale::LongFormat),
      QStringLiteral("File: ") + path,
      QString(),
      (skipTags ? QStringLiteral("Words counted (skipping tag content): ")
                : QStringLiteral("Words counted: ")) +
          QString::number(count.words),
      QString(),
      QStringLiteral("Lines counted: ") + QString::number(count.lines),
      QString(),
      QStringLiteral("Bytes counted: ") + QString::number(count.bytes),
      QString(),
  };
  Memo1_->setPlainText(report.join(QLatin1Char('\n')));
}

void Tcountf::CopyBtnClick() {
  Memo1_->selectAll();
  QGuiApplication::clipboard()->setText(Memo1_->toPlainText());
}

void Tcountf::HelpBtnClick() {
  frame_.Boxes().Show(QStringLiteral("Word Counter"), QString::fromLatin1(kHelpText), MsgType::kInformation,
                      MsgButtons::kOk);
}

void WordCounter1(FrameLink& frame, TEditForm* active, QWidget* owner) {
  RunState& run = frame.Run();
  if (active) run.wordCountFile = active->FileName();
  const QString& file = run.wordCountFile;
  const bool unnamed = file.isEmpty() || NamePart(file) == QLatin1String(kNewFile);
  Tcountf dialog(frame, unnamed ? frame.AppSettings().wordCounter : file, owner);
  frame.Boxes().ui().ExecModal(dialog);
  frame.AppSettings().wordCounter = dialog.Edit1()->text();
}

}  // namespace penwick
