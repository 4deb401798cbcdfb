// The lists editor: choosing one of the nine lists, adding, deleting and editing entries, and the lists
// found again after the settings were saved at close and Penwick started anew.

#include "collections/lists_editor.h"

#include <QPushButton>

#include "collections/edit_list_box.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class ListsEditorTest : public StartedFrameTest {
 protected:
  Settings& S() { return frame_->AppSettings(); }
  // Runs the Tools menu item with script acting on the dialog.
  void WithEditor(std::function<void(TrfDialog&)> script) {
    ui_.AnswerModal([script](QDialog& dialog) {
      script(dynamic_cast<TrfDialog&>(dialog));
      return 0;
    });
    Run("ListsEditor1");
  }
  static void EditRow(TrfDialog& d, int row) {
    d.ListBox1()->setCurrentRow(row);
    QTest::keyClick(d.ListBox1(), Qt::Key_Return);
  }
};

TEST_F(ListsEditorTest, NothingHappensWithoutAListOrARow) {
  S().helpUrls.clear();
  S().f7Tool.clear();
  S().f8Tool.clear();
  WithEditor([](TrfDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Lists Editor");
    d.AddBtn()->click();
    d.DelBtn()->click();
    d.EditBtn()->click();
    for (char code : {'w', 'u'}) {
      d.ListButton(code)->click();
      d.EditBtn()->click();
      QTest::keyClick(d.ListBox1(), Qt::Key_Return);
      EXPECT_FALSE(d.Editing());
      EXPECT_EQ(d.ListBox1()->count(), 0);
    }
    EXPECT_EQ(d.windowTitle(), "List Editor - \"User Defined\" Tools Access List");
  });
  EXPECT_EQ(ui_.Shown().size(), 1u);  // the dialog only
}

TEST_F(ListsEditorTest, WebSitesFollowTheirFirstEntryAndRecentFilesKeepFive) {
  S().helpUrls.clear();
  S().helpUrl.clear();
  S().reopens.clear();
  for (const char* answer : {"https://a.example/", "   ", "https://b.example/"}) ui_.AnswerInput(answer);
  ui_.AnswerInput("https://a.example/");    // delete the first: the next is current
  ui_.AnswerInput("https://zzz.example/");  // not in the list: nothing goes
  ui_.AnswerMessage(MsgResult::kOk);        // what editing recent files does
  for (int i = 1; i <= 6; ++i) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(QStringLiteral("/f%1.txt").arg(i));
  }
  ui_.AnswerInput("/edited.txt");
  QStringList rows;
  WithEditor([&](TrfDialog& d) {
    d.ListButton('w')->click();
    for (int i = 0; i < 3; ++i) d.AddBtn()->click();
    EXPECT_EQ(S().helpUrl, "https://a.example/");
    d.DelBtn()->click();
    d.DelBtn()->click();
    rows = d.ListBox1()->Rows();
    d.ListButton('r')->click();
    for (int i = 0; i < 6; ++i) d.AddBtn()->click();
    d.EditBtn()->click();
    EXPECT_FALSE(d.AddBtn()->isEnabled());
    EditRow(d, 2);
    EXPECT_EQ(d.ListBox1()->currentRow(), 2);
  });
  EXPECT_EQ(rows, QStringList{"https://b.example/"});
  EXPECT_EQ(S().helpUrls, QStringList{"https://b.example/"});
  EXPECT_EQ(S().helpUrl, "https://b.example/");
  EXPECT_EQ(ui_.Shown()[4].Summary(), "Delete List item|Select the item to Delete|https://a.example/");
  EXPECT_EQ(S().reopens, (QStringList{"/f6.txt", "/f5.txt", "/edited.txt", "/f3.txt", "/f2.txt"}));
  EXPECT_TRUE(ui_.MessageLog().contains(
      "\"Recently Opened\" Files List|Only five files are listed. A file added goes to the top and the fifth "
      "is "
      "dropped. To put a file at a given position, edit the entry there.\n\nSave settings when you close "
      "Penwick to keep the changes."));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(ListsEditorTest, AFullListTakesNoEntryThatSavingWouldDrop) {
  S().research.clear();
  for (int i = 0; i < 15; ++i) S().research << QStringLiteral("marker %1").arg(i);
  ui_.AnswerMessage(MsgResult::kOk);
  WithEditor([](TrfDialog& d) {
    d.ListButton('s')->click();
    d.AddBtn()->click();
  });
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{"Add List item|This list keeps 15 entries, and it is full. Delete an entry first."});
  EXPECT_EQ(S().research.size(), 15);
}

