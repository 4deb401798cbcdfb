#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "platform/profile.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/test_env.h"
#include "ui/message_boxes.h"

namespace penwick {
namespace {

using test::FileSizeLimit;
using test::ScriptedUi;
using test::TestEnv;

QByteArray ListText(const char* section, const char* countKey, const char* prefix, int count) {
  QByteArray text = QByteArray("[") + section + "]\r\n" + countKey + "=" + QByteArray::number(count) + "\r\n";
  for (int i = 0; i < count; ++i)
    text += prefix + QByteArray::number(i) + "=entry" + QByteArray::number(i) + "\r\n";
  return text;
}

QStringList Entries(int count) {
  QStringList entries;
  for (int i = 0; i < count; ++i) entries.append("entry" + QString::number(i));
  return entries;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  QString ProgramFile(const QString& name) const { return QDir(env_.ProgramFolder()).filePath(name); }
  void WriteProgramFile(const QString& name, const QByteArray& bytes) const {
    QFile file(ProgramFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  QByteArray ReadProgramFile(const QString& name) const { return TestEnv::ReadFile(ProgramFile(name)); }

  TestEnv env_;
  ScriptedUi ui_;
  MessageBoxes boxes_{ui_};
  SettingsStore store_{env_.ProgramFolder()};
};

// Settings with every stored value away from its default.
void FillSample(Settings& s, EditorSwitches& sw) {
  s.top = 120;
  s.left = -30;  // a frame on a monitor left of the main one
  s.height = 600;
  s.width = 900;
  s.findDlgTop = 7;
  s.findDlgLeft = 9;
  s.noBugMsg = true;
  s.lastOpen = "/home/ann/site/index.htm";
  s.lastFilter = 4;
  s.findToReplace = "<b>";
  s.findString = "  two blanks first";
  s.replaceString = "\"quoted\"";
  s.wordCounter = "wc.exe";
  s.f7Tool = "tidy -m";
  s.f8Tool = "validate";
  s.directOpen = {"a.htm", "", "c d.htm", "", "e=f.htm"};
  s.calendar = "cal";
  s.calculator = "";
  s.browser = "firefox";
  s.browsers = {"firefox", "chromium"};
  s.research = {"term one", "term two"};
  s.helpUrl = "https://example.net/help";
  s.helpUrls = {"https://example.net/a", "https://example.net/b"};
  s.helpFile = "a.hlp";
  s.helpFiles = {"a.hlp"};
  s.hhelpFile = "b.chm";
  s.hhelpFiles = {"b.chm", "c.chm"};
  s.reopens = {"1.htm", "2.htm", "3.htm"};
  s.tagSlots[0] = "<em>";
  s.tagSlots[14] = "<a href=\"\">";
  s.bookmarkNotes = {"note ; with semicolon", "[not a section]"};
  s.htmlFile = "new.htm";
  s.mailer = "mutt";
  s.mailers = {"mutt", "thunderbird"};
  s.toolApp = "gimp";
  s.toolApps = {"gimp"};
  s.boilerplates = {"<p>", "", "", "", "", "", "", "\t<li>"};
  s.userMetas = {"author", "", "", "", "keywords"};
  s.superBPlates[0] = {"<ul>", "", "  <li>item</li>", "</ul>", ""};
  s.superBPlates[7] = {"<!-- end -->"};
  sw.tabInterval = 2;
  sw.wrapColumn = 99;
  sw.wordWrap = false;
  sw.insertWarning = false;
  sw.textOverSelWarning = false;
  sw.findReplaceWarning = false;
}

// Without files every value is its default (what a fresh Settings holds), down to the bytes it saves as.
TEST_F(SettingsStoreTest, MissingFilesGiveTheDefaults) {
  Settings s;
  EditorSwitches sw;
  store_.Load(s, sw, boxes_);
  EXPECT_TRUE(s.bookmarkNotes.isEmpty());
  EXPECT_EQ(s.helpUrls, QStringList{kHomePage});
  EXPECT_TRUE(ui_.Shown().empty());

  ASSERT_TRUE(store_.Save(s, sw, boxes_));
  const QByteArray loaded = ReadProgramFile("penwick.ini");
  Settings fresh;
  fresh.helpUrls = {kHomePage};
  ASSERT_TRUE(store_.Save(fresh, EditorSwitches(), boxes_));
  EXPECT_EQ(ReadProgramFile("penwick.ini"), loaded);
}

struct LoadCase {
  const char* name;
  QByteArray penwickIni;
  QByteArray superBpIni;
  QStringList messages;
  std::function<void(const Settings&, const EditorSwitches&)> check;
};

TEST_F(SettingsStoreTest, LoadsHandWrittenFiles) {
  const std::vector<LoadCase> cases = {
      {"odd case, blanks and quotes",
       "[LOCATION]\r\ntOp=100\r\n  LEFT = 20  \r\n[settings]\r\ntabintvl=0x10\r\nWRAPCOLUMN=wide\r\n"
       "calendar = \"my calendar.exe\"\r\nnumreopens=2\r\nREOPENS0='C:\\docs\\a.htm'\r\n"
       "reopens1=  b.htm  \r\n[research]\r\nNUMITEMS= 1 \r\nresearchlist0=  \"quoted term\"\r\n",
       "",
       {},
       [](const Settings& s, const EditorSwitches& sw) {
         EXPECT_EQ(s.top, 100);
         EXPECT_EQ(s.left, 20);
         EXPECT_EQ(s.findDlgTop, 140);  // follows the frame when never stored
         EXPECT_EQ(s.findDlgLeft, 100);
         EXPECT_EQ(sw.tabInterval, 16);
         EXPECT_EQ(sw.wrapColumn, 68);  // not a number: the default, without a word
         EXPECT_EQ(s.calendar, "my calendar.exe");
         EXPECT_EQ(s.reopens, (QStringList{"C:\\docs\\a.htm", "b.htm"}));
         EXPECT_EQ(s.research, QStringList{"quoted term"});
         EXPECT_EQ(s.lastResearch, "quoted term");
       }},
      {"a count that is not a number loses only its own list",
       "[Research]\r\nNumItems=abc\r\nResearchList0=lost\r\n[Websites]\r\n"
       "HelpURL=https://example.net/help\r\nNumSites=1\r\nHelpURLList0=https://example.net/a\r\n"
       "[Settings]\r\nNumReopens=1\r\nReopens0=kept.htm\r\nUserMeta1=last key\r\n",
       "",
       {"Penwick|'abc' is not a valid integer value"},
       [](const Settings& s, const EditorSwitches&) {
         EXPECT_TRUE(s.research.isEmpty());
         EXPECT_TRUE(s.lastResearch.isEmpty());
         EXPECT_EQ(s.helpUrl, "https://example.net/help");
         EXPECT_EQ(s.helpUrls, QStringList{"https://example.net/a"});
         EXPECT_EQ(s.reopens, QStringList{"kept.htm"});
         EXPECT_EQ(s.userMetas[0], "last key");
       }},
      {"bad counts in both files are reported in reading order",
       "[Settings]\r\nNumBrowsers=1.5\r\nBrowserList0=x\r\nNumToolApps=1\r\nToolAppList0=tidy\r\n",
       "[SuperBP 1]\r\nNumLines=x1\r\nLine0=lost\r\n[SuperBP 2]\r\nNumLines=1\r\nLine0=kept\r\n",
       {"Penwick|'x1' is not a valid integer value", "Penwick|'1.5' is not a valid integer value"},
       [](const Settings& s, const EditorSwitches&) {
         EXPECT_TRUE(s.superBPlates[0].isEmpty());
         EXPECT_EQ(s.superBPlates[1], QStringList{"kept"});
         EXPECT_TRUE(s.browsers.isEmpty());
         EXPECT_EQ(s.toolApps, QStringList{"tidy"});
       }},
      {"a huge count is cut to the file",
       "[Settings]\r\nNumReopens=2000000000\r\nReopens0=a.htm\r\nReopens1=b.htm\r\nReopens2=c.htm\r\n"
       "UserMeta1=after\r\n",
       "[SuperBP 1]\r\nNumLines=2147483647\r\nLine0=only\r\n",
       {},
       [](const Settings& s, const EditorSwitches&) {
         ASSERT_GE(s.reopens.size(), 3);
         EXPECT_LE(s.reopens.size(), 7);  // the file's line count
         EXPECT_EQ(s.reopens.mid(0, 3), (QStringList{"a.htm", "b.htm", "c.htm"}));
         EXPECT_EQ(s.reopens.size() - s.reopens.count(QString()), 3);
         EXPECT_EQ(s.userMetas[0], "after");
         EXPECT_LE(s.superBPlates[0].size(), 4);
         EXPECT_EQ(s.superBPlates[0].value(0), "only");
       }},
      {"long lists read in full; a negative count reads nothing; WrdWrapOn decides over WordWrap; another "
       "help page keeps the site list empty",
       ListText("Research", "NumItems", "ResearchList", 20) +
           ListText("Settings", "NumReopens", "Reopens", 7) +
           "NumToolApps=-3\r\nToolAppList0=x\r\nWordWrap=1\r\nWrdWrapOn=0\r\n"
           "[Websites]\r\nHelpURL=https://example.net/\r\n",
       "",
       {},
       [](const Settings& s, const EditorSwitches& sw) {
         EXPECT_EQ(s.research, Entries(20));
         EXPECT_EQ(s.lastResearch, "entry0");
         EXPECT_EQ(s.reopens, Entries(7));
         EXPECT_TRUE(s.toolApps.isEmpty());
         EXPECT_FALSE(sw.wordWrap);
         EXPECT_TRUE(s.helpUrls.isEmpty());
       }},
  };

  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(ProgramFile("penwick.ini"));
    QFile::remove(ProgramFile("superbp.ini"));
    if (!c.penwickIni.isEmpty()) WriteProgramFile("penwick.ini", c.penwickIni);
    if (!c.superBpIni.isEmpty()) WriteProgramFile("superbp.ini", c.superBpIni);
    ui_.Clear();
    for (qsizetype i = 0; i < c.messages.size(); ++i) ui_.AnswerMessage(MsgResult::kOk);

    Settings s;
    EditorSwitches sw;
    // A hostile count must not hang the load (the test's time-out would catch it) nor fill memory.
    store_.Load(s, sw, boxes_);

    EXPECT_EQ(ui_.MessageLog(), c.messages);
    c.check(s, sw);
  }
}

// The lists of a menu keep what the menu shows; the others keep all. (Their keys are in the layout test.)
TEST_F(SettingsStoreTest, SaveCutsTheMenuListsOnly) {
  const std::pair<QStringList Settings::*, int> cases[] = {
      {&Settings::research, 15},   {&Settings::helpUrls, 15}, {&Settings::helpFiles, 15},
      {&Settings::hhelpFiles, 15}, {&Settings::reopens, 5},   {&Settings::browsers, 20},
      {&Settings::mailers, 20},    {&Settings::toolApps, 20}, {&Settings::bookmarkNotes, 20},
  };
  for (const auto& [list, saved] : cases) {
    Settings s;
    (s.*list) = Entries(20);
    ASSERT_TRUE(store_.Save(s, EditorSwitches(), boxes_));
    Settings loaded;
    EditorSwitches sw;
    store_.Load(loaded, sw, boxes_);
    EXPECT_EQ(loaded.*list, Entries(saved)) << saved;
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(SettingsStoreTest, LineBreaksInValuesStayOnTheirLine) {
  Settings s;
  s.boilerplates[0] = "<p>\r\n</p>";
  s.boilerplates[1] = "second";
  s.userMetas[0] = "a\rb\nc";
  s.superBPlates[0] = {"<tr>\r\n<td>", "[Location]", "</tr>"};
  ASSERT_TRUE(store_.Save(s, EditorSwitches(), boxes_));

  Settings loaded;
  EditorSwitches sw;
  store_.Load(loaded, sw, boxes_);
  EXPECT_EQ(loaded.boilerplates[0], "<p> </p>");
  EXPECT_EQ(loaded.boilerplates[1], "second");
  EXPECT_EQ(loaded.userMetas[0], "a b c");
  EXPECT_EQ(loaded.superBPlates[0], (QStringList{"<tr> <td>", "[Location]", "</tr>"}));
  EXPECT_EQ(loaded.top, 40);
}

TEST_F(SettingsStoreTest, SaveDropsKeysItDoesNotWrite) {
  WriteProgramFile("penwick.ini", "[Settings]\r\nStrayKey=1\r\n[Old Section]\r\nA=b\r\n");
  ASSERT_TRUE(store_.Save(Settings(), EditorSwitches(), boxes_));
  const Profile file = Profile::Read(store_.PenwickIniPath());
  EXPECT_FALSE(file.HasKey("Settings", "StrayKey"));
  EXPECT_FALSE(file.Sections().contains("Old Section"));
  EXPECT_TRUE(file.HasKey("Settings", "WrdWrapOn"));
}

// Two saves, so that both files and both backups exist; returns the four files' bytes.
std::map<QString, QByteArray> SaveTwice(const QString& folder, MessageBoxes& boxes) {
  Settings s;
  EditorSwitches sw;
  for (int tab : {3, 4}) {
    sw.tabInterval = tab;
    s.superBPlates[0] = {QString::number(tab)};
    EXPECT_TRUE(SettingsStore(folder).Save(s, sw, boxes));
  }
  std::map<QString, QByteArray> files;
  for (const char* name : {"penwick.ini", "pw_ini.bak", "superbp.ini", "sbp_ini.bak"}) {
    files[name] = TestEnv::ReadFile(QDir(folder).filePath(name));
  }
  return files;
}

Settings Changed() {
  Settings s;
  s.superBPlates[0] = {"changed"};
  s.boilerplates[0] = "changed";
  return s;
}

TEST(SettingsStoreFailureTest, AFailedSaveChangesNoFileAndSaysWhy) {
  const struct {
    const char* name;
    // Spoils the program folder; returns the folder the store writes to.
    std::function<QString(const QString& programFolder)> spoil;
    rlim_t fileSizeLimit;
    const char* failingFile;
  } cases[] = {
      // superbp.ini is small and fits; penwick.ini does not: nothing may change, not even superbp.ini
      {"disk full at penwick.ini", [](const QString& folder) { return folder; }, 1024, "penwick.ini"},
      {"disk full from the start", [](const QString& folder) { return folder; }, 16, "superbp.ini"},
      {"folder under a regular file",
       [](const QString& folder) { return QDir(folder).filePath("penwick.ini/sub"); }, RLIM_INFINITY,
       "superbp.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnv env;
    ScriptedUi ui;
    MessageBoxes boxes(ui);
    const auto before = SaveTwice(env.ProgramFolder(), boxes);
    const QString folder = c.spoil(env.ProgramFolder());
    ui.AnswerMessage(MsgResult::kOk);
    bool saved;
    {
      FileSizeLimit limit(c.fileSizeLimit);
      saved = SettingsStore(folder).Save(Changed(), EditorSwitches(), boxes);
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(ui.MessageLog().size(), 1);
    const QString expected = "Penwick|Unable to write to " + QDir(folder).filePath(c.failingFile) + "\n";
    EXPECT_TRUE(ui.MessageLog().first().startsWith(expected)) << ui.MessageLog().first().toStdString();
    EXPECT_GT(ui.MessageLog().first().size(), expected.size()) << "no reason given";
    for (const auto& [name, bytes] : before) {
      EXPECT_EQ(TestEnv::ReadFile(QDir(env.ProgramFolder()).filePath(name)), bytes) << name.toStdString();
    }
    EXPECT_EQ(QDir(env.ProgramFolder()).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "files left behind";
  }
}

// Penwick may die between any two steps of a save: the folder must hold a good penwick.ini and superbp.ini
// (old or new, never short or missing) and a good backup, and the next save must mend everything.
TEST(SettingsStoreFailureTest, ACrashBetweenAnyTwoStepsLeavesGoodFiles) {
  const Settings changed = Changed();
  for (int step = 1;; ++step) {
    SCOPED_TRACE(step);
    TestEnv env;
    ScriptedUi ui;
    MessageBoxes boxes(ui);
    const QDir folder(env.ProgramFolder());
    const auto before = SaveTwice(env.ProgramFolder(), boxes);
    SettingsStore crashing(env.ProgramFolder());
    crashing.CrashAfterStepForTest(step);
    const bool finished = crashing.Save(changed, EditorSwitches(), boxes);

    Settings loaded;
    EditorSwitches sw;
    SettingsStore(env.ProgramFolder()).Load(loaded, sw, boxes);
    const QByteArray penwick = TestEnv::ReadFile(folder.filePath("penwick.ini"));
    EXPECT_TRUE(penwick == before.at("penwick.ini") || loaded.boilerplates[0] == "changed");
    EXPECT_TRUE(loaded.superBPlates[0] == QStringList{"4"} ||
                loaded.superBPlates[0] == QStringList{"changed"});
    for (const char* backup : {"pw_ini.bak", "sbp_ini.bak"}) {
      const QByteArray bytes = TestEnv::ReadFile(folder.filePath(backup));
      EXPECT_TRUE(bytes == before.at(backup) ||
                  bytes == before.at(backup == QString("pw_ini.bak") ? "penwick.ini" : "superbp.ini"))
          << backup;
    }
    EXPECT_TRUE(ui.Shown().empty());

    // The next save at close finds whatever the crash left and writes everything anew.
    ASSERT_TRUE(SettingsStore(env.ProgramFolder()).Save(changed, EditorSwitches(), boxes));
    Settings again;
    SettingsStore(env.ProgramFolder()).Load(again, sw, boxes);
    EXPECT_EQ(again.boilerplates[0], "changed");
    EXPECT_EQ(again.superBPlates[0], QStringList{"changed"});
    if (finished) break;
    ASSERT_LT(step, 20) << "the save never finished";
  }
}

TEST(SettingsStoreFailureTest, AnEmptyOldFileNeverReplacesAGoodBackup) {
  TestEnv env;
  ScriptedUi ui;
  MessageBoxes boxes(ui);
  const QDir folder(env.ProgramFolder());
  const auto before = SaveTwice(env.ProgramFolder(), boxes);
  QFile(folder.filePath("penwick.ini")).resize(0);  // as a full disk left it before this was mended
  ASSERT_TRUE(SettingsStore(env.ProgramFolder()).Save(Changed(), EditorSwitches(), boxes));
  EXPECT_EQ(TestEnv::ReadFile(folder.filePath("pw_ini.bak")), before.at("pw_ini.bak"));
  // A good old file still becomes the backup.
  EXPECT_EQ(TestEnv::ReadFile(folder.filePath("sbp_ini.bak")), before.at("superbp.ini"));
}

TEST_F(SettingsStoreTest, ASymbolicLinkToTheSettingsIsWrittenThrough) {
  QTemporaryDir elsewhere;
  ASSERT_TRUE(elsewhere.isValid());
  const QString real = elsewhere.filePath("my-penwick.ini");
  {
    QFile file(real);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\nTabIntvl=3\r\n");
  }
  ASSERT_TRUE(QFile::link(real, ProgramFile("penwick.ini")));
  EditorSwitches sw;
  sw.tabInterval = 6;
  ASSERT_TRUE(store_.Save(Settings(), sw, boxes_));
  EXPECT_TRUE(QFileInfo(ProgramFile("penwick.ini")).isSymLink());
  EXPECT_EQ(Profile::Read(real).ReadInteger("Settings", "TabIntvl", 0), 6);
  EXPECT_EQ(Profile::Read(ProgramFile("pw_ini.bak")).ReadInteger("Settings", "TabIntvl", 0), 3);
}

// A damaged or hostile penwick.ini costs no time and no memory: lists are capped, and a file far larger
// than any settings file is not read at all.
TEST_F(SettingsStoreTest, HostileSettingsFilesAreCapped) {
  WriteProgramFile("penwick.ini",
                   "[Bookmark Notes]\r\nNumStrings=2000000000\r\n" + QByteArray(8 << 20, '\r'));
  WriteProgramFile("superbp.ini", "[SuperBP 1]\r\nNumLines=2000000000\r\n" + QByteArray(1 << 20, '\n'));
  Settings s;
  EditorSwitches sw;
  store_.Load(s, sw, boxes_);
  EXPECT_EQ(s.bookmarkNotes.size(), 10000);
  EXPECT_EQ(s.superBPlates[0].size(), 10000);
  EXPECT_TRUE(ui_.Shown().empty());

  WriteProgramFile("penwick.ini", "[Settings]\r\nTabIntvl=3\r\n" + QByteArray(17 << 20, ' '));
  ui_.AnswerMessage(MsgResult::kOk);
  store_.Load(s, sw, boxes_);
  EXPECT_EQ(sw.tabInterval, 8);
  ASSERT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_TRUE(ui_.MessageLog().first().startsWith(
      "Penwick|" + QDir::toNativeSeparators(ProgramFile("penwick.ini")) + " is 17825816 bytes long."))
      << ui_.MessageLog().first().toStdString();
  EXPECT_TRUE(ui_.MessageLog().first().endsWith("Penwick starts with its default settings."));
}

// A stored number outside its limits, or not a number, reads as the default. Frame and find dialog positions
// take any number (the frame keeps itself on screen); the find dialog's default follows the frame.
TEST_F(SettingsStoreTest, NumbersOutOfTheirLimitsReadAsTheDefault) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const struct {
    std::function<int(const Settings&, const EditorSwitches&)> field;
    const char* key;                                 // with its section
    std::vector<std::pair<const char*, int>> reads;  // stored text, value read
  } cases[] = {
      {[](auto&, auto& sw) { return sw.tabInterval; },
       "[Settings]\r\nTabIntvl=",
       {{"0", 8}, {"-5", 8}, {"100", 8}, {"x5", 8}, {"1", 1}, {"99", 99}}},
      {[](auto&, auto& sw) { return sw.wrapColumn; },
       "[Settings]\r\nWrapColumn=",
       {{"0", 68}, {"-5", 68}, {"100", 68}, {"x5", 68}, {"1", 1}, {"99", 99}}},
      {[](auto& s, auto&) { return s.lastFilter; },
       "[Settings]\r\nLastFilter=",
       {{"0", 2}, {"-5", 2}, {"100", 2}, {"x5", 2}, {"7", 2}, {"1", 1}, {"6", 6}}},
      {[](auto& s, auto&) { return s.top; },
       "[Location]\r\nTop=",
       {{"0", 0}, {"-5", -5}, {"100000", 100000}, {"x5", 40}}},
      {[](auto& s, auto&) { return s.width; }, "[Location]\r\nWidth=", {{"-5", -5}, {"x5", 0}}},
      {[](auto& s, auto&) { return s.findDlgLeft; },
       "[Settings]\r\nFindDlgLeft=",
       {{"-5", -5}, {"100000", 100000}, {"x5", 85}}},
      {[](auto& s, auto&) { return s.findDlgTop; },
       "[Location]\r\nTop=",
       {{"-5", 35}, {"x5", 80}, {"2147483647", kMax}}},
  };
  for (const auto& c : cases) {
    for (const auto& [text, expected] : c.reads) {
      SCOPED_TRACE(std::string(c.key) + text);
      WriteProgramFile("penwick.ini", QByteArray(c.key) + text + "\r\n");
      Settings s;
      EditorSwitches sw;
      FillSample(s, sw);  // so that no value read can be one left over
      store_.Load(s, sw, boxes_);
      EXPECT_EQ(c.field(s, sw), expected);
    }
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

// The written file byte for byte: names spelled as Penwick has always written them, keys in their order,
// values quoted where reading would lose their edge blanks or quotes. Loading it gives every value back.
TEST_F(SettingsStoreTest, SavedFilesKeepTheirLayoutAndLoadBackWhole) {
  Settings s;
  EditorSwitches sw;
  FillSample(s, sw);
  s.boilerplates[7] = " <li> ";  // a tab would not show in the text below
  ASSERT_TRUE(store_.Save(s, sw, boxes_));
  QByteArray expected = R"([Location]
Top=120
Left=-30
Height=600
Width=900

[Settings]
FindDlgTop=7
FindDlgLeft=9
TabIntvl=2
WrapColumn=99
WordWrap=0
NoBugMsg=1
InsertWarning=0
TextOverSelWarning=0
Find/ReplaceWarning=0
LastOpen=/home/ann/site/index.htm
LastFilter=4
F7Tool=tidy -m
F8Tool=validate
FirstDOF=a.htm
SecondDOF=
ThirdDOF=c d.htm
FourthDOF=
FifthDOF=e=f.htm
Calendar=cal
Calculator=
Browser=firefox
NumBrowsers=2
BrowserList0=firefox
BrowserList1=chromium
NumReopens=3
Reopens0=1.htm
Reopens1=2.htm
Reopens2=3.htm
HTMLFile=new.htm
FindString="  two blanks first"
FindToReplace=<b>
ReplaceString=""quoted""
Mailer=mutt
Nummailers=2
mailerList0=mutt
mailerList1=thunderbird
WordCounter=wc.exe
ToolApp=gimp
NumToolApps=1
ToolAppList0=gimp
WrdWrapOn=0
UserMeta1=author
UserMeta2=
UserMeta3=
UserMeta4=
UserMeta5=keywords

[Research]
NumItems=2
ResearchList0=term one
ResearchList1=term two

[Websites]
HelpURL=https://example.net/help
NumSites=2
HelpURLList0=https://example.net/a
HelpURLList1=https://example.net/b

[WinHelp Files]
HelpFile=a.hlp
NumFiles=1
HelpFileList0=a.hlp

[HTMLHelp Files]
HHelpFile=b.chm
NumFiles=2
HHelpFileList0=b.chm
HHelpFileList1=c.chm

[Tagset]
STags1=<em>
STags2=
STags3=
STags4=
STags5=
STags6=
STags7=
STags8=
STags9=
STags10=
STags11=
STags12=
STags13=
STags14=
STags15=<a href="">

[Boilerplate]
BPlate1=<p>
BPlate2=
BPlate3=
BPlate4=
BPlate5=
BPlate6=
BPlate7=
BPlate8=" <li> "

[Bookmark Notes]
NumStrings=2
BookmarkNote0=note ; with semicolon
BookmarkNote1=[not a section]
)";
  expected.replace("\n", "\r\n");
  EXPECT_EQ(ReadProgramFile("penwick.ini"), expected);

  // What was loaded saves to the same bytes, so no value was lost or changed on the way.
  const QByteArray superBp = ReadProgramFile("superbp.ini");
  Settings loaded;
  EditorSwitches loadedSw;
  store_.Load(loaded, loadedSw, boxes_);
  for (int n : {0, 1, 7}) EXPECT_EQ(loaded.superBPlates[n], s.superBPlates[n]) << n;
  ASSERT_TRUE(store_.Save(loaded, loadedSw, boxes_));
  EXPECT_EQ(ReadProgramFile("penwick.ini"), expected);
  EXPECT_EQ(ReadProgramFile("superbp.ini"), superBp);
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_EQ(QDir(env_.ProgramFolder()).entryList(QDir::Files),
            (QStringList{"penwick.ini", "pw_ini.bak", "sbp_ini.bak", "superbp.ini"}));
}

}  // namespace
}  // namespace penwick
