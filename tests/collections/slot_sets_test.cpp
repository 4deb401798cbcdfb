// The boilerplate list and the tagset list: editing rows in place, and named sets exported to and imported
// from bplates.set and tslists.set in the program's folder.

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextBrowser>
#include <chrono>

#include "collections/boilerplate_sets.h"
#include "collections/edit_list_box.h"
#include "collections/sets_file.h"
#include "collections/tagset_sets.h"
#include "tests/support/frame_fixture.h"
#include "ui/help_viewer.h"

namespace penwick::test {
namespace {

class SlotSetsTest : public StartedFrameTest {
 protected:
  std::array<QString, 8>& Plates() { return frame_->AppSettings().boilerplates; }
  std::array<QString, 15>& Tags() { return frame_->AppSettings().tagSlots; }
  QString SetsPath(const char* name) const { return QDir(env_.ProgramFolder()).filePath(name); }
  // Queues a script for the next set dialog; returns the dialog's result.
  void WithDialog(std::function<void(SlotSetDialog&)> script) {
    ui_.AnswerModal([script](QDialog& dialog) {
      script(dynamic_cast<SlotSetDialog&>(dialog));
      return dialog.result();
    });
  }
  static void Press(SlotSetDialog& d, int key) { QTest::keyClick(d.ListBox1(), static_cast<Qt::Key>(key)); }
};

TEST_F(SlotSetsTest, BoilerplateRowsAreEditedByEnterOrAClickNeverByArrows) {
  Plates()[2] = "<hr>";
  QStringList rows;
  QStringList after;
  QString editCaption;
  ui_.AnswerMessage(MsgResult::kOk);  // what bplates.set is for
  ui_.AnswerInput("<br>");            // Enter on row 1
  ui_.AnswerInput(std::nullopt);      // a click on row 3, cancelled
  WithDialog([&](SlotSetDialog& d) {
    d.show();
    rows = d.ListBox1()->Rows();
    EXPECT_FALSE(d.ListBox1()->isEnabled());
    d.EditBtn()->click();
    editCaption = d.EditBtn()->text();
    Press(d, Qt::Key_Down);
    Press(d, Qt::Key_Up);
    Press(d, Qt::Key_Return);
    EXPECT_EQ(d.ListBox1()->currentRow(), 0);
    const QRect third = d.ListBox1()->visualItemRect(d.ListBox1()->item(2));
    QTest::mouseClick(d.ListBox1()->viewport(), Qt::LeftButton, {}, third.center());
    after = d.ListBox1()->Rows();
    d.EditBtn()->click();
    EXPECT_FALSE(d.ListBox1()->isEnabled());
    EXPECT_TRUE(d.ListBox1()->selectedItems().isEmpty());
  });
  Run("BoilerplateSets1");
  EXPECT_EQ(ui_.Shown().front().caption, "Recycling boilerplate sets");
  EXPECT_EQ(ui_.Shown()[1].Summary(), "Boilerplates List (separate inputs)||");
  EXPECT_EQ(rows, (QStringList{"Ctrl+1 ", "Ctrl+2 ", "Ctrl+3 <hr>", "Ctrl+4 ", "Ctrl+5 ", "Ctrl+6 ",
                               "Ctrl+7 ", "Ctrl+8 "}));
  EXPECT_EQ(editCaption, "&End Edit");
  EXPECT_EQ(ui_.Shown()[2].Summary(), "Boilerplate|Use: Ctrl+1 types | Ctrl+Shift+1 changes.|");
  EXPECT_EQ(ui_.Shown()[3].value, "<hr>");
  EXPECT_EQ(after.size(), 8);
  EXPECT_EQ(after[0], "Ctrl+1 <br>");
  EXPECT_EQ(Plates()[0], "<br>");
  EXPECT_EQ(Plates()[2], "<hr>");
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(SlotSetsTest, AnExportedSetComesBackWholeAndAMissingOneChangesNothing) {
  const std::array<QString, 8> set = {"<p>", "  indented", "\"quoted\"", "", "a & b", "", "", "last"};
  Plates() = set;
  // Export "xml", then "" (No Name) after a change.
  ui_.AnswerInput("xml");
  ui_.AnswerInput("");
  ui_.AnswerInput("nothing like it");
  int result = -1;
  WithDialog([&](SlotSetDialog& d) {
    d.ExportButton()->click();
    Plates()[0] = "changed";
    d.ExportButton()->click();
    d.ImportButton()->click();
    result = d.result();
  });
  for (int i = 0; i < 4; ++i) ui_.AnswerMessage(MsgResult::kOk);
  Run("BoilerplateSets1");
  EXPECT_EQ(
      ui_.MessageLog()[1],
      "Penwick|Current boilerplate set exported to bplates.set\n\nIf bplates.set is open, do a File/Reload.");
  EXPECT_EQ(
      ui_.MessageLog().last(),
      "Name of Boilerplate Set|bplates.set holds no set named \"nothing like it\".\n\nThe boilerplates are "
      "unchanged.");
  EXPECT_EQ(result, 0);  // the dialog stays
  EXPECT_EQ(Plates()[0], "changed");
  const QByteArray file = TestEnv::ReadFile(SetsPath("bplates.set"));
  EXPECT_TRUE(file.contains("[xml]\r\nBPlate1=<p>\r\n")) << file.toStdString();
  EXPECT_TRUE(file.contains("[No Name]\r\nBPlate1=changed\r\n")) << file.toStdString();

  // The file is there now: it opens in an editor window, then the dialog; "XML" finds "xml".
  for (const char* name : {"XML", "  "}) {
    Plates().fill("wiped");
    ui_.Clear();
    if (*name == ' ') ui_.AnswerMessage(MsgResult::kOk);  // already open
    ui_.AnswerInput(QString::fromLatin1(name));
    WithDialog([&](SlotSetDialog& d) {
      d.ImportButton()->click();
      result = d.result();
    });
    Run("BoilerplateSets1");
    EXPECT_EQ(result, QDialog::Accepted);
    std::array<QString, 8> expected = set;
    if (*name == ' ') expected[0] = "changed";
    EXPECT_EQ(Plates(), expected) << name;
  }
  // Opened once, brought forward the second time.
  EXPECT_EQ(frame_->EditorWindows().size(), 1u);
  EXPECT_EQ(ui_.MessageLog().first(),
            "File already in Penwick|" + SetsPath("bplates.set") + " is already open!");
}

TEST_F(SlotSetsTest, AFailedExportSaysSoAndAMissingFileImportsNothing) {
  Plates().fill("kept");
  // bplates.set a folder: nothing can be written, nothing read.
  ASSERT_TRUE(QDir(env_.ProgramFolder()).mkdir("bplates.set"));
  TbpDialog dialog(frame_->Boxes(), frame_->AppSettings(), env_.ProgramFolder());
  for (int i = 0; i < 3; ++i) ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput("xml");
  dialog.ExportButton()->click();
  ASSERT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_TRUE(ui_.MessageLog().first().startsWith("Penwick|Unable to write to " + SetsPath("bplates.set")))
      << ui_.MessageLog().first().toStdString();
  ui_.AnswerInput("xml");
  dialog.ImportButton()->click();
  EXPECT_TRUE(ui_.MessageLog().last().endsWith("The boilerplates are unchanged."));

  ui_.Clear();
  TtsDialog tags(frame_->Boxes(), Tags(), env_.ProgramFolder());
  Tags()[0] = "<p></p>";
  ui_.AnswerInput("html");
  tags.ImportButton()->click();
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Name for Tagset (leave off brackets)|There is no " +
                                          QDir::toNativeSeparators(SetsPath("tslists.set")) +
                                          " yet, so there is no set to import: the first export creates it."
                                          "\n\nThe tagset is unchanged."});
  EXPECT_EQ(Tags()[0], "<p></p>");
  EXPECT_EQ(Plates()[7], "kept");
}

TEST_F(SlotSetsTest, HandWrittenAndHostileSetsFilesReadCorrectlyOrNotAtAll) {
  QByteArray many;
  for (int i = 0; i < 10000; ++i)
    many += "[set " + QByteArray::number(i) + "]\r\nTag1=<t" + QByteArray::number(i) + ">\r\n";
  QByteArray junk(200000, '\0');
  QRandomGenerator random(14);
  for (char& c : junk) c = static_cast<char>(random.bounded(256));
  struct Case {
    const char* what;
    QByteArray file;
    const char* name;
    ImportOutcome outcome;
    QString tag1;
    QString tag15;
  };
  const Case cases[] = {
      {"odd case and quotes", "; mine\r\n[ HtMl ]\r\ntag1 =  \"<b></b>\"  \r\nTAG15='<i></i>'\r\nTag16=x\r\n",
       "html", ImportOutcome::kImported, "<b></b>", "<i></i>"},
      {"LF only, no keys", "[xhtml]\nother=1\n", "XHTML", ImportOutcome::kImported, "", ""},
      {"10,000 sections", many, "set 9999", ImportOutcome::kImported, "<t9999>", ""},
      {"binary junk", junk, "html", ImportOutcome::kNoSet, "old", "old"},
      {"far too big", QByteArray(17 << 20, '['), "html", ImportOutcome::kUnreadable, "old", "old"},
  };
  for (const Case& c : cases) {
    const QString path = env_.WriteFile("tslists.set", c.file);
    std::array<QString, 15> tags;
    tags.fill("old");
    QString error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ImportSet(path, c.name, "Tag", tags, &error), c.outcome) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
    EXPECT_EQ(tags[0], c.tag1) << c.what;
    EXPECT_EQ(tags[14], c.tag15) << c.what;
    EXPECT_EQ(error.isEmpty(), c.outcome != ImportOutcome::kUnreadable) << c.what;
  }
  // An export keeps the other 10,000 sets.
  const QString path = env_.WriteFile("tslists.set", many);
  const std::array<QString, 15> tags = {"<new>"};
  QString error;
  ASSERT_TRUE(ExportSet(path, SetName(" set 5 "), "Tag", tags, &error)) << error.toStdString();
  std::array<QString, 15> back;
  EXPECT_EQ(ImportSet(path, "SET 5", "Tag", back, &error), ImportOutcome::kImported);
  EXPECT_EQ(back[0], "<new>");
  EXPECT_EQ(ImportSet(path, "set 9998", "Tag", back, &error), ImportOutcome::kImported);
  EXPECT_EQ(back[0], "<t9998>");
}

