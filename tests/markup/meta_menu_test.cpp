// The Meta menu on a real editor window: named and general statements with The Changer on and off, and the
// user's five names added, shown and removed.

#include <QAction>
#include <QMenu>
#include <optional>
#include <vector>

#include "app/frame_menus.h"
#include "markup/meta_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class MetaMenuTest : public StartedFrameTest {
 protected:
  UserMetas& Metas() { return frame_->AppSettings().userMetas; }
  // The captions of the visible user items, as the menu shows them when it opens.
  QStringList UserCaptions() {
    emit frame_->Menus().Menu(MenuId::kMeta)->aboutToShow();
    QStringList captions;
    for (const char* name : {"UserMeta1", "UserMeta2", "UserMeta3", "UserMeta4", "UserMeta5"}) {
      if (Action(name)->isVisible()) captions << Action(name)->text();
    }
    EXPECT_EQ(Action("UserDefined")->isVisible(), !captions.isEmpty());
    return captions;
  }
};

TEST_F(MetaMenuTest, StatementsWriteTheirNameAndLeaveTheCaretForTheUser) {
  using Answers = std::vector<std::optional<QString>>;
  const struct {
    const char* item;
    bool changer;
    const char* before;
    Answers answers;
    const char* after;
  } cases[] = {
      {"keywords1", true, "a|b", {}, "a<meta name=\"keywords\" content=\"|\" />b"},
      {"keywords1", false, "a|b", {}, "a<meta name=\"keywords\" content=\"|\">b"},
      {"creator1", false, "|", {"Ann Lee"}, "<meta name=\"creator\" content=\"Ann Lee\">\r\n|"},
      {"localitypath1", true, "|", {""}, "<meta name=\"localitypath\" content=\"\" />\r\n|"},
      {"author1", false, "|", {std::nullopt}, "|"},
      {"METAtags1", false, "|", {"robots", "noindex"}, "<meta name=\"robots\" content=\"noindex\">\r\n|"},
      {"METAtags1", false, "|", {"robots", std::nullopt}, "|"},
      {"UserMeta2", true, "|", {}, "<meta name=\"R&D\" content=\"|\" />"},
  };
  TEditForm* editor = NewWindow();
  Metas()[1] = "R&D";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.before);
    frame_->Switches().changer = c.changer;
    SetMarked(editor->Text(), QString::fromUtf8(c.before));
    UserCaptions();
    for (const auto& answer : c.answers) ui_.AnswerInput(answer);
    Trigger(c.item);
    EXPECT_EQ(Shown(editor), QString::fromUtf8(c.after));
    EXPECT_TRUE(ui_.AllAnswered());
  }
  EXPECT_EQ(ui_.Shown()[0].Summary(), "creator for Meta Tag|Content= (don't add quotes):|");
}

TEST_F(MetaMenuTest, AddFillsTheLowestFreeSlotUntilAllFiveAreFull) {
  NewWindow();
  EXPECT_EQ(UserCaptions(), QStringList());
  Metas()[0] = "author";
  Metas()[2] = "robots";
  ui_.AnswerInput(" R&D ");
  Trigger("AddUserDefined");
  EXPECT_EQ(ui_.Last().Summary(), "Add Meta template|Enter the NAME value (no quotes):|");
  EXPECT_EQ(Metas()[1], "R&D");
  // The name shows as itself, with no access key.
  EXPECT_EQ(UserCaptions(), (QStringList{"author", "R&&D", "robots"}));

  // A blank answer leaves the slot free.
  ui_.AnswerInput("   ");
  Trigger("AddUserDefined");
  EXPECT_EQ(Metas()[3], "");

  Metas()[3] = "d";
  Metas()[4] = "e";
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("AddUserDefined");
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Can't add Meta|All 5 slots are full"});
  EXPECT_EQ(UserCaptions().size(), 5);
}

TEST_F(MetaMenuTest, RemoveChoosesFromTheStoredNames) {
  NewWindow();
  Metas() = {"", "dup", "x", "dup", ""};
  // Names changed since the menu last opened (by the lists editor, say) are the ones offered.
  ui_.AnswerInput("dup");
  Trigger("RemoveUserDefined1");
  EXPECT_EQ(ui_.Last().caption, "Delete a user defined meta");
  EXPECT_EQ(ui_.Last().value, "dup");
  EXPECT_TRUE(ui_.Last().items.contains("x"));
  EXPECT_EQ(Metas(), (UserMetas{"", "", "x", "dup", ""}));
  EXPECT_EQ(UserCaptions(), (QStringList{"x", "dup"}));

  ui_.AnswerInput("y");
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("RemoveUserDefined1");
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Can't Remove Meta|Not here. Check typing."});
  EXPECT_EQ(Metas(), (UserMetas{"", "", "x", "dup", ""}));
}

TEST_F(MetaMenuTest, NamesAreAddedWithoutAnEditorWindow) {
  ASSERT_EQ(frame_->ActiveEditor(), nullptr);
  ui_.AnswerInput("keywords");
  AddUserMeta(*frame_);
  EXPECT_EQ(Metas()[0], "keywords");
}

}  // namespace
}  // namespace penwick::test
