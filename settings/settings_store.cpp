#include "settings/settings_store.h"

#include <QDir>
#include <QtNumeric>
#include <algorithm>
#include <limits>
#include <optional>
#include <span>
#include <variant>

#include "platform/file_io.h"
#include "platform/profile.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

// Lists the menus and drop-downs show; longer lists are cut when written.
constexpr qsizetype kMaxResearch = kMaxSavedMenuList;
constexpr qsizetype kMaxHelpUrls = kMaxSavedMenuList;
constexpr qsizetype kMaxHelpFiles = kMaxSavedMenuList;
constexpr qsizetype kMaxReopens = 5;
// Lists as read: far more than anyone keeps, few enough that a damaged count costs nothing. (The menu lists
// above are cut further when written.)
constexpr qsizetype kMaxProgramList = 100;      // menus and drop-downs: browsers, programs, recent files
constexpr qsizetype kMaxBookmarkNotes = 10000;  // notes of the bookmark pad
constexpr qsizetype kMaxSuperBpLines = 10000;   // lines of one superboilerplate
constexpr int kMaxColumns = 99;                 // tab interval and wrap column, from 1
constexpr int kFilterCount = 6;                 // file types of the open and save dialogs

// Every list entry sits on a line of its own, so no list can hold more entries than its file has lines.
int CountLines(const QByteArray& bytes) {
  qsizetype breaks = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++breaks;
  }
  return static_cast<int>(std::min<qsizetype>(breaks + 1, std::numeric_limits<int>::max()));
}

struct IniFile {
  Profile profile;
  int lineCount = 0;
};

// A missing file reads as defaults; one that cannot be read (not a regular file, far too large) is reported
// and reads as defaults too.
IniFile ParseIni(const QByteArray& bytes) {
  IniFile ini;
  ini.profile = Profile::Parse(bytes);
  ini.lineCount = CountLines(bytes);
  return ini;
}

IniFile ReadIniFile(const QString& path, MessageBoxes& boxes) {
  IniFile ini;
  if (KindOfPath(path) == PathKind::kMissing) return ini;
  QByteArray bytes;
  QString error;
  if (!ReadWholeFile(path, &bytes, &error, Profile::kMaxFileBytes)) {
    boxes.ShowError(error + QStringLiteral("\nPenwick starts with its default settings."));
    return ini;
  }
  return ParseIni(bytes);
}

// The kinds of stored value; each points at the field that reading fills and writing takes the value from.

// A whole number; one that is missing, not a number or outside min..max reads as def. With from set, def
// counts from that field, which an earlier row has read.
struct Int {
  int* value;
  int def;
  int min = std::numeric_limits<int>::min();
  int max = std::numeric_limits<int>::max();
  const int* from = nullptr;
};
// Written as 1 or 0; any number but 0 reads as true, a value that is not a number as def.
struct Bool {
  bool* value;
  bool def;
};
struct Text {
  QString* value;
  const char* def = "";
};
// Slots under numbered keys <key>1, <key>2, ...
struct Texts {
  std::span<QString> values;
};
// The row's key holds the count, the entries follow as <prefix>0, <prefix>1, ... Reading appends at most
// readCap entries; writing cuts the list to writeCap.
struct List {
  QStringList* items;
  const char* prefix;
  qsizetype readCap;
  qsizetype writeCap;
};

// One stored value: where it sits in its file and the field it belongs to. Rows are written in their order
// and read in the same order, so of two rows for one field the later decides.
struct Row {
  QString section;
  QString key;
  std::variant<Int, Bool, Text, Texts, List> field;
};

