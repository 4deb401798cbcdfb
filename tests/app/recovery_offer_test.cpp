#include "app/recovery_offer.h"

#include <QDir>
#include <QFile>

#include "editor/recovery.h"
#include "editor/recovery_copy.h"
#include "platform/recovery_file.h"
#include "platform/recovery_runs.h"
#include "settings/settings_store.h"
#include "tests/support/dead_process.h"
#include "tests/support/file_bytes.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class RecoveryOfferTest : public FrameTest {
 protected:
  // What a run that died leaves: its lock, its document copies and perhaps its settings.
  QString LostRun(const std::vector<DocumentCopy>& documents, const Settings* settings = nullptr,
                  const QByteArray& mark = DeadMark()) {
    const QString folder = QDir(RecoveryFolder(env_.ProgramFolder())).filePath("run-1-lost");
    QDir().mkpath(folder);
    WriteFile(folder + "/lock", mark);
    for (size_t i = 0; i < documents.size(); ++i) {
      WriteFile(folder + QStringLiteral("/doc-%1.pwr").arg(i + 1), EncodeDocumentCopy(documents[i]));
    }
    if (settings) {
      QMap<QByteArray, QByteArray> parts = SettingsStore(env_.ProgramFolder()).Snapshot(*settings, {});
      parts["kind"] = "settings";
      WriteFile(folder + "/settings.pwr", EncodeRecoveryFile(parts, {}));
    }
    return folder;
  }

  static DocumentCopy Copy(const QString& name, TextEncoding encoding, LineEnd lineEnd, int window,
                           const QByteArray& utf8) {
    return {name, {encoding, lineEnd, false}, window, 2, std::nullopt, 0, utf8};
  }

  // The restore question is the first box of the run.
  QString Question() const { return ui_.Shown().empty() ? QString() : ui_.Shown().front().Summary(); }
};

TEST_F(RecoveryOfferTest, YesBringsBackEveryDocumentUnderItsOwnNameAndTheSettings) {
  const QString page = env_.WriteFile("page.htm", "<p>caf\xC3\xA9</p>\n");
  const QString old = env_.WriteFile("old.txt", "caf\xE9\r\n");
  Settings changed;
  changed.boilerplates[0] = "restored plate";
  changed.bookmarkNotes = QStringList{"12 the table"};
  changed.superBPlates[0] = QStringList{"<p>", "</p>"};
  const QString lost =
      LostRun({Copy(old, TextEncoding::kCp1252, LineEnd::kCrLf, 3, "caf\xC3\xA9 more\r\n"),
               Copy(kNewFile, TextEncoding::kCp1252, LineEnd::kCrLf, 1, "unnamed\r\ntext"),
               Copy(page, TextEncoding::kUtf8, LineEnd::kLf, 2, "<p>caf\xC3\xA9 typed</p>\r\n")},
              &changed);
  // A copy cut short when the run died is never restored.
  const QByteArray cut = EncodeDocumentCopy(Copy(old, TextEncoding::kCp1252, LineEnd::kCrLf, 4, "cut"));
  WriteFile(lost + "/doc-9.pwr", cut.chopped(1));
  ui_.AnswerMessage(MsgResult::kYes);
  Start();

  EXPECT_EQ(Question(),
            "Unsaved work|Penwick did not close normally. Restore 3 unsaved documents?\n\nThe boilerplates, "
            "superboilerplates, lists and bookmark notes changed in that run come back too.|");
  EXPECT_EQ(Titles(), QStringList({"New File", "page.htm", "old.txt"}));
  const std::vector<TEditForm*> windows = frame_->EditorWindows();
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_EQ(windows[0]->Text().Text(), "unnamed\r\ntext");
  EXPECT_EQ(windows[1]->Text().Text(), QString::fromUtf8("<p>caf\xC3\xA9 typed</p>\r\n"));
  EXPECT_EQ(windows[2]->Text().SelStart(), 2);
  for (TEditForm* window : windows) EXPECT_EQ(Panel(window, 1), "Modified");
  EXPECT_EQ(frame_->AppSettings().boilerplates[0], "restored plate");
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{"12 the table"});
  EXPECT_EQ(frame_->AppSettings().superBPlates[0], QStringList({"<p>", "</p>"}));

  // The files wait for Save, which writes each in its own encoding and line ends.
  EXPECT_EQ(TestEnv::ReadFile(page), "<p>caf\xC3\xA9</p>\n");
  ASSERT_TRUE(windows[1]->Save1Click());
  ASSERT_TRUE(windows[2]->Save1Click());
  EXPECT_EQ(TestEnv::ReadFile(page), "<p>caf\xC3\xA9 typed</p>\n");
  EXPECT_EQ(TestEnv::ReadFile(old), "caf\xE9 more\r\n");

  // This run keeps its own copies; the lost run's go once they are written.
  Recovery& recovery = frame_->RecoveryCopies();
  recovery.WaitForWrites();
  EXPECT_TRUE(QFile::exists(recovery.CopyPath(*windows[0])));
  EXPECT_TRUE(QFile::exists(recovery.SettingsPath()));
  EXPECT_FALSE(QDir(lost).exists());
  EXPECT_TRUE(QDir(recovery.Run().Folder() + "/adopted").isEmpty());
}

TEST_F(RecoveryOfferTest, NoDeletesTheCopiesOnlyAfterASecondYes) {
  for (const MsgResult second : {MsgResult::kNo, MsgResult::kYes}) {
    SCOPED_TRACE(second == MsgResult::kYes ? "delete" : "keep");
    const QString lost = LostRun({Copy(kNewFile, TextEncoding::kUtf8, LineEnd::kLf, 1, "text")});
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kNo);
    ui_.AnswerMessage(second);
    Start();
    EXPECT_EQ(Question(), "Unsaved work|Penwick did not close normally. Restore 1 unsaved document?|");
    EXPECT_EQ(ui_.Last().text,
              "Delete 1 unsaved document for good?\n\nNo keeps them: Penwick asks again at its next start.");
    EXPECT_TRUE(frame_->EditorWindows().empty());
    // A normal end puts kept copies back for the next start.
    ASSERT_TRUE(frame_->FormClose());
    frame_.reset();
    EXPECT_EQ(QFile::exists(lost + "/doc-1.pwr"), second == MsgResult::kNo);
    QDir(lost).removeRecursively();
    EXPECT_TRUE(QDir(RecoveryFolder(env_.ProgramFolder())).isEmpty());
  }
}

TEST_F(RecoveryOfferTest, CopiesOfARunningPenwickAreLeftAlone) {
  const QString running = LostRun({Copy(kNewFile, TextEncoding::kUtf8, LineEnd::kLf, 1, "theirs")}, nullptr,
                                  ProcessMark(QCoreApplication::applicationPid()));
  Start();
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_TRUE(frame_->EditorWindows().empty());
  EXPECT_TRUE(QFile::exists(running + "/doc-1.pwr"));
}

}  // namespace
}  // namespace penwick::test
