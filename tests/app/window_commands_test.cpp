// The Window menu on real windows: tile, Tile Top 2 of N, cascade, arrange icons, Alt+digit, the window
// list and the status-bar rotation.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/frame_menus.h"
#include "app/switch_win_dialog.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class WindowCommandsTest : public FrameTest {
 protected:
  void SetUp() override {
    Start();
    frame_->resize(1000, 800);
    QApplication::setActiveWindow(frame_.get());
    Flush();
  }
  // Opens the named files, one window each, in order.
  std::vector<TEditForm*> OpenFiles(const QStringList& names) {
    std::vector<TEditForm*> editors;
    for (const QString& name : names) editors.push_back(Open(env_.WriteFile(name, name.toUtf8())));
    return editors;
  }
  QRect Viewport() const { return frame_->MdiArea()->viewport()->rect(); }
  // Answers the next window list: the row chosen, then OK or Cancel.
  void ChooseInList(int row, bool ok) {
    ui_.AnswerModal([row, ok](QDialog& dialog) {
      auto& list = dynamic_cast<TSwitchWin&>(dialog);
      list.PathList()->setCurrentRow(row);
      ok ? list.OKBtnClick() : dialog.reject();
      return dialog.result();
    });
  }
};

TEST_F(WindowCommandsTest, TileStacksUpToThreeFullWidthFourInQuadrantsMoreInAGrid) {
  const QRect view = Viewport();
  for (int count = 1; count <= 7; ++count) {
    SCOPED_TRACE(count);
    NewWindow();
    Trigger("Tile1");
    const std::vector<TEditForm*> editors = frame_->EditorWindows();
    ASSERT_EQ(static_cast<int>(editors.size()), count);
    // The active window takes the top left place.
    EXPECT_EQ(frame_->ActiveEditor()->geometry().topLeft(), view.topLeft());
    long area = 0;
    for (size_t i = 0; i < editors.size(); ++i) {
      const QRect r = editors[i]->geometry();
      EXPECT_FALSE(editors[i]->isMaximized());
      EXPECT_TRUE(view.contains(r)) << i;
      area += static_cast<long>(r.width()) * r.height();
      for (size_t j = i + 1; j < editors.size(); ++j) EXPECT_FALSE(r.intersects(editors[j]->geometry()));
      if (count <= 3) {
        EXPECT_EQ(r.left(), view.left());
        EXPECT_EQ(r.width(), view.width());
        EXPECT_NEAR(r.height(), view.height() / count, 1);
      } else if (count == 4) {
        EXPECT_NEAR(r.width(), view.width() / 2, 1);
        EXPECT_NEAR(r.height(), view.height() / 2, 1);
      } else {
        // Never a sliver: at least a third of the width and a quarter of the height.
        EXPECT_GE(r.width(), view.width() / 3);
        EXPECT_GE(r.height(), view.height() / 4);
      }
    }
    // The windows cover the whole client area between them.
    EXPECT_EQ(area, static_cast<long>(view.width()) * view.height());
    EXPECT_FALSE(frame_->CoverPanel()->isVisible());
  }
}

TEST_F(WindowCommandsTest, MinimisedWindowsStayIconsAndArrangeIconsLinesThemUp) {
  for (int i = 0; i < 5; ++i) NewWindow();
  std::vector<TEditForm*> editors = frame_->EditorWindows();
  // Windows are minimised from the tiled layout (a maximised layout restores the window instead).
  Tile1Click(*frame_);
  editors[0]->showMinimized();
  editors[1]->showMinimized();
  frame_->MdiArea()->setActiveSubWindow(editors[4]);
  Flush();
  Tile1Click(*frame_);
  Flush();
  const QRect view = Viewport();
  EXPECT_TRUE(editors[0]->isMinimized());
  EXPECT_TRUE(editors[1]->isMinimized());
  // Three tiled full width over the icons' row.
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(editors[i]->width(), view.width());
    EXPECT_LE(editors[i]->geometry().bottom(), view.bottom() - editors[0]->height() + 1);
  }

  editors[0]->move(300, 100);
  editors[1]->move(500, 300);
  Arrangeicons1Click(*frame_);
  Flush();
  EXPECT_EQ(editors[0]->geometry().bottom(), view.bottom());
  EXPECT_EQ(editors[1]->geometry().bottom(), view.bottom());
  EXPECT_EQ(editors[0]->x(), 0);
  EXPECT_EQ(editors[1]->x(), editors[0]->width());
}

