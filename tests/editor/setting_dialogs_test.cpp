// The tab interval and wrap column dialogs, run from their menu items.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/frame_link.h"
#include "editor/number_set_forms.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using SettingDialogsTest = StartedFrameTest;

// Types entry into the dialog's field and presses Enter in it, as the user would.
std::function<int(QDialog&)> Enter(const QString& entry, QString* label = nullptr, QString* shown = nullptr) {
  return [=](QDialog& dialog) {
    auto& form = dynamic_cast<TNumberSetForm&>(dialog);
    if (label) *label = dialog.findChild<QLabel*>("Label1")->text();
    if (shown) *shown = form.Edit1()->text();
    dialog.show();
    form.Edit1()->setText(entry);
    QTest::keyClick(form.Edit1(), Qt::Key_Return);
    return dialog.result();
  };
}

TEST_F(SettingDialogsTest, TabIntervalAndWrapColumnTakeOnlyOneToNinetyNine) {
  TEditForm* editor = NewWindow();
  struct Item {
    const char* action;
    const char* caption;
    const char* label;
    const char* what;
    int EditorSwitches::*value;
    int panel;
    const char* panelText;  // with %1 for the value
  } items[] = {
      {"SetTabInterval1", "Tab Stop Interval", "Tab stops at multiples of", "tab interval",
       &EditorSwitches::tabInterval, 2, "Tab Intvl: %1"},
      {"SetWWcolumn1", "Word-wrap Column", "Word-wrapped at column", "wrap column",
       &EditorSwitches::wrapColumn, 3, "WrdWrp: Col %1"},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.caption);
    QAction* action = Action(item.action);
    ASSERT_NE(action, nullptr);
    int& value = frame_->Switches().*item.value;
    value = 20;

    QString label;
    QString shown;
    ui_.Clear();
    ui_.AnswerModal(Enter("4", &label, &shown));
    action->trigger();
    EXPECT_EQ(ui_.Last().caption, QString::fromLatin1(item.caption));
    EXPECT_EQ(label, QString::fromLatin1(item.label));
    EXPECT_EQ(shown, "20");
    EXPECT_EQ(value, 4);
    EXPECT_EQ(Panel(editor, item.panel), QString::fromLatin1(item.panelText).arg(4));

    // Anything but 1 to 99 is refused with a message; the old value stays.
    for (const char* bad : {"0", "", "x5", "-1", "00"}) {
      SCOPED_TRACE(bad);
      ui_.Clear();
      ui_.AnswerModal(Enter(QString::fromLatin1(bad)));
      ui_.AnswerMessage(MsgResult::kOk);
      action->trigger();
      EXPECT_EQ(value, 4);
      EXPECT_EQ(ui_.MessageLog(),
                QStringList{QStringLiteral("%1|The %2 must be a whole number from 1 to 99. It stays 4.")
                                .arg(QString::fromLatin1(item.caption), QString::fromLatin1(item.what))});
    }
    ui_.Clear();
    ui_.AnswerModal(Enter("99"));
    action->trigger();
    EXPECT_EQ(value, 99);
    // Cancel (or Esc) changes nothing.
    ui_.AnswerModal([](QDialog& dialog) {
      auto& form = dynamic_cast<TNumberSetForm&>(dialog);
      form.Edit1()->setText("7");
      form.CancelBtn()->click();
      return dialog.result();
    });
    action->trigger();
    EXPECT_EQ(value, 99);
    EXPECT_EQ(ui_.MessageLog(), QStringList());
  }
}

TEST_F(SettingDialogsTest, AViewingCopySetsTheTabIntervalButNotTheWrapColumn) {
  TEditForm* editor = NewWindow();
  editor->SetNumber(101);
  ui_.AnswerModal(Enter("3"));
  Trigger("SetTabInterval1");
  EXPECT_EQ(frame_->Switches().tabInterval, 3);
  EXPECT_EQ(Panel(editor, 2), "Tab Intvl: 3");
  Trigger("SetWWcolumn1");
  EXPECT_EQ(ui_.Shown().size(), 1u);  // no dialog for the wrap column
  EXPECT_EQ(frame_->Switches().wrapColumn, 68);
}

}  // namespace
}  // namespace penwick::test