TEST_F(SlotSetsTest, TagsetRowsAreLabelledInHexAndOnlyAnsweredTagsAreStored) {
  Tags()[11] = "<em></em>";
  QStringList rows;
  QStringList after;
  ui_.AnswerMessage(MsgResult::kOk);        // no tslists.set yet
  ui_.AnswerMessage(MsgResult::kOk);        // Edit single tags
  ui_.AnswerInput("  <strong></strong> ");  // row C, trimmed
  ui_.AnswerInput("   ");                   // a blank answer is a Cancel
  ui_.AnswerInput(std::nullopt);
  WithDialog([&](SlotSetDialog& d) {
    rows = d.ListBox1()->Rows();
    d.EditBtn()->click();
    for (int row : {11, 0, 11}) {
      d.ListBox1()->setCurrentRow(row);
      Press(d, Qt::Key_Enter);
      EXPECT_TRUE(d.ListBox1()->selectedItems().isEmpty());
    }
    after = d.ListBox1()->Rows();
  });
  Run("TagsetMenuSets1");
  EXPECT_EQ(ui_.Shown().front().caption, "Swapping Tagset menu sets");
  EXPECT_EQ(ui_.Shown()[2].caption, "Edit single tags");
  EXPECT_EQ(rows.size(), 15);
  EXPECT_EQ(rows[9], "A. ");
  EXPECT_EQ(rows[11], "C. <em></em>");
  EXPECT_EQ(rows[14], "F. ");
  EXPECT_EQ(ui_.Shown()[3].Summary(), "Edit tag|Type new tag-pair:|<em></em>");
  EXPECT_EQ(after[11], "C. <strong></strong>");
  EXPECT_EQ(after[0], "1. ");
  EXPECT_EQ(Tags()[11], "<strong></strong>");
  EXPECT_EQ(Tags()[0], "");
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(SlotSetsTest, TheBoilerplatesItemExplainsAndHelpShowsTheListsPageOrSaysItIsMissing) {
  ui_.AnswerMessage(MsgResult::kOk);
  Run("bplate");
  EXPECT_EQ(ui_.Last().caption, "Boilerplate(s)");
  EXPECT_EQ(ui_.Last().buttons, MsgButtons::kOk);
  // The boilerplate list's page is there: Help shows it in the help window.
  QFile page(SetsPath("pwhelp25.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<p>Boilerplates</p>");
  page.close();
  ui_.AnswerMessage(MsgResult::kOk);  // no tslists.set
  ui_.AnswerMessage(MsgResult::kOk);
  WithDialog([](SlotSetDialog& d) { d.HelpButton()->click(); });
  Run("BoilerplateSets1");
  auto* viewer = frame_->findChild<HelpViewer*>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(QFileInfo(viewer->Browser()->source().toLocalFile()).fileName(), "pwhelp25.htm");
  // The tagset list's page is not: a message names it.
  ui_.AnswerMessage(MsgResult::kOk);
  WithDialog([](SlotSetDialog& d) { d.HelpButton()->click(); });
  Run("TagsetMenuSets1");
  EXPECT_TRUE(
      ui_.MessageLog().last().startsWith("Help page missing|The help page pwhelp40.htm was not found"))
      << ui_.MessageLog().last().toStdString();
}

TEST(SlotSetPlacementTest, CentresOverTheFrameOrSitsTwentyIn) {
  EXPECT_EQ(PlaceOver({200, 100}, {10, 20, 601, 400}), QPoint(10 + 200, 20 + 150));
  EXPECT_EQ(PlaceOver({800, 500}, {10, 20, 600, 400}), QPoint(30, 40));
}

}  // namespace
}  // namespace penwick::test
