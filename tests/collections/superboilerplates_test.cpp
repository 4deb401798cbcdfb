// The superboilerplate dialog reached with Ctrl+Alt+digit, the pop-up menu and the Tools menu.

#include "collections/superboilerplates.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "editor/frame_link.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class SuperBoilerplatesTest : public StartedFrameTest {
 protected:
  SuperBoilerplates& Plates() { return frame_->AppSettings().superBPlates; }
  // Queues a script for the next superboilerplate dialog.
  void WithDialog(std::function<void(TsupBPEd&)> script) {
    ui_.AnswerModal([script](QDialog& dialog) {
      auto& sbp = dynamic_cast<TsupBPEd&>(dialog);
      script(sbp);
      return dialog.result();
    });
  }
  static void CtrlAlt(TEditForm* editor, int digit) {
    QTest::keyClick(editor->Editor(), static_cast<Qt::Key>(Qt::Key_0 + digit),
                    Qt::ControlModifier | Qt::AltModifier);
  }
};

const QString kToolsBox = QStringLiteral(
    "SuperBoilerplate(s)|Penwick keeps eight multi-line superboilerplates, each limited to 32K of content by "
    "the "
    "editing memo. They are meant for small frameworks you use again and again, such as a table skeleton or "
    "a "
    "page head.\n\nWith an editor open, key them with Alt+Ctrl+Top#: one chord brings up the dialog with "
    "Type "
    "in Text focused, and its eight buttons reach the others.\n\nThis access lets you work on the contents, "
    "but not type them.\n\nIf anything goes wrong, superbp.ini can be edited by hand: close Penwick without "
    "saving settings, then reopen it.");