TEST_F(WindowCommandsTest, TileTopTwoHoldsTheOthersAndReopensThemAsTheNextWindows) {
  // Names that share their ends: each window is held by its own full name.
  const std::vector<TEditForm*> editors =
      OpenFiles({"data.htm", "x/a.htm", "y/a.htm", "four.txt", "five.txt"});
  QStringList names;
  for (TEditForm* editor : editors) names << editor->FileName();
  TEditForm* active = editors[4];
  ASSERT_EQ(frame_->ActiveEditor(), active);

  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("Tile2ofN1");
  ASSERT_EQ(ui_.MessageLog().size(), 2);
  EXPECT_TRUE(ui_.MessageLog()[0].startsWith("Tile Top 2 of N Windows|"));
  EXPECT_EQ(ui_.MessageLog()[1],
            QStringLiteral("Reminder|To Re-open the files closed so the top two could be tiled, click this "
                           "same menu item which is now checked to indicate files are being held."));
  EXPECT_EQ(frame_->State().heldFiles, (QStringList{names[2], names[1], names[0]}));
  EXPECT_TRUE(Action("Tile2ofN1")->isChecked());
  EXPECT_EQ(Titles(), (QStringList{"four.txt", "five.txt"}));
  for (TEditForm* editor : frame_->EditorWindows()) EXPECT_EQ(editor->width(), Viewport().width());
  EXPECT_EQ(Panel(active, 6), "Window: 2");

  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("Tile2ofN1");
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral(
                "Re-opening windows closed |When the top two files were tiled to allow you to see both at "
                "once, other files were closed. These will now be re-opened.")});
  const std::vector<TEditForm*> now = frame_->EditorWindows();
  ASSERT_EQ(now.size(), 5u);
  EXPECT_EQ(now[2]->FileName(), names[2]);
  EXPECT_EQ(now[3]->FileName(), names[1]);
  EXPECT_EQ(now[4]->FileName(), names[0]);
  EXPECT_EQ(Panel(now[4], 6), "Window: 5");
  EXPECT_EQ(frame_->ActiveEditor(), active);
  EXPECT_FALSE(Action("Tile2ofN1")->isChecked());
  EXPECT_TRUE(frame_->State().heldFiles.isEmpty());
}

// With one window Tile Top 2 does nothing, with two it only tiles; unnamed windows and windows that refuse to
// close stay open and are not held.
TEST_F(WindowCommandsTest, TileTopTwoLeavesUnnamedAndRefusingWindowsOpenAndUnheld) {
  TEditForm* modified = OpenFiles({"keep.txt"}).front();
  Tile2ofN1Click(*frame_);
  EXPECT_TRUE(modified->isMaximized());
  TEditForm* unnamed = NewWindow();
  Tile2ofN1Click(*frame_);
  Flush();
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_FALSE(frame_->State().tile2ofN);
  EXPECT_EQ(modified->width(), Viewport().width());
  EXPECT_EQ(unnamed->geometry().top(), Viewport().top());

  OpenFiles({"one.txt", "two.txt"});
  modified->Text().SetSelStart(0);
  modified->Text().SetSelText("changed ");
  Flush();
  ui_.AnswerMessage(MsgResult::kOk);      // explanation
  ui_.AnswerMessage(MsgResult::kCancel);  // keep.txt refuses to close
  Tile2ofN1Click(*frame_);
  Flush();
  ASSERT_EQ(ui_.MessageLog().size(), 2);
  EXPECT_EQ(ui_.MessageLog()[1].section(QLatin1Char('|'), 0, 0), "Closing with modified text");
  EXPECT_EQ(frame_->EditorWindows().size(), 4u);
  EXPECT_FALSE(modified->IsClosed());
  EXPECT_FALSE(unnamed->IsClosed());
  // Nothing closed, nothing held: no reminder, no check mark, and the item still works the next time.
  EXPECT_TRUE(frame_->State().heldFiles.isEmpty());
  EXPECT_FALSE(frame_->State().tile2ofN);
  const QString keep = modified->FileName();
  modified->Text().SetModified(false);
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);  // explanation
  ui_.AnswerMessage(MsgResult::kOk);  // reminder
  Tile2ofN1Click(*frame_);
  Flush();
  // keep.txt closes and is held; the unnamed window stays.
  EXPECT_EQ(frame_->State().heldFiles, QStringList{keep});
  EXPECT_EQ(frame_->EditorWindows().size(), 3u);
  EXPECT_TRUE(frame_->State().tile2ofN);
}

TEST_F(WindowCommandsTest, AltDigitBringsThatWindowOrSaysThereIsNone) {
  OpenFiles({"1.txt", "2.txt", "3.txt", "4.txt"});
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_2, Qt::AltModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor()->windowTitle(), "2.txt");
  EXPECT_TRUE(frame_->ActiveEditor()->isMaximized());

  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_5, Qt::AltModifier);
  Flush();
  EXPECT_EQ(ui_.Beeps(), 1);
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.MessageLog().first(), "Window call|No Win # 5 Exists.");
  EXPECT_EQ(ui_.Last().type, MsgType::kWarning);
  EXPECT_EQ(frame_->ActiveEditor()->windowTitle(), "2.txt");

  // Closing window 2 of 4 renumbers the later ones and drops its file from the open files; the keys follow
  // the new numbers, and a new window takes the next free number.
  frame_->ActiveEditor()->Close1Click();
  Flush();
  QStringList panels;
  for (TEditForm* editor : frame_->EditorWindows())
    panels << editor->windowTitle() + QLatin1Char('=') + Panel(editor, 6);
  EXPECT_EQ(panels, (QStringList{"1.txt=Window: 1", "3.txt=Window: 2", "4.txt=Window: 3"}));
  EXPECT_EQ(frame_->Run().openFiles.size(), 3);
  EXPECT_FALSE(frame_->Run().openFiles.contains(QDir(env_.WorkFolder()).filePath("2.txt")));
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_3, Qt::AltModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor()->windowTitle(), "4.txt");
  EXPECT_EQ(NewWindow()->Number(), 4);
}

