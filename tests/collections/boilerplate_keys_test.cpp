// Ctrl+digit types a boilerplate or asks for it; Ctrl+Shift+digit changes it.

#include "editor/frame_link.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using BoilerplateKeysTest = StartedFrameTest;

TEST_F(BoilerplateKeysTest, AnEmptySlotAsksAndASetSlotTypes) {
  TEditForm* editor = NewWindow();
  ScintillaWidget* widget = editor->Editor();
  std::array<QString, 8>& texts = frame_->AppSettings().boilerplates;

  // Empty slot 4: the box comes up instead of typing nothing.
  ui_.AnswerInput("<br clear=all>");
  QTest::keyClick(widget, Qt::Key_4, Qt::ControlModifier);
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.Last().kind, ShownBox::Kind::kTextInput);
  EXPECT_EQ(ui_.Last().Summary(), "Boilerplate|Use: Ctrl+4 types | Ctrl+Shift+4 changes.|");
  EXPECT_EQ(texts[3], "<br clear=all>");
  EXPECT_EQ(editor->Text().Text(), QString());

  // Now set: it replaces the selection, and the key types nothing else.
  editor->Text().SetText("a-b");
  editor->Text().SetSelStart(1);
  editor->Text().SetSelLength(1);
  QTest::keyClick(widget, Qt::Key_4, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), "a<br clear=all>b");
  EXPECT_EQ(editor->Text().SelStart(), 15);
  EXPECT_EQ(ui_.Shown().size(), 1u);

  // Ctrl+Shift+4 asks with the slot's text, whatever the layout makes of Shift+4; Cancel changes nothing.
  ui_.AnswerInput(std::nullopt);
  QTest::keyClick(widget, Qt::Key_Dollar, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(ui_.Shown().size(), 2u);
  EXPECT_EQ(ui_.Last().value, "<br clear=all>");
  EXPECT_EQ(texts[3], "<br clear=all>");
  // An empty answer empties the slot; the next Ctrl+4 asks again.
  ui_.AnswerInput(QString());
  QTest::keyClick(widget, Qt::Key_4, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(texts[3], QString());
  ui_.AnswerInput(std::nullopt);
  QTest::keyClick(widget, Qt::Key_4, Qt::ControlModifier);
  EXPECT_EQ(ui_.Shown().size(), 4u);
  EXPECT_EQ(editor->Text().Text(), "a<br clear=all>b");
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(BoilerplateKeysTest, OnlyTopRowDigitsOneToEightAreBoilerplateKeys) {
  for (QString& slot : frame_->AppSettings().boilerplates) slot = "#slot#";
  TEditForm* editor = NewWindow();
  // Ctrl+numeric-pad digits (NP8 is Title) and Ctrl+0 are not boilerplate keys; Ctrl+9 is the parentheses
  // pair.
  QTest::keyClick(editor->Editor(), Qt::Key_8, Qt::ControlModifier | Qt::KeypadModifier);
  QTest::keyClick(editor->Editor(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), "<title></title>");
  editor->Text().SetText(QString());
  QTest::keyClick(editor->Editor(), Qt::Key_9, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), "()");
  for (int digit = 1; digit <= 8; ++digit) {
    frame_->AppSettings().boilerplates[digit - 1] = QString::number(digit);
    QTest::keyClick(editor->Editor(), static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::ControlModifier);
  }
  EXPECT_EQ(editor->Text().Text(), "(12345678)");
  EXPECT_TRUE(ui_.Shown().empty());
}

}  // namespace
}  // namespace penwick::test
