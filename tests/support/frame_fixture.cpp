#include "tests/support/frame_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "app/frame_menus.h"

namespace penwick::test {

void FrameTest::SetHighlightAnswer(MsgResult answer) {
  ui_.AnswerAlways(QStringLiteral("Blue tags in HTML/XML files"), answer);
  ui_.AnswerAlways(QStringLiteral("Blue Italic Comments in PAS files"), answer);
}

void FrameTest::Start(const QStringList& arguments, bool noticeOff) {
  SetHighlightAnswer(MsgResult::kCancel);
  if (noticeOff) {
    QFile ini(QDir(env_.ProgramFolder()).filePath(QStringLiteral("penwick.ini")));
    if (!ini.exists() && ini.open(QIODevice::WriteOnly)) ini.write("[Settings]\r\nNoBugMsg=1\r\n");
  }
  frame_ = std::make_unique<TFrameForm>(ui_, env_.ProgramFolder(), arguments);
  frame_->show();
  frame_->FormActivate();
  Flush();
}

void FrameTest::TearDown() {
  if (frame_) {
    // Close every window without questions so the next test starts clean.
    for (TEditForm* editor : frame_->EditorWindows()) editor->CloseApproved();
    frame_.reset();
  }
  Flush();
}

TEditForm* FrameTest::Open(const QString& path, MsgResult highlight) {
  SetHighlightAnswer(highlight);
  TEditForm* editor = frame_->StartupOpen(path);
  SetHighlightAnswer(MsgResult::kCancel);
  Flush();
  return editor;
}

TEditForm* FrameTest::NewWindow() {
  frame_->New1Click();
  Flush();
  return frame_->ActiveEditor();
}

TEditForm* FrameTest::Window(const QString& text, int caret) {
  TEditForm* editor = NewWindow();
  editor->Text().SetText(text);
  editor->Text().SetSelStart(caret);
  Flush();
  return editor;
}

TEditForm* FrameTest::MarkedWindow(const QString& marked) {
  TEditForm* editor = NewWindow();
  SetMarked(editor->Text(), marked);
  Flush();
  return editor;
}

QAction* FrameTest::Action(const char* name) const {
  QAction* action = frame_->Menus().Find(QString::fromLatin1(name));
  EXPECT_NE(action, nullptr) << name;
  return action;
}

void FrameTest::Trigger(const char* name) {
  if (QAction* action = Action(name)) action->trigger();
  Flush();
}

void FrameTest::Run(const char* name) {
  QAction* action = Action(name);
  ASSERT_NE(action, nullptr);
  frame_->Menus().Refresh();
  ASSERT_TRUE(action->isEnabled()) << name;
  action->trigger();
  Flush();
}

void FrameTest::Select(TEditForm* editor, int start, int length) {
  editor->Text().SetSelStart(start);
  editor->Text().SetSelLength(length);
}

void FrameTest::Key(TEditForm* editor, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(editor->Editor(), static_cast<Qt::Key>(key), modifiers);
}

void FrameTest::Type(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    const int key = ch.isLetterOrNumber() && ch.unicode() < 128 ? ch.toUpper().unicode() : 0;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(widget, &release);
  }
}

QStringList FrameTest::Titles() const {
  QStringList titles;
  for (TEditForm* editor : frame_->EditorWindows()) titles << editor->windowTitle();
  return titles;
}

void FrameTest::Flush() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    // Closed windows are deleted later; let that happen too.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace penwick::test