TEST_F(ListsEditorTest, DirectOpenToolsAndMetasGoThroughTheirOwnCommands) {
  S().toolApps = {"tidy", "lint"};
  S().toolApp = "tidy";
  S().userMetas = {"author", "", "keywords", "author", ""};
  S().directOpen = {"/a", "", "", "", "/e"};
  S().f7Tool.clear();
  S().f8Tool = "/usr/bin/xmllint";
  QStringList directRows;
  QStringList toolRows;
  QStringList metaRows;
  ui_.AnswerInput("tidy");       // toolbox: delete the current program
  ui_.AnswerInput("/c.txt");     // direct open row 3
  ui_.AnswerInput("author");     // delete a meta held twice
  ui_.AnswerInput("generator");  // add metas, without an editor window
  ui_.AnswerInput("robots");
  ui_.AnswerInput("rating");
  ui_.AnswerInput("audience");
  ui_.AnswerInput("description");    // edit the third meta
  ui_.AnswerInput("/usr/bin/tidy");  // user tools: add fills tool 1
  ui_.AnswerInput("/usr/bin/xmllint");
  ui_.CancelUnscripted();  // the commands' explanations
  WithEditor([&](TrfDialog& d) {
    d.ListButton('t')->click();
    d.DelBtn()->click();
    d.ListButton('d')->click();
    d.EditBtn()->click();
    EditRow(d, 2);
    directRows = d.ListBox1()->Rows();
    d.ListButton('f')->click();
    d.DelBtn()->click();
    for (int i = 0; i < 5; ++i) d.AddBtn()->click();
    d.EditBtn()->click();
    EditRow(d, 2);
    metaRows = d.ListBox1()->Rows();
    d.ListButton('u')->click();
    d.AddBtn()->click();
    d.DelBtn()->click();
    toolRows = d.ListBox1()->Rows();
  });
  EXPECT_EQ(S().toolApps, QStringList{"lint"});
  EXPECT_EQ(S().toolApp, "tidy");
  EXPECT_EQ(directRows, (QStringList{"/a", "", "/c.txt", "", "/e"}));
  EXPECT_EQ(S().directOpen[2], "/c.txt");
  EXPECT_EQ(metaRows, (QStringList{"generator", "robots", "description", "rating", "audience"}));
  EXPECT_EQ(S().userMetas[2], "description");
  EXPECT_TRUE(ui_.MessageLog().contains("Can't add Meta|All 5 slots are full"));
  EXPECT_EQ(toolRows, (QStringList{"/usr/bin/tidy", ""}));
  EXPECT_EQ(S().f8Tool, "");
}

TEST_F(ListsEditorTest, EditedListsAreFoundAgainAfterSavingAtCloseAndRestarting) {
  ui_.AnswerInput("https://c.example/");
  ui_.AnswerInput("marker");
  ui_.AnswerMessage(MsgResult::kOk);  // what the re-search list is for
  ui_.AnswerInput("/d/two.htm");
  WithEditor([&](TrfDialog& d) {
    d.ListButton('w')->click();
    d.AddBtn()->click();
    d.ListButton('s')->click();
    d.AddBtn()->click();
    d.ListButton('d')->click();
    d.EditBtn()->click();
    EditRow(d, 1);
  });
  S().boilerplates[7] = "<hr>";
  S().tagSlots[14] = "<kbd></kbd>";
  const Settings before = S();
  ui_.AnswerMessage(MsgResult::kYes);  // Saving settings
  ui_.CancelUnscripted();
  frame_->close();
  frame_.reset();
  frame_ = std::make_unique<TFrameForm>(ui_, env_.ProgramFolder(), QStringList());
  frame_->FormActivate();
  EXPECT_TRUE(S().helpUrls.contains("https://c.example/"));
  EXPECT_EQ(S().helpUrls, before.helpUrls);
  EXPECT_EQ(S().research, QStringList{"marker"});
  EXPECT_EQ(S().directOpen[1], "/d/two.htm");
  EXPECT_EQ(S().boilerplates[7], "<hr>");
  EXPECT_EQ(S().tagSlots[14], "<kbd></kbd>");
}

}  // namespace
}  // namespace penwick::test
