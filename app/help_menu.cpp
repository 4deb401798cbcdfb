// The Help menu: Penwick's help, the e-manual, the getting-started essays, the user's reference lists and
// About. The commands live in tools/; these rows hand them the frame.

#include <QAction>
#include <QMenu>
#include <array>
#include <utility>

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "tools/getting_started.h"
#include "tools/help_commands.h"

namespace penwick {

namespace {

const MenuRow kHelpRowsAbove[] = {
    {"OnLineHelp1", "WinHelp &Help", "F1", [](TFrameForm& f) { OnLineHelp1Click(f, f, f.ActiveEditor()); }},
    {"eManual1", "Penwick's e&Manual", "Shift+F1", [](TFrameForm& f) { eManual1Click(f); }},
    {"SpecialOps1", "&Special Operations", "", [](TFrameForm& f) { SpecialOps1Click(f); }},
    {"KnownProblems1", "&Known Problems", "", [](TFrameForm& f) { KnownProblems1Click(f); }},
    {},
    {"eReferenceShelf1", "e&Reference Shelf", "Alt+F1", [](TFrameForm& f) { eReferenceShelf1Click(f); }},
    {},
    {},
};

const MenuRow kHelpRowsBelow[] = {
    {},
    {"HelpfulWebsites1", "Helpful &Websites Links", "Ctrl+F1",
     [](TFrameForm& f) { HelpfulWebsites1Click(f); }},
    {"UsefulWinHelpFiles1", "Useful WinHelp &Files", "", [](TFrameForm& f) { UsefulWinHelpFiles1Click(f); }},
    {"UsefulHTMLHelpFiles1", "Useful HT&MLHelp Files", "",
     [](TFrameForm& f) { UsefulHTMLHelpFiles1Click(f); }},
    {},
    {"AboutPenwick1", "&About Penwick", "", [](TFrameForm& f) { AboutPenwick1Click(f); }},
};

// One item per essay, named GettingStarted1_1 .. GettingStarted1_23.
template <int I>
void EssayClick(TFrameForm& frame) {
  GettingStartedClick(frame.Boxes(), I);
}

constexpr const char* kEssayNames[kEssayCount] = {
    "GettingStarted1_1",  "GettingStarted1_2",  "GettingStarted1_3",  "GettingStarted1_4",
    "GettingStarted1_5",  "GettingStarted1_6",  "GettingStarted1_7",  "GettingStarted1_8",
    "GettingStarted1_9",  "GettingStarted1_10", "GettingStarted1_11", "GettingStarted1_12",
    "GettingStarted1_13", "GettingStarted1_14", "GettingStarted1_15", "GettingStarted1_16",
    "GettingStarted1_17", "GettingStarted1_18", "GettingStarted1_19", "GettingStarted1_20",
    "GettingStarted1_21", "GettingStarted1_22", "GettingStarted1_23",
};

template <int... I>
std::array<MenuRow, kEssayCount> EssayRows(std::integer_sequence<int, I...>) {
  return {MenuRow{kEssayNames[I], GettingStartedEssays()[I].menuCaption, "", &EssayClick<I>}...};
}

}  // namespace

void AddHelpMenu(FrameMenus& menus) {
  QMenu* help = menus.Menu(MenuId::kHelp);
  menus.AddRows(help, kHelpRowsAbove);
  QMenu* gettingStarted = menus.AddSubmenu(help, QStringLiteral("&Getting Started..."));
  gettingStarted->menuAction()->setObjectName(QStringLiteral("GettingStarted1"));
  // The menu keeps pointers to its rows: they live as long as the program.
  static const std::array<MenuRow, kEssayCount> kEssayRows =
      EssayRows(std::make_integer_sequence<int, kEssayCount>());
  menus.AddRows(gettingStarted, kEssayRows);
  menus.AddRows(help, kHelpRowsBelow);
}

}  // namespace penwick