// Sections and keys are spelled as Penwick has always written them; reading matches them without regard to
// case.
std::vector<Row> PenwickRows(Settings& s, EditorSwitches& sw) {
  return {
      {"Location", "Top", Int{&s.top, 40}},
      {"Location", "Left", Int{&s.left, 5}},
      {"Location", "Height", Int{&s.height, 0}},  // 0 keeps the design size
      {"Location", "Width", Int{&s.width, 0}},
      // The find dialog opens just below and right of the frame unless it was moved.
      {"Settings", "FindDlgTop", Int{.value = &s.findDlgTop, .def = 40, .from = &s.top}},
      {"Settings", "FindDlgLeft", Int{.value = &s.findDlgLeft, .def = 80, .from = &s.left}},
      {"Settings", "TabIntvl", Int{&sw.tabInterval, 8, 1, kMaxColumns}},
      {"Settings", "WrapColumn", Int{&sw.wrapColumn, 68, 1, kMaxColumns}},
      {"Settings", "WordWrap", Bool{&sw.wordWrap, false}},  // WrdWrapOn below decides
      {"Settings", "NoBugMsg", Bool{&s.noBugMsg, false}},
      {"Settings", "InsertWarning", Bool{&sw.insertWarning, true}},
      {"Settings", "TextOverSelWarning", Bool{&sw.textOverSelWarning, true}},
      {"Settings", "Find/ReplaceWarning", Bool{&sw.findReplaceWarning, true}},
      {"Settings", "LastOpen", Text{&s.lastOpen}},
      {"Settings", "LastFilter", Int{&s.lastFilter, 2, 1, kFilterCount}},
      {"Settings", "F7Tool", Text{&s.f7Tool}},
      {"Settings", "F8Tool", Text{&s.f8Tool}},
      {"Settings", "FirstDOF", Text{&s.directOpen[0]}},
      {"Settings", "SecondDOF", Text{&s.directOpen[1]}},
      {"Settings", "ThirdDOF", Text{&s.directOpen[2]}},
      {"Settings", "FourthDOF", Text{&s.directOpen[3]}},
      {"Settings", "FifthDOF", Text{&s.directOpen[4]}},
      {"Settings", "Calendar", Text{&s.calendar, "calendar.exe"}},
      {"Settings", "Calculator", Text{&s.calculator, "calc.exe"}},
      {"Settings", "Browser", Text{&s.browser}},
      // The lower-case spellings are the ones existing files carry.
      {"settings", "NumBrowsers", List{&s.browsers, "BrowserList", kMaxProgramList, kMaxProgramList}},
      {"Research", "NumItems", List{&s.research, "ResearchList", kMaxProgramList, kMaxResearch}},
      {"Websites", "HelpURL", Text{&s.helpUrl, kHomePage}},
      {"Websites", "NumSites", List{&s.helpUrls, "HelpURLList", kMaxProgramList, kMaxHelpUrls}},
      {"WinHelp Files", "HelpFile", Text{&s.helpFile}},
      {"WinHelp Files", "NumFiles", List{&s.helpFiles, "HelpFileList", kMaxProgramList, kMaxHelpFiles}},
      {"HTMLHelp Files", "HHelpFile", Text{&s.hhelpFile}},
      {"HTMLHelp Files", "NumFiles", List{&s.hhelpFiles, "HHelpFileList", kMaxProgramList, kMaxHelpFiles}},
      {"settings", "NumReopens", List{&s.reopens, "Reopens", kMaxProgramList, kMaxReopens}},
      {"Tagset", "STags", Texts{s.tagSlots}},
      {"Settings", "HTMLFile", Text{&s.htmlFile}},
      {"Settings", "FindString", Text{&s.findString}},
      {"Settings", "FindToReplace", Text{&s.findToReplace}},
      {"Settings", "ReplaceString", Text{&s.replaceString}},
      {"Settings", "Mailer", Text{&s.mailer}},
      {"Settings", "Nummailers", List{&s.mailers, "mailerList", kMaxProgramList, kMaxProgramList}},
      {"Settings", "WordCounter", Text{&s.wordCounter}},
      {"Settings", "ToolApp", Text{&s.toolApp}},
      {"Settings", "NumToolApps", List{&s.toolApps, "ToolAppList", kMaxProgramList, kMaxProgramList}},
      {"Settings", "WrdWrapOn", Bool{&sw.wordWrap, true}},
      {"Boilerplate", "BPlate", Texts{s.boilerplates}},
      {"Bookmark Notes", "NumStrings",
       List{&s.bookmarkNotes, "BookmarkNote", kMaxBookmarkNotes, kMaxBookmarkNotes}},
      {"Settings", "UserMeta", Texts{s.userMetas}},
  };
}

std::vector<Row> SuperBpRows(Settings& s) {
  std::vector<Row> rows;
  for (size_t i = 0; i < s.superBPlates.size(); ++i) {
    rows.push_back({"superBP " + QString::number(i + 1), "NumLines",
                    List{&s.superBPlates[i], "Line", kMaxSuperBpLines, kMaxSuperBpLines}});
  }
  return rows;
}

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

