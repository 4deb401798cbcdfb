// Saving the open files as a desktop and restoring it, with desktop files good, damaged and hostile.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/desktop_file.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class DesktopTest : public StartedFrameTest {
 protected:
  QString Home(const QString& name) const { return QDir(env_.ProgramFolder()).filePath(name); }
  QString WriteDesktop(const QString& name, const QByteArray& bytes) const {
    QFile file(Home(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return Home(name);
  }
  // Restore Desktop with the file chosen; the "Restoring" box is answered when expected.
  void Restore(const QString& desktop, bool reachesRestoring = true) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerOpen({desktop});
    if (reachesRestoring) ui_.AnswerMessage(MsgResult::kOk);
    RestoreDesktop1Click(*frame_);
    Flush();
  }
  QStringList FileNames() const {
    QStringList names;
    for (TEditForm* editor : frame_->EditorWindows()) names << editor->FileName();
    return names;
  }
  QString File(const QString& name) { return env_.WriteFile(name, name.toUtf8()); }
};

const QString kCorrupted = "Desktop file corrupted";

TEST_F(DesktopTest, SavedDesktopComesBackInTheSameWindowNumbers) {
  const QStringList files = {File("one.txt"), File("two/page.html"), File("three.xml")};
  Open(files[0]);
  NewWindow();  // unnamed windows are not saved
  Open(files[1]);
  Open(files[2]);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput("work");
  SaveDesktop1Click(*frame_);
  EXPECT_EQ(ui_.Shown().front().caption, "Save Desktop");
  EXPECT_EQ(ui_.Shown().front().type, MsgType::kConfirmation);
  EXPECT_EQ(ui_.Last().caption, "Save desktop in  name.dsk");
  EXPECT_EQ(ui_.Last().text, "Name before .dsk:");
  EXPECT_EQ(TestEnv::ReadFile(Home("work.dsk")), (files.join("\r\n") + "\r\n").toUtf8());

  frame_->AppSettings().lastOpen = "/before/restore.txt";
  frame_->AppSettings().lastFilter = 5;
  const QStringList recent = frame_->AppSettings().reopens;
  ui_.Clear();
  Restore(Home("work.dsk"));
  const ShownBox& dialog = ui_.Shown()[1];
  EXPECT_EQ(dialog.caption, "Open a saved Penwick Desktop");
  EXPECT_EQ(dialog.items, QStringList{"Desktops (*.dsk)|*.dsk"});
  EXPECT_EQ(dialog.value, env_.ProgramFolder() + QStringLiteral("/*.dsk"));
  EXPECT_EQ(ui_.MessageLog().last(), QStringLiteral("Restoring Desktop|Restoring ") + Home("work.dsk"));
  EXPECT_EQ(FileNames(), files);
  QStringList panels;
  for (TEditForm* editor : frame_->EditorWindows()) panels << Panel(editor, 6);
  EXPECT_EQ(panels, (QStringList{"Window: 1", "Window: 2", "Window: 3"}));
  // Restored files enter neither the recent files nor the last opened file.
  EXPECT_EQ(frame_->AppSettings().reopens, recent);
  EXPECT_EQ(frame_->AppSettings().lastOpen, "/before/restore.txt");
  EXPECT_EQ(frame_->AppSettings().lastFilter, 5);
}

TEST_F(DesktopTest, AWindowThatRefusesToCloseKeepsItsPlaceAndIsNotOpenedTwice) {
  const QString a = File("a.txt");
  const QString b = File("b.txt");
  const QString desktop = WriteDesktop("two.dsk", (a + "\r\n" + b + "\r\n").toUtf8());
  TEditForm* kept = Open(b);
  Type(kept->Editor(), "unsaved ");
  Flush();
  ui_.AnswerMessage(MsgResult::kOk);  // restore
  ui_.AnswerOpen({desktop});
  ui_.AnswerMessage(MsgResult::kCancel);  // "Closing with modified text": keep b.txt open
  ui_.AnswerMessage(MsgResult::kOk);      // restoring
  ui_.AnswerMessage(MsgResult::kOk);      // b.txt is already open
  RestoreDesktop1Click(*frame_);
  Flush();
  EXPECT_EQ(FileNames(), (QStringList{b, a}));
  EXPECT_EQ(ui_.MessageLog().last(), QStringLiteral("File already in Penwick|%1 is already open!").arg(b));
  EXPECT_EQ(kept->Text().Text(), "unsaved b.txt");
  EXPECT_EQ(Panel(frame_->EditorWindows()[1], 6), "Window: 2");
}

