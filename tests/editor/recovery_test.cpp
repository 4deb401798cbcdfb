#include "editor/recovery.h"

#include <QFile>

#include "editor/recovery_copy.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using RecoveryTest = StartedFrameTest;

// Copies after a short pause, so tests wait milliseconds instead of seconds.
void QuickCopies(TFrameForm& frame, int pauseMs = 30, int longestMs = 60000) {
  frame.RecoveryCopies().SetTimings({pauseMs, longestMs, 10});
}

std::optional<DocumentCopy> CopyOnDisk(Recovery& recovery, const TEditForm* editor) {
  QFile file(recovery.CopyPath(*editor));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return DecodeDocumentCopy(file.readAll());
}

// A document written to its copy and made into a window again comes back with its text, name, encoding and
// line ends: saving the restored window writes what the lost one would have written.
TEST_F(RecoveryTest, ARestoredCopySavesExactlyAsTheLostWindowWould) {
  const struct {
    const char* name;  // nullptr: an unnamed document
    QByteArray bytes;
    QByteArray saved;  // the file after typing "X" at the end and saving
  } kDocuments[] = {
      {"cp1252.txt", "caf\xE9\r\nline\r\n", "caf\xE9\r\nline\r\nX"},
      {"utf8_lf.htm", "caf\xC3\xA9\nline\n", "caf\xC3\xA9\nline\nX"},
      {"bom_cr.txt", "\xEF\xBB\xBF\xE2\x82\xAC\rb\r", "\xEF\xBB\xBF\xE2\x82\xAC\rb\rX"},
      {"mixed.txt", "a\r\nb\nc\r", "a\r\nb\nc\rX"},
      {nullptr, {}, "typed\r\ntextX"},
  };
  for (const auto& doc : kDocuments) {
    SCOPED_TRACE(doc.name ? doc.name : "unnamed");
    TEditForm* lost = doc.name ? Open(env_.WriteFile(doc.name, doc.bytes)) : Window("typed\r\ntext");
    lost->Text().SetSelStart(lost->Text().TextLength());
    Type(lost->Editor(), "X");
    Flush();
    const std::optional<DocumentCopy> copy = DecodeDocumentCopy(EncodeDocumentCopy(lost->Snapshot()));
    ASSERT_TRUE(copy);
    const QString text = lost->Text().Text();
    const int caret = lost->Text().SelStart();
    lost->CloseApproved();

    TEditForm* restored = frame_->CreateEditorWindow();
    restored->Restore(*copy);
    frame_->ShowCover(false);
    Flush();
    EXPECT_EQ(restored->Text().Text(), text);
    EXPECT_EQ(restored->Text().SelStart(), caret);
    EXPECT_TRUE(restored->Text().Modified());
    EXPECT_EQ(Panel(restored, 1), "Modified");
    if (!doc.name) {
      EXPECT_TRUE(restored->IsUnnamed());
      EXPECT_EQ(restored->windowTitle(), "New File");
      restored->CloseApproved();
      continue;
    }
    EXPECT_EQ(restored->windowTitle(), doc.name);
    // The file is untouched until the user saves.
    const QString path = restored->FileName();
    EXPECT_EQ(TestEnv::ReadFile(path), doc.bytes);
    ASSERT_TRUE(restored->Save1Click());
    EXPECT_EQ(TestEnv::ReadFile(path), doc.saved);
    restored->CloseApproved();
  }
}

// Saving, closing without saving and reloading each remove the document's copy; every copy, while it
// exists, holds the text as it was when typing paused.
TEST_F(RecoveryTest, ACopyIsMadeWhenTypingPausesAndGoesWhenItIsNoLongerNeeded) {
  QuickCopies(*frame_, 300);
  Recovery& recovery = frame_->RecoveryCopies();
  const struct {
    const char* what;
    std::function<void(TEditForm*)> settle;
  } kSettlers[] = {
      {"save", [](TEditForm* editor) { editor->Save1Click(); }},
      {"close without saving",
       [this](TEditForm* editor) {
         ui_.AnswerMessage(MsgResult::kNo);
         editor->Close1Click();
       }},
      {"reload",
       [this](TEditForm* editor) {
         ui_.AnswerMessage(MsgResult::kOk);
         editor->Reload1Click();
       }},
  };
  for (const auto& settler : kSettlers) {
    SCOPED_TRACE(settler.what);
    TEditForm* editor = Open(env_.WriteFile("page.txt", "old\r\n"));
    const QString path = recovery.CopyPath(*editor);
    Type(editor->Editor(), "new ");
    Flush();
    // Nothing is written while the keys come.
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000));
    recovery.WaitForWrites();
    const std::optional<DocumentCopy> copy = CopyOnDisk(recovery, editor);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->utf8, "new old\r\n");
    EXPECT_EQ(copy->fileName, editor->FileName());

    settler.settle(editor);
    Flush();
    recovery.WaitForWrites();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(ui_.AllAnswered());
    // A saved or reloaded window typed into again gets a copy again.
    if (!editor->IsClosed()) {
      Type(editor->Editor(), "again");
      ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000));
      editor->CloseApproved();
      Flush();
      recovery.WaitForWrites();
      EXPECT_FALSE(QFile::exists(path));
    }
  }
}

// Typing that never pauses still gets a copy after the longest wait, and not one per key.
TEST_F(RecoveryTest, TypingWithoutPauseIsCopiedAtTheLongestWait) {
  QuickCopies(*frame_, 60000, 150);
  Recovery& recovery = frame_->RecoveryCopies();
  TEditForm* editor = Window(QString());
  QElapsedTimer typing;
  typing.start();
  while (typing.elapsed() < 700) {
    Type(editor->Editor(), "a");
    QTest::qWait(5);
  }
  recovery.WaitForWrites();
  const std::optional<DocumentCopy> copy = CopyOnDisk(recovery, editor);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->utf8.startsWith("aaaa"));
  EXPECT_GE(recovery.CopiesWritten(), 2);
  EXPECT_LE(recovery.CopiesWritten(), 6);
  EXPECT_GT(editor->Text().TextLength(), 30);
}

}  // namespace
}  // namespace penwick::test