void ReadRows(const IniFile& ini, const std::vector<Row>& rows, MessageBoxes& boxes) {
  for (const Row& row : rows) {
    const auto text = [&](const QString& key, const QString& def) {
      return ini.profile.ReadString(row.section, key, def);
    };
    const Overloaded read{
        [&](const Int& f) {
          int def = f.def;
          if (f.from && qAddOverflow(*f.from, f.def, &def)) def = std::numeric_limits<int>::max();
          const int value = ini.profile.ReadInteger(row.section, row.key, def);
          *f.value = value < f.min || value > f.max ? def : value;
        },
        [&](const Bool& f) { *f.value = ini.profile.ReadBool(row.section, row.key, f.def); },
        [&](const Text& f) { *f.value = text(row.key, f.def); },
        [&](const Texts& f) {
          for (size_t i = 0; i < f.values.size(); ++i)
            f.values[i] = text(row.key + QString::number(i + 1), {});
        },
        [&](const List& f) {
          // A count that is not an integer is reported and reads as 0, so only its own list is lost.
          const QString countText = text(row.key, "0");
          const std::optional<int> count = StrToInt(countText);
          if (!count) boxes.ShowError("'" + countText + "' is not a valid integer value");
          const qsizetype n = std::min<qsizetype>({count.value_or(0), ini.lineCount, f.readCap});
          for (qsizetype i = 0; i < n; ++i) f.items->append(text(f.prefix + QString::number(i), {}));
        },
    };
    std::visit(read, row.field);
  }
}

QByteArray WriteRows(const std::vector<Row>& rows) {
  Profile ini;
  for (const Row& row : rows) {
    const auto text = [&](const QString& key, const QString& value) {
      ini.WriteString(row.section, key, ProfileFileValue(value));
    };
    const Overloaded write{
        [&](const Int& f) { ini.WriteInteger(row.section, row.key, *f.value); },
        [&](const Bool& f) { ini.WriteBool(row.section, row.key, *f.value); },
        [&](const Text& f) { text(row.key, *f.value); },
        [&](const Texts& f) {
          for (size_t i = 0; i < f.values.size(); ++i) text(row.key + QString::number(i + 1), f.values[i]);
        },
        [&](const List& f) {
          const qsizetype count = std::min(f.items->size(), f.writeCap);
          ini.WriteInteger(row.section, row.key, static_cast<int>(count));
          for (qsizetype i = 0; i < count; ++i) text(f.prefix + QString::number(i), f.items->at(i));
        },
    };
    std::visit(write, row.field);
  }
  return ini.Serialize();
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

namespace {

void ReadBoth(const IniFile& superBp, const IniFile& penwick, Settings& s, EditorSwitches& sw,
              MessageBoxes& boxes) {
  ReadRows(superBp, SuperBpRows(s), boxes);
  s.bookmarkNotes.clear();
  const qsizetype sitesBefore = s.helpUrls.size();
  ReadRows(penwick, PenwickRows(s, sw), boxes);
  if (!s.research.isEmpty()) s.lastResearch = s.research.first();
  // A fresh installation offers the home page in the help drop-down.
  if (s.helpUrls.size() == sitesBefore && s.helpUrl == kHomePage) s.helpUrls = QStringList{kHomePage};
}

}  // namespace

void SettingsStore::Load(Settings& s, EditorSwitches& sw, MessageBoxes& boxes) const {
  ReadBoth(ReadIniFile(SuperBpIniPath(), boxes), ReadIniFile(PenwickIniPath(), boxes), s, sw, boxes);
}

QMap<QByteArray, QByteArray> SettingsStore::Snapshot(const Settings& settings,
                                                     const EditorSwitches& switches) const {
  Settings s = settings;
  EditorSwitches sw = switches;
  return {{"superbp.ini", WriteRows(SuperBpRows(s))}, {"penwick.ini", WriteRows(PenwickRows(s, sw))}};
}

void SettingsStore::Restore(const QMap<QByteArray, QByteArray>& snapshot, Settings& settings,
                            EditorSwitches& switches, MessageBoxes& boxes) const {
  // Lists are appended to as they are read: the snapshot is read into fresh settings.
  Settings s;
  ReadBoth(ParseIni(snapshot.value("superbp.ini")), ParseIni(snapshot.value("penwick.ini")), s, switches,
           boxes);
  s.top = settings.top;
  s.left = settings.left;
  s.height = settings.height;
  s.width = settings.width;
  settings = std::move(s);
}

bool SettingsStore::Save(const Settings& settings, const EditorSwitches& switches,
                         MessageBoxes& boxes) const {
  // The rows point at fields that reading fills; writing takes the values from a copy.
  Settings s = settings;
  EditorSwitches sw = switches;
  const QDir folder(folder_);
  return ReplaceFiles({{SuperBpIniPath(), folder.filePath("sbp_ini.bak"), WriteRows(SuperBpRows(s))},
                       {PenwickIniPath(), folder.filePath("pw_ini.bak"), WriteRows(PenwickRows(s, sw))}},
                      boxes);
}

}  // namespace penwick