TEST_F(WindowCommandsTest, WindowListShowsFullNamesWithUnnamedWindowsInPlace) {
  // With no window the hint items do nothing; Alt+0 still shows the list, where OK only beeps.
  Trigger("Altgetswindow2");
  EXPECT_TRUE(ui_.Shown().empty());
  ui_.AnswerModal([](QDialog& dialog) {
    auto& list = dynamic_cast<TSwitchWin&>(dialog);
    EXPECT_EQ(list.PathList()->count(), 0);
    list.OKBtnClick();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    return dialog.result();
  });
  WinGet_1Click(*frame_, 0);
  EXPECT_EQ(ui_.Beeps(), 1);

  TEditForm* a = OpenFiles({"one/a.txt"}).front();
  TEditForm* unnamed = NewWindow();
  TEditForm* b = OpenFiles({"two/a.txt"}).front();
  QStringList entries;
  QString current;
  ui_.AnswerModal([&](QDialog& dialog) {
    auto& list = dynamic_cast<TSwitchWin&>(dialog);
    for (int i = 0; i < list.PathList()->count(); ++i) entries << list.PathList()->item(i)->text();
    current = list.Edit1()->Path();
    EXPECT_EQ(list.PathList()->currentRow(), 2);
    list.PathList()->setCurrentRow(1);
    list.OKBtnClick();
    return dialog.result();
  });
  QTest::keyClick(b->Editor(), Qt::Key_0, Qt::AltModifier);
  Flush();
  EXPECT_EQ(ui_.Last().caption, "Switch Active Editor");
  EXPECT_EQ(entries, (QStringList{a->FileName(), "New File", b->FileName()}));
  EXPECT_EQ(current, b->FileName());
  EXPECT_EQ(frame_->ActiveEditor(), unnamed);

  // Of two files with one name, the one chosen comes up; Cancel changes nothing.
  ChooseInList(2, true);
  Altgetswindow1Click(*frame_);
  EXPECT_EQ(frame_->ActiveEditor(), b);
  ChooseInList(0, false);
  WinGet_1Click(*frame_, 0);
  EXPECT_EQ(frame_->ActiveEditor(), b);
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(WindowCommandsTest, WindowListShowsTheWholeCurrentPathShortenedInTheMiddleOnlyWhenItMust) {
  TEditForm* editor = NewWindow();
  const QString ellipsis(QChar(0x2026));
  const struct {
    QString path;
    bool whole;
  } cases[] = {
      {"/home/ann/site/index.html", true},
      {"New File", true},
      {"/home/ann/projects/2024/clients/harbour-books/site/pages/catalogue/autumn/index.html", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    frame_->Run().currentFile = c.path;
    ui_.AnswerModal([&](QDialog& dialog) {
      dialog.show();
      QApplication::setActiveWindow(&dialog);
      PathField* field = dynamic_cast<TSwitchWin&>(dialog).Edit1();
      const QString shown = field->text();
      EXPECT_EQ(field->Path(), c.path);
      EXPECT_EQ(field->toolTip(), c.path);
      // Both ends of what the field holds are in sight.
      const int middle = field->height() / 2;
      EXPECT_EQ(field->cursorPositionAt(QPoint(4, middle)), 0);
      EXPECT_EQ(field->cursorPositionAt(QPoint(field->width() - 4, middle)), shown.size());
      if (c.whole) {
        EXPECT_EQ(shown, c.path);
      } else {
        const qsizetype cut = shown.indexOf(ellipsis);
        EXPECT_GT(cut, 10);
        EXPECT_TRUE(c.path.startsWith(shown.left(cut))) << shown.toStdString();
        EXPECT_TRUE(c.path.endsWith(shown.mid(cut + 1))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith("/index.html")) << shown.toStdString();
      }
      // With the focus it holds the whole path, so that a copy is the real one.
      field->setFocus();
      EXPECT_EQ(field->text(), c.path);
      dynamic_cast<TSwitchWin&>(dialog).PathList()->setFocus();
      EXPECT_EQ(field->text(), shown);
      dialog.reject();
      return dialog.result();
    });
    QApplication::setActiveWindow(frame_.get());
    QTest::keyClick(editor->Editor(), Qt::Key_0, Qt::AltModifier);
    Flush();
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

}  // namespace
}  // namespace penwick::test
