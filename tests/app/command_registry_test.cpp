// Every command of every menu and every key chord of the text, run on a read-only viewing copy, leaves its
// text and the clipboard alone; and no two menu items share a shortcut.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPointer>
#include <map>
#include <set>
#include <stdexcept>

#include "app/frame_menus.h"
#include "editor/key_table.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using CommandRegistryTest = StartedFrameTest;

const QString kViewed = "{\\rtf1 viewed}\r\nsecond line";

TEST_F(CommandRegistryTest, NoCommandOrKeyChordChangesAViewingCopy) {
  ui_.CancelUnscripted();
  frame_->AppSettings().boilerplates[0] = "boiler";
  frame_->AppSettings().superBPlates[0] = {"super"};
  QPointer<TEditForm> editor = Window(kViewed, 2);
  editor->SetNumber(101);
  ASSERT_TRUE(editor->IsRtfView());
  const auto expectUntouched = [&](const std::string& what) {
    ASSERT_FALSE(editor.isNull()) << what << " closed the viewing copy";
    EXPECT_EQ(editor->Text().Text(), kViewed) << what;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "clip") << what;
  };

  int run = 0;
  for (const auto& [action, row] : frame_->Menus().Rows()) {
    // Closing the window is no change to its text; it would only end the sweep.
    if (!row->onEditor || QString::fromLatin1(row->name) == QLatin1String("Close1")) continue;
    QGuiApplication::clipboard()->setText("clip");
    editor->Text().SetSelStart(2);
    editor->Text().SetSelLength(5);
    frame_->Menus().Refresh();
    if (row->access != Access::kReads) {
      EXPECT_FALSE(action->isEnabled()) << row->name << " is offered on a viewing copy";
    }
    action->trigger();  // as a shortcut would, whatever the item's state
    Flush();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window != frame_.get() && window->isVisible()) window->close();  // a modeless dialog it opened
    }
    Flush();
    expectUntouched(row->name);
    ++run;
  }
  EXPECT_GT(run, 50);

  for (const KeyRow& chord : frame_->Keys().Rows()) {
    const bool digits = chord.kind != KeyRow::Kind::kKey;
    for (int n = digits ? chord.low : 0; n <= (digits ? chord.high : 0); ++n) {
      const int key = digits ? Qt::Key_0 + n : chord.key;
      Qt::KeyboardModifiers modifiers = chord.modifiers;
      if (chord.kind == KeyRow::Kind::kNumpadDigit) modifiers |= Qt::KeypadModifier;
      QGuiApplication::clipboard()->setText("clip");
      Key(editor, key, modifiers);
      Flush();
      expectUntouched(QKeySequence(key | modifiers).toString().toStdString());
    }
  }
}

// A failing command shows its error and the program goes on, whichever way it was started.
TEST_F(CommandRegistryTest, AKeyChordThatFailsShowsTheErrorAndThePenwickGoesOn) {
  frame_->Keys().Add(
      {{KeyRow::Kind::kKey, Qt::Key_F13, 0, 9, Qt::ControlModifier, Qt::NoModifier,
        [](TEditForm&, int) { throw std::runtime_error("Unable to write to /full/disk.html"); }}});
  TEditForm* editor = Window("text");
  ui_.AnswerMessage(MsgResult::kOk);
  Key(editor, Qt::Key_F13, Qt::ControlModifier);
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Penwick|Unable to write to /full/disk.html"});
  EXPECT_EQ(editor->Text().Text(), "text");
}

TEST_F(CommandRegistryTest, NoTwoMenuItemsShareAShortcut) {
  std::map<QString, QString> owners;
  for (const auto& [action, row] : frame_->Menus().Rows()) {
    const QString shortcut = action->shortcut().toString();
    if (shortcut.isEmpty()) continue;
    const auto [it, fresh] = owners.emplace(shortcut, QString::fromLatin1(row->name));
    EXPECT_TRUE(fresh) << shortcut.toStdString() << " is the shortcut of both " << it->second.toStdString()
                       << " and " << row->name;
  }
  EXPECT_GT(owners.size(), 30u);
}

// Actions Qt gives the windows themselves (the editor window's system menu) must not take a menu item's key:
// a key with two owners runs neither.
TEST_F(CommandRegistryTest, NoBuiltInActionTakesTheKeyOfAMenuItem) {
  NewWindow();
  std::set<QAction*> items;
  std::set<QKeySequence> keys;
  for (const auto& [action, row] : frame_->Menus().Rows()) {
    items.insert(action);
    if (!action->shortcut().isEmpty()) keys.insert(action->shortcut());
  }
  for (QAction* action : frame_->findChildren<QAction*>()) {
    if (items.count(action)) continue;
    for (const QKeySequence& key : action->shortcuts()) {
      EXPECT_FALSE(keys.count(key)) << action->text().toStdString() << " takes "
                                    << key.toString().toStdString();
    }
  }
}

}  // namespace
}  // namespace penwick::test
