#pragma once
// Everything Penwick keeps between runs, held in memory by the frame for the whole run. The settings store
// (settings_store.h) reads it from penwick.ini and superbp.ini at start and writes it back at close. The
// initial values below are the ones before loading; what a missing or out-of-range stored value reads as is
// given by the store's rows, and a test keeps the two alike.

#include <QString>
#include <QStringList>
#include <array>

namespace penwick {

inline constexpr char kHomePage[] = "https://penwick.example.org/";
// The re-search list, the web-site list and both help-file lists are saved with their first 15 entries.
inline constexpr int kMaxSavedMenuList = 15;

// The switches every editor window shows; one set for the whole program.
enum class HighCharMode { kOff, kAsText, kAsCodes };

struct EditorSwitches {
  int tabInterval = 8;   // TabIntvl
  int wrapColumn = 68;   // WrapColumn
  bool wordWrap = true;  // WordWrap / WrdWrapOn
  bool insertWarning = true;
  bool textOverSelWarning = true;
  bool findReplaceWarning = true;
  // Not stored:
  bool dirtySpaces = false;
  bool rtfSetup = false;
  bool rtfSavedWordWrap = false;  // word-wrap state remembered while RTF setup is on
  bool insertMode = true;
  HighCharMode highChars = HighCharMode::kOff;
  bool whiteOnBlack = false;
  bool largerPrint = false;
  int printSize = 10;
  bool changer = false;
  bool paragraphOnly = false;
};

struct Settings {
  // Location
  int top = 40;
  int left = 5;
  int height = 0;  // 0 keeps the design size
  int width = 0;
  // Settings
  int findDlgTop = 80;
  int findDlgLeft = 85;
  bool noBugMsg = false;
  QString lastOpen;
  int lastFilter = 2;
  QString findToReplace;
  QString findString;
  QString replaceString;
  QString wordCounter;
  QString f7Tool;
  QString f8Tool;
  std::array<QString, 5> directOpen;  // FirstDOF .. FifthDOF
  QString calendar = "calendar.exe";
  QString calculator = "calc.exe";
  QString browser;
  QStringList browsers;
  // Research
  QStringList research;
  QString lastResearch;
  // Websites
  QString helpUrl = kHomePage;
  QStringList helpUrls;
  // WinHelp Files, HTMLHelp Files
  QString helpFile;
  QStringList helpFiles;
  QString hhelpFile;
  QStringList hhelpFiles;
  // Recent files, most recent first
  QStringList reopens;
  // Tagset: always 15 slots, empty ones included
  std::array<QString, 15> tagSlots;
  QStringList bookmarkNotes;
  QString htmlFile;
  QString mailer;
  QStringList mailers;
  QString toolApp;
  QStringList toolApps;
  std::array<QString, 8> boilerplates;      // BPlate1 .. BPlate8
  std::array<QString, 5> userMetas;         // UserMeta1 .. UserMeta5
  std::array<QStringList, 8> superBPlates;  // superbp.ini, one entry per line
};

}  // namespace penwick
