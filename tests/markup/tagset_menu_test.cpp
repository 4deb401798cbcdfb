// The user's tags on the Tagset menu: what Add Tag makes of an answer, the slot items typing their tags,
// Remove Tag, and the tags kept with the settings from one run to the next.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <optional>

#include "app/frame_menus.h"
#include "markup/tagset_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

TEST(TagSlotTextTest, AnswersBecomeStartAndEndTags) {
  const struct {
    const char* answer;
    std::optional<QString> text;
  } cases[] = {
      {"p", "<p></p>"},
      {"  em ", "<em></em>"},
      {"div class=\"note\"", "<div class=\"note\"></div>"},
      {"br>", "<br>"},
      {"img src=\"\" /", "<img src=\"\" />"},
      // A path in an attribute value is no empty-element mark: the pair keeps its end tag.
      {"a href=\"/docs/index.htm\"", "<a href=\"/docs/index.htm\"></a>"},
      // Brackets typed against the advice are not doubled.
      {"<b", "<b></b>"},
      {"   ", std::nullopt},
      {">", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(TagSlotText(QString::fromUtf8(c.answer)), c.text);
  }
}

class TagsetMenuTest : public StartedFrameTest {
 protected:
  TagSlots& Slots() { return frame_->AppSettings().tagSlots; }
  // The captions of the visible slot items, as the menu shows them when it opens.
  QStringList SlotCaptions() {
    QMenu* menu = frame_->Menus().Menu(MenuId::kTagset);
    emit menu->aboutToShow();
    QStringList captions;
    for (int i = 1; i <= kTagSlots; ++i) {
      QAction* item = Action(QStringLiteral("TagNum%1").arg(i).toLatin1().constData());
      if (item->isVisible()) captions << item->text();
    }
    return captions;
  }
  void AddTag(const std::optional<QString>& answer) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(answer);
    Trigger("AddTag1");
    EXPECT_TRUE(ui_.AllAnswered());
  }
};

TEST_F(TagsetMenuTest, AddTagFillsTheLowestEmptySlotAndTheMenuShowsIt) {
  NewWindow();
  AddTag("p");
  EXPECT_EQ(
      ui_.MessageLog().first(),
      "Add a tag to tagset|Tag will go into slot 1\n\nTo Key the menu item, Alt+G, 1. (For boilerplate, "
      "you have Ctrl+TopNum# hot keys. But only eight at a time and the cursor is not placed between "
      "tags.)");
  EXPECT_EQ(ui_.Last().Summary(),
            "Add a tag to tagset|sTag Content (no < or >)(\"empty\": XML, /; HTML, >):|");
  EXPECT_EQ(SlotCaptions(), QStringList{"&1 - <p></p>"});

  // Slot 12 is keyed C; an emptied slot 2 is filled before it.
  for (int i = 1; i < 11; ++i) Slots()[i] = "<x>";
  AddTag("b");
  EXPECT_TRUE(ui_.MessageLog().last().contains("slot 12\n\nTo Key the menu item, Alt+G, C."));
  Slots()[1].clear();
  ui_.Clear();
  AddTag("i");
  EXPECT_EQ(Slots()[1], "<i></i>");
  EXPECT_TRUE(ui_.MessageLog().last().contains("slot 2\n\nTo Key the menu item, Alt+G, 2."));

  // A blank answer is a Cancel: the slot stays empty.
  AddTag("  ");
  EXPECT_EQ(Slots()[12], "");
  EXPECT_EQ(SlotCaptions().size(), 12);
}

TEST_F(TagsetMenuTest, ASixteenthTagIsRefused) {
  NewWindow();
  for (QString& slot : Slots()) slot = "<li></li>";
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("AddTag1");
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{"Can't add a tag|All the fifteen available slots are filled. Use "
                        "Remove Tag to clear a slot or use boilerplate cylinders for other "
                        "tags and tag-pairs (or anything else) you use in writing documents "
                        "using this tagset."});
  EXPECT_EQ(SlotCaptions().last(), "&F - <li></li>");
}

