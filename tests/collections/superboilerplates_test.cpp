// The superboilerplate dialog reached with Ctrl+Alt+digit, the pop-up menu and the Tools menu.

#include "collections/superboilerplates.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/frame_menus.h"
#include "editor/frame_link.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class SuperBoilerplatesTest : public FrameTest {
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

TEST_F(SuperBoilerplatesTest, CtrlAltDigitShowsThatSuperboilerplateAndTypesItsLines) {
  Start();
  Plates()[1] = QStringList{QStringLiteral("<table>"), QStringLiteral("</table>")};
  TEditForm* editor = NewWindow();
  editor->Text().SetText(QStringLiteral("ab"));
  editor->Text().SetSelStart(1);
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
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("SuperBoilerplate"));
  EXPECT_EQ(memo, QStringLiteral("<table>\n</table>\n"));
  EXPECT_EQ(current, QStringLiteral("Current BP: 2"));
  EXPECT_TRUE(typeEnabled);
  // Each line ends with a line break; the chord itself types nothing.
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("a<table>\r\n</table>\r\nb"));

  // Exit types nothing.
  WithDialog([](TsupBPEd& d) { d.ExitBtn()->click(); });
  CtrlAlt(editor, 2);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("a<table>\r\n</table>\r\nb"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(SuperBoilerplatesTest, TypingUsesTheSuperboilerplateChosenLastAndOnlyItsKeptText) {
  Start();
  Plates()[1] = QStringList{QStringLiteral("two")};
  Plates()[4] = QStringList{QStringLiteral("five")};
  TEditForm* editor = NewWindow();
  // Button 5 in a dialog opened on 2: 5 is typed.
  QString current;
  WithDialog([&](TsupBPEd& d) {
    d.Btn(5)->click();
    current = d.CurrentSBP()->text();
    d.TypeBtn()->click();
  });
  CtrlAlt(editor, 2);
  EXPECT_EQ(current, QStringLiteral("Current BP: 5"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("five\r\n"));

  // Edits not kept are not typed, and are gone.
  WithDialog([](TsupBPEd& d) {
    d.Memo1()->setPlainText(QStringLiteral("edited"));
    d.TypeBtn()->click();
  });
  CtrlAlt(editor, 5);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("five\r\nfive\r\n"));
  EXPECT_EQ(Plates()[4], QStringList{QStringLiteral("five")});

  // Kept edits are typed; Cancel Edit Changes drops later ones.
  QString afterCancel;
  WithDialog([&](TsupBPEd& d) {
    d.Memo1()->setPlainText(QStringLiteral("first\n\nthird"));
    d.keepchanges()->click();
    d.Memo1()->setPlainText(QStringLiteral("dropped"));
    d.cancelChanges()->click();
    afterCancel = d.Memo1()->toPlainText();
    d.TypeBtn()->click();
  });
  editor->Text().SetText(QString());
  CtrlAlt(editor, 5);
  EXPECT_EQ(afterCancel, QStringLiteral("first\n\nthird\n"));
  EXPECT_EQ(Plates()[4], (QStringList{QStringLiteral("first"), QString(), QStringLiteral("third")}));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("first\r\n\r\nthird\r\n"));
}

TEST_F(SuperBoilerplatesTest, AnEmptySuperboilerplateDeletesTheSelection) {
  Start();
  TEditForm* editor = NewWindow();
  editor->Text().SetText(QStringLiteral("keep DROP keep"));
  editor->Text().SetSelStart(5);
  editor->Text().SetSelLength(4);
  WithDialog([](TsupBPEd& d) { d.TypeBtn()->click(); });
  CtrlAlt(editor, 7);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("keep  keep"));
}

