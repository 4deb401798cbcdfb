#include "editor/recovery.h"

#include <QFile>
#include <QPointer>

#include "editor/recovery_copy.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using RecoveryTest = StartedFrameTest;

std::optional<DocumentCopy> CopyOnDisk(Recovery& recovery, const TEditForm* editor) {
  QFile file(recovery.CopyPath(*editor));
  return file.open(QIODevice::ReadOnly) ? DecodeDocumentCopy(file.readAll()) : std::nullopt;
}

// A window made again from its copy saves exactly what the lost window would have saved.
TEST_F(RecoveryTest, ARestoredCopySavesExactlyAsTheLostWindowWould) {
  const struct {
    const char* name;  // nullptr: an unnamed document
    QByteArray bytes;
    QByteArray saved;  // after typing "X" at the end
  } kDocuments[] = {
      {"cp1252.txt", "caf\xE9\r\nline\r\n", "caf\xE9\r\nline\r\nX"},
      {"utf8_lf.htm", "caf\xC3\xA9\nline\n", "caf\xC3\xA9\nline\nX"},
      {"bom_cr.txt", "\xEF\xBB\xBF\xE2\x82\xAC\rb\r", "\xEF\xBB\xBF\xE2\x82\xAC\rb\rX"},
      {"mixed.txt", "a\r\nb\nc\r", "a\r\nb\nc\rX"},
      {nullptr, {}, {}},
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
    lost->CloseApproved();
    TEditForm* restored = frame_->CreateEditorWindow();
    restored->Restore(*copy);
    Flush();
    EXPECT_EQ(restored->Text().Text(), text);
    EXPECT_EQ(restored->Text().SelStart(), static_cast<int>(text.size()));
    EXPECT_EQ(restored->windowTitle(), doc.name ? doc.name : "New File");
    if (doc.name) {
      EXPECT_EQ(TestEnv::ReadFile(restored->FileName()), doc.bytes);  // untouched until saved
      ASSERT_TRUE(restored->Save1Click());
      EXPECT_EQ(TestEnv::ReadFile(restored->FileName()), doc.saved);
    }
    restored->CloseApproved();
  }
}

// A copy appears once typing pauses, holds the text of that moment, and goes when the document is saved,
// closed without saving or reloaded.
TEST_F(RecoveryTest, ACopyIsMadeWhenTypingPausesAndGoesWhenItIsNoLongerNeeded) {
  Recovery& recovery = frame_->RecoveryCopies();
  recovery.SetTimings({300, 60000, 10});
  const std::function<void(TEditForm*)> kSettlers[] = {
      [](TEditForm* editor) { editor->Save1Click(); },
      [this](TEditForm* editor) {
        ui_.AnswerMessage(MsgResult::kNo);  // "Save changes to ...?"
        editor->Close1Click();
      },
      [this](TEditForm* editor) {
        ui_.AnswerMessage(MsgResult::kOk);  // "Reloading a file."
        editor->Reload1Click();
      },
  };
  for (const auto& settle : kSettlers) {
    // A window closed here is deleted by the next Flush.
    QPointer<TEditForm> editor = Open(env_.WriteFile("page.txt", "old\r\n"));
    const QString path = recovery.CopyPath(*editor);
    Type(editor->Editor(), "new ");
    Flush();
    EXPECT_FALSE(QFile::exists(path));  // not while the keys come
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000));
    recovery.WaitForWrites();
    const std::optional<DocumentCopy> copy = CopyOnDisk(recovery, editor);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->utf8, "new old\r\n");
    EXPECT_EQ(copy->fileName, editor->FileName());

    settle(editor);
    Flush();
    recovery.WaitForWrites();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(ui_.AllAnswered());
    if (editor) editor->CloseApproved();
  }
}

// A large text is copied in pieces between keys; edits to the part already copied reach the copy, which is
// the text as it was when the copy was finished.
TEST_F(RecoveryTest, ACopyTakenInPiecesHoldsTheTextOfTheMomentItWasFinished) {
  Recovery& recovery = frame_->RecoveryCopies();
  QByteArray big;
  while (big.size() < (10 << 20)) big += "a line of a big document\r\n";
  TEditForm* editor = Open(env_.WriteFile("big.txt", big));
  Type(editor->Editor(), "start ");
  recovery.CopyAllNow();  // the first piece is taken now
  for (const int pos : {2 << 20, 0}) {
    editor->Text().SetSelStart(pos);
    Type(editor->Editor(), "Z");
  }
  recovery.WaitForWrites();
  const std::optional<DocumentCopy> copy = CopyOnDisk(recovery, editor);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->utf8 == editor->Text().Utf8());
  EXPECT_TRUE(copy->utf8.startsWith("Zstart a line"));
}

// Typing that never pauses is copied at the longest wait all the same, and not on every key.
TEST_F(RecoveryTest, TypingWithoutPauseIsCopiedAtTheLongestWait) {
  Recovery& recovery = frame_->RecoveryCopies();
  recovery.SetTimings({60000, 150, 10});
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
}

}  // namespace
}  // namespace penwick::test
