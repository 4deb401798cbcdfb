#include "collections/bookmark_notes.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/search_commands.h"
#include "editor/text_control.h"
#include "ui/help_viewer.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kExplanation[] =
    "Go to Line (F6) remembers the line numbers you go to, so they can serve as informal bookmarks,\n"
    "but that list lasts only while Penwick runs.\n"
    "Notes kept here survive: write the file, the line number and what is marked there,\n"
    "in short lines ended with Return, so each fits the settings file.\n"
    "Select a line number and press the button below to go to that line.";

const char kNoSelection[] = "No line number selected";

}  // namespace

TBMForm::TBMForm(FrameLink& frame, std::function<TEditForm*()> activeEditor, QWidget* parent)
    : QDialog(parent), frame_(frame), activeEditor_(std::move(activeEditor)) {
  setObjectName(QStringLiteral("BMForm"));
  setWindowTitle(QStringLiteral("Bookmark Notes"));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* layout = new QVBoxLayout(this);
  auto* menuBar = new QMenuBar(this);
  QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
  QAction* paste = edit->addAction(QStringLiteral("&Paste"), this, &TBMForm::Paste1Click);
  paste->setShortcut(QKeySequence(QStringLiteral("Shift+Ins")));
  QAction* copy = edit->addAction(QStringLiteral("&Copy"), this, &TBMForm::Copy1Click);
  copy->setShortcut(QKeySequence(QStringLiteral("Ctrl+Ins")));
  QAction* copyAll = edit->addAction(QStringLiteral("Cop&y whole set"), this, &TBMForm::CopyWholeSet1Click);
  copyAll->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Ins")));
  for (QAction* action : {paste, copy, copyAll}) addAction(action);
  layout->setMenuBar(menuBar);

  Panel1_ = new QLabel(QString::fromLatin1(kExplanation), this);
  Panel1_->setObjectName(QStringLiteral("Panel1"));
  Panel1_->setTextFormat(Qt::PlainText);
  Panel1_->setFrameShape(QFrame::Panel);
  Panel1_->setFrameShadow(QFrame::Sunken);
  layout->addWidget(Panel1_);

  Memo1_ = new QPlainTextEdit(this);
  Memo1_->setObjectName(QStringLiteral("Memo1"));
  Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1_->setTabChangesFocus(false);
  Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1_->installEventFilter(this);
  layout->addWidget(Memo1_, 1);

  auto* buttons = new QHBoxLayout;
  GoToSelect_ = new QPushButton(QStringLiteral("Select Number && Press to Go"), this);
  GoToSelect_->setObjectName(QStringLiteral("GoToSelect"));
  Button1_ = new QPushButton(QStringLiteral("&Close"), this);
  Button1_->setObjectName(QStringLiteral("Button1"));
  Button2_ = new QPushButton(QStringLiteral("&Help"), this);
  Button2_->setObjectName(QStringLiteral("Button2"));
  for (QPushButton* button : {GoToSelect_, Button1_, Button2_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(GoToSelect_, &QPushButton::clicked, this,
          [this] { frame_.RunCommand([this] { GoToSelectClick(); }); });
  connect(Button1_, &QPushButton::clicked, this, &QDialog::close);
  connect(Button2_, &QPushButton::clicked, this, [this] { frame_.RunCommand([this] { Button2Click(); }); });

  const QStringList& notes = frame_.AppSettings().bookmarkNotes;
  if (!notes.isEmpty()) Memo1_->setPlainText(notes.join(QLatin1Char('\n')));
  resize(520, 360);
}

void TBMForm::FormActivate() {
  TEditForm* editor = activeEditor_();
  // With no editor window open there is no line count to offer.
  GoToSelect_->setText(
      editor ? QStringLiteral("Select Number (<=%1) && Press to Go").arg(editor->Text().LineCount())
             : QStringLiteral("Select Number && Press to Go"));
  Memo1_->setFocus();
}

void TBMForm::GoToSelectClick() {
  RunState& run = frame_.Run();
  QTextCursor cursor = Memo1_->textCursor();
  if (!cursor.hasSelection()) {
    frame_.Boxes().Show(QString::fromLatin1(kNoSelection),
                        QStringLiteral("You have not selected a valid line\nnumber from your note pad."),
                        MsgType::kWarning, MsgButtons::kOk);
    Memo1_->setFocus();
    return;
  }
  // Lines of a selection come with paragraph separators.
  QString selected = cursor.selectedText();
  selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  run.bookmarkGoto = selected;
  const bool digits = std::all_of(selected.begin(), selected.end(),
                                  [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); });
  if (!digits) {
    Reject(selected + QStringLiteral(" is not a valid line number."));
    return;
  }
  TEditForm* editor = activeEditor_();
  if (!editor) {
    // The pad outlives the editor windows: nothing to go to, the pad stays open.
    run.bookmarkGoto.clear();
    frame_.Boxes().Show(
        QStringLiteral("No editor window"),
        QStringLiteral("Open the file first: there is no editor window to go to line %1 in.").arg(selected),
        MsgType::kWarning, MsgButtons::kOk);
    Memo1_->setFocus();
    return;
  }
  run.gotoHistory = HistoryAfterOk(selected, run.gotoHistory);
  Gotoline1Click(*editor);
  run.bookmarkGoto.clear();
  editor->Editor()->activateWindow();
  close();
}

void TBMForm::Reject(const QString& text) {
  frame_.Run().bookmarkGoto.clear();
  frame_.Boxes().Show(QString::fromLatin1(kNoSelection), text, MsgType::kWarning, MsgButtons::kOk);
  QTextCursor cursor = Memo1_->textCursor();
  cursor.clearSelection();
  Memo1_->setTextCursor(cursor);
  Memo1_->setFocus();
}

void TBMForm::Paste1Click() { Memo1_->paste(); }

void TBMForm::Copy1Click() { Memo1_->copy(); }

void TBMForm::CopyWholeSet1Click() {
  Memo1_->selectAll();
  Memo1_->copy();
  QTextCursor cursor = Memo1_->textCursor();
  cursor.clearSelection();
  Memo1_->setTextCursor(cursor);
}

void TBMForm::Button2Click() {
  ShowHelpPage(frame_.Boxes(), *this, HelpContextPage(kBookmarkHelpContext));
  Memo1_->setFocus();
}

void TBMForm::KeepNotes() {
  const QString text = Memo1_->toPlainText();
  QStringList lines;
  if (!text.isEmpty()) lines = text.split(QLatin1Char('\n'));
  // A last line ended with Return leaves no empty note behind it.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  frame_.AppSettings().bookmarkNotes = lines;
}

void TBMForm::done(int result) {
  // Every way of closing (Close, Escape, the close box) ends here.
  KeepNotes();
  QDialog::done(result);
}

void TBMForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TBMForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    // Enter on a selected number goes there; otherwise it breaks the line as usual.
    if (enter && Memo1_->textCursor().hasSelection()) {
      GoToSelectClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace penwick