TEST_F(SuperBoilerplatesTest, ThePopUpItemOpensTheFirstSuperboilerplate) {
  Start();
  Plates()[0] = QStringList{QStringLiteral("one")};
  TEditForm* editor = NewWindow();
  QAction* item = frame_->Menus().Find(QStringLiteral("Superboilerplate1"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("&Superboilerplates"));
  EXPECT_TRUE(frame_->Menus().Menu(MenuId::kPopup)->actions().contains(item));
  WithDialog([](TsupBPEd& d) { d.TypeBtn()->click(); });
  item->trigger();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("one\r\n"));

  // In a viewing copy the dialog only edits.
  editor->SetNumber(101);
  bool typeEnabled = true;
  WithDialog([&](TsupBPEd& d) {
    typeEnabled = d.TypeBtn()->isEnabled();
    d.TypeBtn()->click();
  });
  item->trigger();
  EXPECT_FALSE(typeEnabled);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("one\r\n"));
}

TEST_F(SuperBoilerplatesTest, TheToolsMenuEditsButNeverTypes) {
  Start();
  Plates()[2] = QStringList{QStringLiteral("three")};
  TEditForm* editor = NewWindow();
  QAction* item = frame_->Menus().Find(QStringLiteral("sbplate"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("S&uperBoilerplate(s)"));
  EXPECT_TRUE(frame_->Menus().Menu(MenuId::kTools)->actions().contains(item));

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
    d.Memo1()->setPlainText(QStringLiteral("lost"));
    d.keepchanges()->click();
    d.Btn(3)->click();
    chosen = d.CurrentSBP()->text();
    d.Memo1()->setPlainText(QStringLiteral("3a\n3b"));
    d.keepchanges()->click();
    d.TypeBtn()->click();  // disabled: nothing happens
    d.ExitBtn()->click();
  });
  item->trigger();
  EXPECT_EQ(before, QStringLiteral("CurrentBP: None"));
  EXPECT_EQ(chosen, QStringLiteral("Current BP: 3"));
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(Plates()[n],
              n == 2 ? (QStringList{QStringLiteral("3a"), QStringLiteral("3b")}) : QStringList());
  }
  EXPECT_EQ(editor->Text().Text(), QString());
}

TEST_F(SuperBoilerplatesTest, FocusNeverRestsOnTheNumberFieldOrOnAnUnchosenMemo) {
  Start();
  SuperBoilerplates plates;
  plates[0] = QStringList{QStringLiteral("x")};
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

TEST_F(SuperBoilerplatesTest, AKeptSuperboilerplateIsSavedAtCloseAndTypedAfterARestart) {
  Start();
  NewWindow();
  WithDialog([](TsupBPEd& d) {
    d.Memo1()->setPlainText(QStringLiteral("<head>\n  <title></title>\n</head>"));
    d.keepchanges()->click();
    d.ExitBtn()->click();
  });
  CtrlAlt(frame_->ActiveEditor(), 6);
  ui_.AnswerMessage(MsgResult::kYes);  // Saving settings
  ASSERT_TRUE(frame_->close());
  frame_.reset();
  Flush();

  ui_.Clear();
  frame_ = std::make_unique<TFrameForm>(ui_, env_.ProgramFolder(), QStringList());
  frame_->show();
  frame_->FormActivate();
  Flush();
  const QStringList lines = {QStringLiteral("<head>"), QStringLiteral("  <title></title>"),
                             QStringLiteral("</head>")};
  EXPECT_EQ(Plates()[5], lines);
  TEditForm* editor = NewWindow();
  WithDialog([](TsupBPEd& d) { d.TypeBtn()->click(); });
  CtrlAlt(editor, 6);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("<head>\r\n  <title></title>\r\n</head>\r\n"));
}

TEST(SuperBoilerplateLinesTest, TheMemoTextSplitsIntoLinesAsTyped) {
  struct Case {
    QString memo;
    QStringList lines;
  } cases[] = {
      {QString(), {}},
      {QStringLiteral("one"), {QStringLiteral("one")}},
      {QStringLiteral("one\n"), {QStringLiteral("one")}},
      {QStringLiteral("one\n\n"), {QStringLiteral("one"), QString()}},
      {QStringLiteral("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
      {QStringLiteral("\n"), {QString()}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitSuperBoilerplate(c.memo), c.lines) << c.memo.toStdString();
    // What is typed splits back into the same lines.
    EXPECT_EQ(SplitSuperBoilerplate(JoinForTyping(c.lines)), c.lines);
  }
}

}  // namespace
}  // namespace penwick::test
