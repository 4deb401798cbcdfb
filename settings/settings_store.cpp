#include "settings/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "ui/message_boxes.h"
#include "platform/file_io.h"
#include "platform/profile.h"

namespace penwick {

namespace {

constexpr int kSuperBpCount = 8;
// Lists the menus and drop-downs show; longer lists are cut when written.
constexpr qsizetype kMaxResearch = 15;
constexpr qsizetype kMaxHelpUrls = 15;
constexpr qsizetype kMaxHelpFiles = 15;
constexpr qsizetype kMaxReopens = 5;
// Lists as read: far more than anyone keeps, few enough that a damaged count costs nothing. (The menu lists
// above are cut further when written.)
constexpr qsizetype kMaxProgramList = 100;      // menus and drop-downs: browsers, programs, recent files
constexpr qsizetype kMaxBookmarkNotes = 10000;  // notes of the bookmark pad
constexpr qsizetype kMaxSuperBpLines = 10000;   // lines of one superboilerplate

// Every list entry sits on a line of its own, so no list can hold more entries than its file has lines.
int CountLines(const QByteArray& bytes) {
  qsizetype breaks = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++breaks;
  }
  return static_cast<int>(std::min<qsizetype>(breaks + 1, std::numeric_limits<int>::max()));
}

// One profile file being read, with what is needed to keep a damaged or hand-edited count harmless.
class IniReader {
 public:
  // A missing file reads as defaults; one that cannot be read (not a regular file, far too large) is
  // reported and reads as defaults too.
  IniReader(const QString& path, MessageBoxes& boxes) : boxes_(boxes) {
    if (KindOfPath(path) == PathKind::kMissing) return;
    QByteArray bytes;
    QString error;
    if (!ReadWholeFile(path, &bytes, &error, Profile::kMaxFileBytes)) {
      boxes_.ShowError(error + QStringLiteral("\nPenwick starts with its default settings."));
      return;
    }
    profile_ = Profile::Parse(bytes);
    lineCount_ = CountLines(bytes);
  }

  QString String(const QString& section, const QString& key, const QString& def = {}) const {
    return profile_.ReadString(section, key, def);
  }
  int Integer(const QString& section, const QString& key, int def) const {
    return profile_.ReadInteger(section, key, def);
  }
  bool Bool(const QString& section, const QString& key, bool def) const {
    return profile_.ReadInteger(section, key, def ? 1 : 0) != 0;
  }

  // A list count, cut to the file's line count and to the list's limit. One that is not an integer is
  // reported and reads as 0 so only its own list is lost.
  int Count(const QString& section, const QString& key, qsizetype limit) const {
    const QString text = profile_.ReadString(section, key, "0");
    const std::optional<int> count = StrToInt(text);
    if (!count) {
      boxes_.ShowError("'" + text + "' is not a valid integer value");
      return 0;
    }
    return static_cast<int>(std::min<qsizetype>({*count, lineCount_, limit}));
  }

  // Appends entries <prefix>0 .. <prefix><count-1>, at most limit of them; returns the count used.
  int List(const QString& section, const QString& countKey, const QString& prefix, QStringList& items,
           qsizetype limit) const {
    const int count = Count(section, countKey, limit);
    for (int i = 0; i < count; ++i) items.append(String(section, prefix + QString::number(i)));
    return count;
  }

 private:
  Profile profile_;
  int lineCount_ = 0;
  MessageBoxes& boxes_;
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

// The form a value takes in the file so that it reads back as written:
// - a line break would end the line early and leave the rest as a stray line of the file (a pasted
//   boilerplate line, say), so each break is written as a blank;
// - reading strips surrounding blanks and one pair of enclosing quotes, which would lose the indentation of
//   a boilerplate line, so such a value is written inside a pair of quotes that reading takes off again.
QString FileValue(QString value) {
  value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  value.replace(u'\r', u' ');
  value.replace(u'\n', u' ');
  const bool edgeBlank = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
  const bool quoted =
      value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
  if (edgeBlank || quoted) value = '"' + value + '"';
  return value;
}

class IniWriter {
 public:
  void String(const QString& section, const QString& key, const QString& value) {
    profile_.WriteString(section, key, FileValue(value));
  }
  void Integer(const QString& section, const QString& key, int value) {
    profile_.WriteString(section, key, QString::number(value));
  }
  void Bool(const QString& section, const QString& key, bool value) {
    profile_.WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
  }
  void List(const QString& section, const QString& countKey, const QString& prefix, const QStringList& items,
            qsizetype limit) {
    const qsizetype count = std::min(items.size(), limit);
    Integer(section, countKey, static_cast<int>(count));
    for (qsizetype i = 0; i < count; ++i) String(section, prefix + QString::number(i), items[i]);
  }
  QByteArray Bytes() const { return profile_.Serialize(); }

