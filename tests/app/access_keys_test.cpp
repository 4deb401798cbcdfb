// Access keys: within one menu, and along the menu bar, no two visible items answer the same letter, with an
// editor window open and with none.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/frame_menus.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using AccessKeyTest = StartedFrameTest;

// Every pair of visible items of one menu that answer the same access key (Qt's reading of the caption,
// the one its menus follow), as "menu: key: first | second".
void CollectClashes(const QString& where, const QList<QAction*>& items, QStringList& clashes) {
  QList<QAction*> keyed;
  for (QAction* item : items) {
    if (item->isVisible() && !item->isSeparator() && !QKeySequence::mnemonic(item->text()).isEmpty()) {
      keyed << item;
    }
  }
  for (qsizetype i = 0; i < keyed.size(); ++i) {
    for (qsizetype j = i + 1; j < keyed.size(); ++j) {
      const QKeySequence key = QKeySequence::mnemonic(keyed[i]->text());
      if (key != QKeySequence::mnemonic(keyed[j]->text())) continue;
      clashes
          << QStringLiteral("%1: %2: %3 | %4").arg(where, key.toString(), keyed[i]->text(), keyed[j]->text());
    }
  }
}

// Opens the menu as a user would (its items bring themselves up to date), checks it and its submenus.
void WalkMenu(const QString& where, QMenu* menu, QStringList& clashes) {
  emit menu->aboutToShow();
  CollectClashes(where, menu->actions(), clashes);
  for (QAction* item : menu->actions()) {
    if (item->menu() && item->isVisible()) {
      WalkMenu(where + QStringLiteral(" > ") + item->text(), item->menu(), clashes);
    }
  }
}

QStringList Clashes(TFrameForm& frame) {
  QStringList clashes;
  QMenuBar* bar = frame.menuBar();
  CollectClashes("menu bar", bar->actions(), clashes);
  for (QAction* title : bar->actions()) {
    if (title->menu()) WalkMenu(title->text(), title->menu(), clashes);
  }
  if (frame.ActiveEditor()) WalkMenu("pop-up", frame.Menus().Menu(MenuId::kPopup), clashes);
  clashes.sort();
  return clashes;
}

// The clashes that stay: both captions of each pair are fixed texts of Penwick's menus. Pressing the key
// again moves on to the other item.
// The Help menu shows with or without an editor window.
const QString kHelpClash = "&Help: Alt+M: Penwick's e&Manual | Useful HT&MLHelp Files";
const QStringList kFixedClashes = {
    "&Edit: Alt+B: &Brackets\tCtrl+[ | &Back over inner (nested) Start tag\tCtrl+Shift+.",
    "&Edit: Alt+D: &Delete line | &Dash",
    "&Edit: Alt+E: &Ellipsis | HTML &End Tag  </|>",
    "&Edit: Alt+S: HTML &Start Tag  <|> | &Skip inner (nested) End tag\tCtrl+.",
    kHelpClash,
    "&Meta: Alt+A: &Add User Defined (5) | &author...",
    "&XML >     Complex HTML Items: Alt+B: &Block Quote Text  | &Button stack in Form Frame",
    "HTM&L > &Form elements: Alt+S: &Submit button | Button &Stack",
    "HTM&L > Frameset elements: Alt+R: Frameset w/&Rows | No &resize attribute",
    "menu bar: Alt+L: HTM&L | Too&ls",
    "pop-up: Alt+R: &Replace | Re-sea&rch",
};

TEST_F(AccessKeyTest, NoTwoItemsOfOneMenuShareAnAccessKey) {
  // Every item that can show: five recent files, five direct-open files, and windows in the window list.
  for (int i = 0; i < 5; ++i) {
    frame_->AppSettings().reopens << env_.WriteFile(QStringLiteral("recent%1.txt").arg(i), "r");
    frame_->AppSettings().directOpen[i] = env_.WriteFile(QStringLiteral("direct%1.txt").arg(i), "d");
  }

  EXPECT_EQ(Clashes(*frame_), QStringList{kHelpClash});

  // Three windows, so the Window menu lists a window 2 beside "Tile Top &2 of N Windows".
  for (int i = 1; i <= 3; ++i) Open(env_.WriteFile(QStringLiteral("page%1.html").arg(i), "<p>"));
  EXPECT_EQ(Clashes(*frame_), kFixedClashes);
  // The list still numbers every window; the menu's own item keeps the digit.
  QStringList listed;
  for (QAction* item : frame_->Menus().Menu(MenuId::kWindow)->actions()) {
    if (item->text().contains("page")) listed << item->text();
  }
  EXPECT_EQ(listed, (QStringList{"&1 page1.html", "2 page2.html", "&3 page3.html"}));
}

}  // namespace
}  // namespace penwick::test