TEST_F(SuperBoilerplatesTest, CtrlAltDigitAndThePopUpItemShowTheSuperboilerplateAndTypeItsLines) {
  Plates()[1] = QStringList{"<table>", "</table>"};
  TEditForm* editor = MarkedWindow("a|b");
  QString memo;
  QString current;
  bool typeEnabled = false;
  WithDialog([&](TsupBPEd& d) {
    memo = d.Memo1()->toPlainText();
    current = d.CurrentSBP()->text();
    typeEnabled = d.TypeBtn()->isEnabled();
    EXPECT_TRUE(d.TypeBtn()->isDefault());
    d.TypeBtn()->click();
  });
  CtrlAlt(editor, 2);
  EXPECT_EQ(ui_.Last().caption, "SuperBoilerplate");
  EXPECT_EQ(memo, "<table>\n</table>\n");
  EXPECT_EQ(current, "Current BP: 2");
  EXPECT_TRUE(typeEnabled);
  // Each line ends with a line break; the chord itself types nothing.
  EXPECT_EQ(Shown(editor), "a<table>\r\n</table>\r\n|b");

  // Exit types nothing; an empty superboilerplate deletes the selection.
  WithDialog([](TsupBPEd& d) { d.ExitBtn()->click(); });
  CtrlAlt(editor, 2);
  EXPECT_EQ(Shown(editor), "a<table>\r\n</table>\r\n|b");
  Select(editor, 0, 8);
  WithDialog([](TsupBPEd& d) { d.TypeBtn()->click(); });
  CtrlAlt(editor, 7);
  EXPECT_EQ(Shown(editor), "|\r\n</table>\r\nb");

  // The pop-up item opens the first; in a viewing copy the dialog only edits.
  Plates()[0] = QStringList{"one"};
  WithDialog([](TsupBPEd& d) { d.TypeBtn()->click(); });
  Trigger("Superboilerplate1");
  EXPECT_EQ(Shown(editor), "one\r\n|\r\n</table>\r\nb");
  editor->SetNumber(101);
  WithDialog([&](TsupBPEd& d) {
    typeEnabled = d.TypeBtn()->isEnabled();
    d.TypeBtn()->click();
  });
  Trigger("Superboilerplate1");
  EXPECT_FALSE(typeEnabled);
  EXPECT_EQ(editor->Text().Text(), "one\r\n\r\n</table>\r\nb");
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(SuperBoilerplatesTest, TypingUsesTheSuperboilerplateChosenLastAndOnlyItsKeptText) {
  Plates()[1] = QStringList{"two"};
  Plates()[4] = QStringList{"five"};
  TEditForm* editor = NewWindow();
  // Button 5 in a dialog opened on 2: 5 is typed.
  QString current;
  WithDialog([&](TsupBPEd& d) {
    d.Btn(5)->click();
    current = d.CurrentSBP()->text();
    d.TypeBtn()->click();
  });
  CtrlAlt(editor, 2);
  EXPECT_EQ(current, "Current BP: 5");
  EXPECT_EQ(editor->Text().Text(), "five\r\n");

  // Edits not kept are not typed, and are gone.
  WithDialog([](TsupBPEd& d) {
    d.Memo1()->setPlainText("edited");
    d.TypeBtn()->click();
  });
  CtrlAlt(editor, 5);
  EXPECT_EQ(editor->Text().Text(), "five\r\nfive\r\n");
  EXPECT_EQ(Plates()[4], QStringList{"five"});

  // Kept edits are typed; Cancel Edit Changes drops later ones.
  QString afterCancel;
  WithDialog([&](TsupBPEd& d) {
    d.Memo1()->setPlainText("first\n\nthird");
    d.keepchanges()->click();
    d.Memo1()->setPlainText("dropped");
    d.cancelChanges()->click();
    afterCancel = d.Memo1()->toPlainText();
    d.TypeBtn()->click();
  });
  editor->Text().SetText(QString());
  CtrlAlt(editor, 5);
  EXPECT_EQ(afterCancel, "first\n\nthird\n");
  EXPECT_EQ(Plates()[4], (QStringList{"first", QString(), "third"}));
  EXPECT_EQ(editor->Text().Text(), "first\r\n\r\nthird\r\n");
}

TEST_F(SuperBoilerplatesTest, TheToolsMenuEditsButNeverTypes) {
  Plates()[2] = QStringList{"three"};
  TEditForm* editor = NewWindow();
  QAction* item = Action("sbplate");
  ASSERT_NE(item, nullptr);

  // Closing the explanation without OK goes no further.
  ui_.AnswerMessage(MsgResult::kCancel);
  item->trigger();
  EXPECT_EQ(ui_.MessageLog(), QStringList{kToolsBox});
  EXPECT_EQ(ui_.Shown().size(), 1u);

  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  QString before;
  QString chosen;
  WithDialog([&](TsupBPEd& d) {
    EXPECT_FALSE(d.TypeBtn()->isEnabled());
    EXPECT_TRUE(d.ExitBtn()->isDefault());
    before = d.CurrentSBP()->text();
    // Keep with nothing chosen changes nothing.
    d.Memo1()->setPlainText("lost");
    d.keepchanges()->click();
    d.Btn(3)->click();
    chosen = d.CurrentSBP()->text();
    d.Memo1()->setPlainText("3a\n3b");
    d.keepchanges()->click();
    d.TypeBtn()->click();  // disabled: nothing happens
    d.ExitBtn()->click();
  });
  item->trigger();
  EXPECT_EQ(before, "CurrentBP: None");
  EXPECT_EQ(chosen, "Current BP: 3");
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(Plates()[n], n == 2 ? (QStringList{"3a", "3b"}) : QStringList());
  }
  EXPECT_EQ(editor->Text().Text(), QString());
}

TEST_F(SuperBoilerplatesTest, FocusNeverRestsOnTheNumberFieldOrOnAnUnchosenMemo) {
  SuperBoilerplates plates;
  plates[0] = QStringList{"x"};
  TsupBPEd dialog(plates);
  dialog.SetEditOnly();
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  dialog.Memo1()->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), dialog.ExitBtn());
  dialog.CurrentSBP()->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), dialog.ExitBtn());
  dialog.EditBtn()->click();
  EXPECT_EQ(QApplication::focusWidget(), dialog.ExitBtn());
  dialog.Btn(1)->click();
  dialog.EditBtn()->click();
  EXPECT_EQ(QApplication::focusWidget(), dialog.Memo1());
  EXPECT_EQ(dialog.Memo1()->textCursor().position(), 0);
}

TEST(SuperBoilerplateLinesTest, TheMemoTextSplitsIntoLinesAsTyped) {
  struct Case {
    QString memo;
    QStringList lines;
  } cases[] = {
      {QString(), {}},        {"one", {"one"}},    {"one\n", {"one"}}, {"one\n\n", {"one", QString()}},
      {"a\r\nb", {"a", "b"}}, {"\n", {QString()}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitSuperBoilerplate(c.memo), c.lines) << c.memo.toStdString();
    // What is typed splits back into the same lines.
    EXPECT_EQ(SplitSuperBoilerplate(JoinForTyping(c.lines)), c.lines);
  }
}

}  // namespace
}  // namespace penwick::test