 private:
  Profile profile_;
};

QString SuperBpSection(const char* spelling, int number) {
  return QString::fromLatin1(spelling) + ' ' + QString::number(number);
}

QByteArray SuperBpContent(const Settings& s) {
  IniWriter ini;
  for (int k = 1; k <= kSuperBpCount; ++k) {
    ini.List(SuperBpSection("superBP", k), "NumLines", "Line", s.superBPlates[k - 1], kMaxSuperBpLines);
  }
  return ini.Bytes();
}

QByteArray PenwickContent(const Settings& s, const EditorSwitches& sw) {
  IniWriter ini;
  ini.Integer("Location", "Top", s.top);
  ini.Integer("Location", "Left", s.left);
  ini.Integer("Location", "Height", s.height);
  ini.Integer("Location", "Width", s.width);

  ini.Integer("Settings", "FindDlgTop", s.findDlgTop);
  ini.Integer("Settings", "FindDlgLeft", s.findDlgLeft);
  ini.Integer("Settings", "TabIntvl", sw.tabInterval);
  ini.Integer("Settings", "WrapColumn", sw.wrapColumn);
  ini.Bool("Settings", "WordWrap", sw.wordWrap);
  ini.Bool("Settings", "NoBugMsg", s.noBugMsg);
  ini.Bool("Settings", "InsertWarning", sw.insertWarning);
  ini.Bool("Settings", "TextOverSelWarning", sw.textOverSelWarning);
  ini.Bool("Settings", "Find/ReplaceWarning", sw.findReplaceWarning);
  ini.String("Settings", "LastOpen", s.lastOpen);
  ini.Integer("Settings", "LastFilter", s.lastFilter);
  ini.String("Settings", "F7Tool", s.f7Tool);
  ini.String("Settings", "F8Tool", s.f8Tool);
  const char* const dofKeys[] = {"FirstDOF", "SecondDOF", "ThirdDOF", "FourthDOF", "FifthDOF"};
  for (size_t i = 0; i < s.directOpen.size(); ++i) ini.String("Settings", dofKeys[i], s.directOpen[i]);
  ini.String("Settings", "Calendar", s.calendar);
  ini.String("Settings", "Calculator", s.calculator);
  ini.String("Settings", "Browser", s.browser);
  // The lower-case spellings below are the ones existing files carry; the section match ignores case.
  ini.List("settings", "NumBrowsers", "BrowserList", s.browsers, kMaxProgramList);

  ini.List("Research", "NumItems", "ResearchList", s.research, kMaxResearch);

  ini.String("Websites", "HelpURL", s.helpUrl);
  ini.List("Websites", "NumSites", "HelpURLList", s.helpUrls, kMaxHelpUrls);

  ini.String("WinHelp Files", "HelpFile", s.helpFile);
  ini.List("WinHelp Files", "NumFiles", "HelpFileList", s.helpFiles, kMaxHelpFiles);
  ini.String("HTMLHelp Files", "HHelpFile", s.hhelpFile);
  ini.List("HTMLHelp Files", "NumFiles", "HHelpFileList", s.hhelpFiles, kMaxHelpFiles);

  ini.List("settings", "NumReopens", "Reopens", s.reopens, kMaxReopens);

  for (size_t i = 0; i < s.tagSlots.size(); ++i) {
    ini.String("Tagset", "STags" + QString::number(i + 1), s.tagSlots[i]);
  }

  ini.String("Settings", "HTMLFile", s.htmlFile);
  ini.String("Settings", "FindString", s.findString);
  ini.String("Settings", "FindToReplace", s.findToReplace);
  ini.String("Settings", "ReplaceString", s.replaceString);
  ini.String("Settings", "Mailer", s.mailer);
  ini.List("Settings", "Nummailers", "mailerList", s.mailers, kMaxProgramList);
  ini.String("Settings", "WordCounter", s.wordCounter);
  ini.String("Settings", "ToolApp", s.toolApp);
  ini.List("Settings", "NumToolApps", "ToolAppList", s.toolApps, kMaxProgramList);
  ini.Bool("Settings", "WrdWrapOn", sw.wordWrap);

  for (size_t i = 0; i < s.boilerplates.size(); ++i) {
    ini.String("Boilerplate", "BPlate" + QString::number(i + 1), s.boilerplates[i]);
  }
  ini.List("Bookmark Notes", "NumStrings", "BookmarkNote", s.bookmarkNotes, kMaxBookmarkNotes);
  for (size_t i = 0; i < s.userMetas.size(); ++i) {
    ini.String("Settings", "UserMeta" + QString::number(i + 1), s.userMetas[i]);
  }
  return ini.Bytes();
}

}  // namespace

// Every new file and every backup is written completely beside its target first: a full disk or a failing
// device stops the save before anything is replaced. Only then are they renamed into place, backups first;
// each rename replaces one whole file by another, so at no moment is a settings file missing or short, even
// if Penwick dies between two steps.
bool SettingsStore::ReplaceFiles(const std::vector<SettingsFile>& files, MessageBoxes& boxes) const {
  std::vector<StagedFile> staged;
  int step = 0;
  const auto stage = [&](const QString& path, const QByteArray& bytes) {
    QString error;
    StagedFile file;
    if (!file.Stage(path, bytes, &error)) {
      boxes.ShowError(error);
      return false;
    }
    staged.push_back(std::move(file));
    return true;
  };
  const auto crashHere = [&] {
    if (++step != crashAfterStep_) return false;
    for (StagedFile& file : staged) file.Abandon();
    return true;
  };
  for (const SettingsFile& file : files) {
    if (!stage(file.path, file.bytes) || crashHere()) return false;
  }
  const std::size_t newFiles = staged.size();
  for (const SettingsFile& file : files) {
    // The backup is the file as it was before this save; an old file that is empty or unreadable (a
    // damaged one) never replaces a good backup.
    QByteArray old;
    if (!ReadWholeFile(file.path, &old, nullptr, Profile::kMaxFileBytes) || old.isEmpty()) continue;
    if (!stage(file.backupPath, old) || crashHere()) return false;
  }
  // Backups go in place before the new files, so a good copy of the old settings always exists.
  for (std::size_t i = newFiles; i < staged.size(); ++i) {
    QString error;
    if (!staged[i].Commit(&error)) {
      boxes.ShowError(error);
      return false;
    }
    if (crashHere()) return false;
  }
  for (std::size_t i = 0; i < newFiles; ++i) {
    QString error;
    if (!staged[i].Commit(&error)) {
      boxes.ShowError(error);
      return false;
    }
    if (crashHere()) return false;
  }
  return true;
}

QString SettingsStore::PenwickIniPath() const { return QDir(folder_).filePath("penwick.ini"); }

QString SettingsStore::SuperBpIniPath() const { return QDir(folder_).filePath("superbp.ini"); }

void SettingsStore::Load(Settings& s, EditorSwitches& sw, MessageBoxes& boxes) const {
  {
    const IniReader sbp(SuperBpIniPath(), boxes);
    for (int k = 1; k <= kSuperBpCount; ++k) {
      sbp.List(SuperBpSection("SuperBP", k), "NumLines", "Line", s.superBPlates[k - 1], kMaxSuperBpLines);
    }
  }

  const IniReader ini(PenwickIniPath(), boxes);
  s.top = ini.Integer("Location", "Top", 40);
  s.left = ini.Integer("Location", "Left", 5);
  s.height = ini.Integer("Location", "Height", 0);
  s.width = ini.Integer("Location", "Width", 0);

  // The find dialog opens just below and right of the frame unless it was moved.
  s.findDlgTop = ini.Integer("Settings", "FindDlgTop", s.top + 40);
  s.findDlgLeft = ini.Integer("Settings", "FindDlgLeft", s.left + 80);
  sw.tabInterval = ini.Integer("Settings", "TabIntvl", 8);
  sw.wrapColumn = ini.Integer("Settings", "WrapColumn", 68);
  sw.wordWrap = ini.Bool("Settings", "WordWrap", false);
  s.noBugMsg = ini.Bool("Settings", "NoBugMsg", false);
  sw.insertWarning = ini.Bool("Settings", "InsertWarning", true);
  sw.textOverSelWarning = ini.Bool("Settings", "TextOverSelWarning", true);
  sw.findReplaceWarning = ini.Bool("Settings", "Find/ReplaceWarning", true);
  s.lastOpen = ini.String("Settings", "LastOpen");
  s.lastFilter = ini.Integer("Settings", "LastFilter", 2);
  s.findToReplace = ini.String("Settings", "FindToReplace");
  s.findString = ini.String("Settings", "FindString");
  s.replaceString = ini.String("Settings", "ReplaceString");
  s.wordCounter = ini.String("Settings", "WordCounter");
  s.f7Tool = ini.String("Settings", "F7Tool");
  s.f8Tool = ini.String("Settings", "F8Tool");
  const char* const dofKeys[] = {"FirstDOF", "SecondDOF", "ThirdDOF", "FourthDOF", "FifthDOF"};
  for (size_t i = 0; i < s.directOpen.size(); ++i) s.directOpen[i] = ini.String("Settings", dofKeys[i]);
  s.calendar = ini.String("Settings", "Calendar", "calendar.exe");
  s.calculator = ini.String("Settings", "Calculator", "calc.exe");
  s.browser = ini.String("Settings", "Browser");
  ini.List("Settings", "NumBrowsers", "BrowserList", s.browsers, kMaxProgramList);

  ini.List("Research", "NumItems", "ResearchList", s.research, kMaxProgramList);
  if (!s.research.isEmpty()) s.lastResearch = s.research.first();

  s.helpUrl = ini.String("Websites", "HelpURL", kHomePage);
  const int numSites = ini.List("Websites", "NumSites", "HelpURLList", s.helpUrls, kMaxProgramList);
  // A fresh installation offers the home page in the help drop-down.
  if (numSites == 0 && s.helpUrl == kHomePage) s.helpUrls = QStringList{kHomePage};

  s.helpFile = ini.String("WinHelp Files", "HelpFile");
  ini.List("WinHelp Files", "NumFiles", "HelpFileList", s.helpFiles, kMaxProgramList);
  s.hhelpFile = ini.String("HTMLHelp Files", "HHelpFile");
  ini.List("HTMLHelp Files", "NumFiles", "HHelpFileList", s.hhelpFiles, kMaxProgramList);

  ini.List("Settings", "NumReopens", "Reopens", s.reopens, kMaxProgramList);

  for (size_t i = 0; i < s.tagSlots.size(); ++i) {
    s.tagSlots[i] = ini.String("Tagset", "STags" + QString::number(i + 1));
  }

  s.bookmarkNotes.clear();
  ini.List("Bookmark Notes", "NumStrings", "BookmarkNote", s.bookmarkNotes, kMaxBookmarkNotes);

  s.htmlFile = ini.String("Settings", "HTMLFile");
  s.mailer = ini.String("Settings", "Mailer");
  ini.List("Settings", "NumMailers", "mailerList", s.mailers, kMaxProgramList);
  s.toolApp = ini.String("Settings", "ToolApp");
  ini.List("Settings", "NumToolApps", "ToolAppList", s.toolApps, kMaxProgramList);
  // The later key decides; files without it get word-wrap on.
  sw.wordWrap = ini.Bool("Settings", "WrdWrapOn", true);

  for (size_t i = 0; i < s.boilerplates.size(); ++i) {
    s.boilerplates[i] = ini.String("Boilerplate", "BPlate" + QString::number(i + 1));
  }
  for (size_t i = 0; i < s.userMetas.size(); ++i) {
    s.userMetas[i] = ini.String("Settings", "UserMeta" + QString::number(i + 1));
  }
}

bool SettingsStore::Save(const Settings& settings, const EditorSwitches& switches,
                         MessageBoxes& boxes) const {
  const QDir folder(folder_);
  return ReplaceFiles({{SuperBpIniPath(), folder.filePath("sbp_ini.bak"), SuperBpContent(settings)},
                       {PenwickIniPath(), folder.filePath("pw_ini.bak"), PenwickContent(settings, switches)}},
                      boxes);
}

}  // namespace penwick