TEST_F(TagsetMenuTest, SlotItemsTypeTheirTags) {
  const struct {
    const char* slot;
    const char* before;
    const char* after;
  } cases[] = {
      {"<b></b>", "a|b", "a<b>|</b>b"},
      {"<b></b>", "a[word]b", "a<b>word</b>|b"},
      {"<a href=\"x\"></a>", "[go]", "<a href=\"x\">go</a>|"},
      {"<br>", "a|b", "a<br>|b"},
      // A single tag goes in after the selection, which stays unselected.
      {"<br>", "[word]x", "word<br>|x"},
  };
  TEditForm* editor = NewWindow();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.slot) + " " + c.before);
    Slots()[4] = QString::fromUtf8(c.slot);
    SetMarked(editor->Text(), QString::fromUtf8(c.before));
    SlotCaptions();
    Trigger("TagNum5");
    EXPECT_EQ(Shown(editor), QString::fromUtf8(c.after));
  }
  EXPECT_TRUE(ui_.Shown().empty());

  // A slot spoilt by hand in the settings file.
  Slots()[4] = "<b";
  SetMarked(editor->Text(), "a|");
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("TagNum5");
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Menu Item text corrupted|The menu item text is corrupted. Do a "
                                          "Remove Tag copying the Start tag exactly (the > is missing) and "
                                          "re-Add content."});
  EXPECT_EQ(Shown(editor), "a|");
}

TEST_F(TagsetMenuTest, AnAmpersandShowsAsItselfAndRemoveTagWorksFromTheSlots) {
  NewWindow();
  Slots()[0] = "<p></p>";
  Slots()[2] = "<a title=\"R&D\"></a>";
  const QStringList captions = SlotCaptions();
  EXPECT_EQ(captions, (QStringList{"&1 - <p></p>", "&3 - <a title=\"R&&D\"></a>"}));
  EXPECT_EQ(QKeySequence::mnemonic(captions.last()), QKeySequence(Qt::ALT | Qt::Key_3));

  // The pick list holds the filled slots; removing one leaves the others in their places.
  ui_.AnswerInput("<a title=\"R&D\"></a>");
  Trigger("RemoveTag1");
  EXPECT_EQ(ui_.Last().caption, "Remove a user defined Tag");
  EXPECT_EQ(ui_.Last().value, "<p></p>");
  EXPECT_TRUE(ui_.Last().items.contains("<a title=\"R&D\"></a>"));
  EXPECT_EQ(Slots()[2], "");
  EXPECT_EQ(SlotCaptions(), QStringList{"&1 - <p></p>"});

  // An answer that matches no slot changes nothing.
  ui_.AnswerInput("<q></q>");
  Trigger("RemoveTag1");
  EXPECT_EQ(Slots()[0], "<p></p>");
  EXPECT_EQ(ui_.MessageLog(), QStringList());
}

TEST_F(TagsetMenuTest, TagsAndMetasAreFoundAgainAfterARestart) {
  NewWindow();
  AddTag("p");
  ui_.AnswerInput("author");
  Trigger("AddUserDefined");
  ui_.AnswerMessage(MsgResult::kYes);  // Saving settings
  ASSERT_TRUE(frame_->close());
  frame_.reset();
  Flush();

  Start();
  TEditForm* editor = NewWindow();
  EXPECT_EQ(SlotCaptions(), QStringList{"&1 - <p></p>"});
  Trigger("TagNum1");
  EXPECT_EQ(Shown(editor), "<p>|</p>");
  emit frame_->Menus().Menu(MenuId::kMeta)->aboutToShow();
  EXPECT_TRUE(Action("UserMeta1")->isVisible());
  EXPECT_EQ(Action("UserMeta1")->text(), "author");
}

}  // namespace
}  // namespace penwick::test