TEST_F(DesktopTest, RestoreStopsAtADamagedLineAndSkipsMissingFiles) {
  const QString a = File("a.txt");
  const QString b = File("b.txt");
  const QString c = File("c.txt");
  const QString missing = env_.WorkFolder() + QStringLiteral("/missing.txt");
  const QByteArray longName(100 * 1024, 'n');
  const struct {
    const char* name;
    QByteArray bytes;
    QStringList opened;
    QStringList messages;  // after "Restoring"
  } cases[] = {
      {"empty third line", (a + "\r\n" + b + "\r\n\r\n" + c + "\r\n").toUtf8(), {a, b}, {kCorrupted}},
      {"missing file", (a + "\r\n" + missing + "\r\n" + c).toUtf8(), {a, c}, {"Load Failure"}},
      {"name without folder", ("a.txt\r\n" + b).toUtf8(), {}, {kCorrupted}},
      {"empty file", "", {}, {}},
      {"lone LF lines", (a + "\n" + b + "\n").toUtf8(), {a, b}, {}},
      {"100 KB line", longName + "\r\n" + a.toUtf8(), {}, {kCorrupted}},
      {"100 KB path", "/" + longName + "\r\n" + a.toUtf8(), {a}, {"Load Failure"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Open(File("open before.txt"));
    const QString desktop = WriteDesktop("test.dsk", c.bytes);
    ui_.Clear();
    for (qsizetype i = 0; i < c.messages.size(); ++i) ui_.AnswerMessage(MsgResult::kOk);
    Restore(desktop);
    EXPECT_EQ(FileNames(), c.opened);
    QStringList captions;
    for (const QString& message : ui_.MessageLog()) captions << message.section(QLatin1Char('|'), 0, 0);
    EXPECT_EQ(captions.mid(2), c.messages);
    EXPECT_TRUE(ui_.AllAnswered());
    for (TEditForm* editor : frame_->EditorWindows()) editor->CloseApproved();
    Flush();
  }
}

TEST_F(DesktopTest, UnusableDesktopFilesAreRefusedBeforeAnyWindowCloses) {
  const QString a = File("a.txt");
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) % 256);
  QByteArray manyLines;
  for (int i = 0; i < 10000; ++i) manyLines += (a + QStringLiteral("\r\n")).toUtf8();
  const QByteArray huge(2 * 1024 * 1024, 'x');
  const struct {
    const char* file;
    QByteArray bytes;
    QString caption;
    QString textStart;
  } cases[] = {
      {"binary.dsk", binary, kCorrupted, "This file may not be a desktop file."},
      {"many.DSK", manyLines, "Restore Desktop",
       Home("many.DSK") + " names 10000 files; a desktop restores at most 100."},
      {"huge.dsk", huge, "Restore Desktop", Home("huge.dsk") + QStringLiteral(" is 2097152 bytes long")},
      {"notes.txt", a.toUtf8(), "Load failure!", "Can load only an Penwick .dsk file."},
      {"pipe.dsk", {}, "Load Failure", "File Doesn't exist!"},
  };
  // A pipe named like a desktop would never finish reading.
  ASSERT_EQ(mkfifo(QFile::encodeName(Home("pipe.dsk")).constData(), 0600), 0);
  TEditForm* open = Open(a);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const QString name = QString::fromLatin1(c.file);
    const QString desktop = QFileInfo(Home(name)).exists() ? Home(name) : WriteDesktop(name, c.bytes);
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    Restore(desktop, /*reachesRestoring=*/false);
    ASSERT_EQ(ui_.MessageLog().size(), 2);
    EXPECT_EQ(ui_.MessageLog()[1].section(QLatin1Char('|'), 0, 0), c.caption);
    EXPECT_TRUE(ui_.MessageLog()[1].section(QLatin1Char('|'), 1).startsWith(c.textStart))
        << ui_.MessageLog()[1].toStdString();
    EXPECT_EQ(frame_->EditorWindows(), std::vector<TEditForm*>{open});
  }
}

TEST_F(DesktopTest, SavingNeedsAWindowAndAPlainName) {
  // With no window open there is nothing to save: Penwick says so and asks nothing.
  ui_.AnswerMessage(MsgResult::kOk);
  SaveDesktop1Click(*frame_);
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral("Save Desktop|There are no open files to save as a desktop.\n\n"
                                       "Open the files you want together, then choose Save Desktop again.")});
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  EXPECT_EQ(ui_.Last().buttons, MsgButtons::kOk);
  EXPECT_TRUE(QDir(env_.ProgramFolder()).entryList({"*.dsk"}).isEmpty());

  // Only unnamed windows: an empty desktop, which restores as no window at all.
  NewWindow();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput("blank");
  SaveDesktop1Click(*frame_);
  ASSERT_TRUE(QFile::exists(Home("blank.dsk")));
  EXPECT_EQ(TestEnv::ReadFile(Home("blank.dsk")), QByteArray());

  // A name that leads out of Penwick's folder is refused.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput("../escape");
  ui_.AnswerMessage(MsgResult::kOk);
  SaveDesktop1Click(*frame_);
  EXPECT_FALSE(QFile::exists(env_.ProgramFolder() + QStringLiteral("/../escape.dsk")));
  EXPECT_TRUE(ui_.MessageLog().last().startsWith("Save Desktop|\"../escape\" holds a folder."));

  // Cancel in the first box or the name box writes nothing.
  ui_.AnswerMessage(MsgResult::kCancel);
  SaveDesktop1Click(*frame_);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(std::nullopt);
  SaveDesktop1Click(*frame_);
  EXPECT_EQ(QDir(env_.ProgramFolder()).entryList({"*.dsk"}), QStringList{"blank.dsk"});

  Restore(Home("blank.dsk"));
  EXPECT_TRUE(frame_->EditorWindows().empty());
  EXPECT_TRUE(ui_.AllAnswered());
}

}  // namespace
TEST(DesktopFileTest, NamesComeBackAsWrittenWhateverTheLineBreaks) {
  const QString feff = QString(QChar(0xFEFF)) + QStringLiteral("/odd/name.txt");
  const QStringList names[] = {
      {"/a/one.txt", "/b/caf\u00e9.html"},
      {feff, "/a/two.txt"},  // a name that starts with what looks like a byte-order mark
  };
  for (const QStringList& written : names) {
    EXPECT_EQ(ParseDesktop(DesktopBytes(written)).lines, written);
  }
  // Files written by hand: a mark, and line breaks of mixed kinds.
  EXPECT_EQ(ParseDesktop("\xEF\xBB\xBF/a/one.txt\n/b/two.txt\r\n/c/three.txt\r/d/four.txt").lines,
            (QStringList{"/a/one.txt", "/b/two.txt", "/c/three.txt", "/d/four.txt"}));
}

}  // namespace penwick::test
