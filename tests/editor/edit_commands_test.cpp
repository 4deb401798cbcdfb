#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>

#include "app/frame_menus.h"
#include "editor/clipboard_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

void SetClipboardText(const QString& text) { Clipboard()->setText(text); }

class EditCommandsTest : public StartedFrameTest {
 protected:
  // One window for the whole test, loaded with marked text (no undo step, unmodified).
  TEditForm* Doc(const QString& marked) {
    if (!editor_) editor_ = NewWindow();
    SetMarked(editor_->Text(), marked);
    Flush();
    return editor_;
  }
  // Opens a menu the way a click does (its about-to-show refresh included) and closes it again.
  void OpenAndClose(MenuId id) {
    QMenu* menu = frame_->Menus().Menu(id);
    menu->popup(QPoint(10, 10));
    Flush();
    menu->hide();
    Flush();
  }

  TEditForm* editor_ = nullptr;
};

TEST_F(EditCommandsTest, ShortcutKeysRunTheCommandsOnTheText) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
  // clang-format off
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* before;
    QString typedFirst;  // typed before the key, to have something to undo
    const char* after;
    QString clipboardAfter;  // the clipboard holds "before" when the command does not touch it
  } cases[] = {
      {"Shift+Delete cuts", Qt::Key_Delete, shift, "abc [def]", {}, "abc |", "def"},
      {"Ctrl+Insert copies", Qt::Key_Insert, ctrl, "[abc] def", {}, "[abc] def", "abc"},
      {"Shift+Insert pastes", Qt::Key_Insert, shift, "abc [def]", {}, "abc before|", "before"},
      {"Ctrl+Shift+Insert copies all", Qt::Key_Insert, ctrl | shift, "one\r\nt[wo]", {}, "|one\r\ntwo",
       "one\r\ntwo"},
      {"Ctrl+Delete deletes the selection", Qt::Key_Delete, ctrl, "abc[ def]", {}, "abc|", "before"},
      {"Ctrl+Space inserts a line", Qt::Key_Space, ctrl, "abc\r\nd|ef", {}, "abc\r\n|\r\ndef", "before"},
      {"Ctrl+Backspace deletes the line", Qt::Key_Backspace, ctrl, "abc\r\nd|ef\r\nghi", {}, "abc\r\n|ghi",
       "before"},
      {"Ctrl+Shift+Down selects all", Qt::Key_Down, ctrl | shift, "ab|c\r\ndef", {}, "[abc\r\ndef]", 
       "before"},
      {"Ctrl+Shift+U undoes", Qt::Key_U, ctrl | shift, "abc|", "x", "abc|", "before"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Doc(QString::fromLatin1(c.before));
    SetClipboardText("before");
    if (!c.typedFirst.isEmpty()) Type(editor->Editor(), c.typedFirst);
    Flush();
    QTest::keyClick(editor->Editor(), c.key, c.modifiers);
    Flush();
    EXPECT_EQ(Shown(editor), QString::fromLatin1(c.after));
    EXPECT_EQ(Clipboard()->text(), c.clipboardAfter);
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(EditCommandsTest, EditMenuEnablesItemsFromTextSelectionUndoAndClipboard) {
  enum Clip { kEmpty, kText, kHtml, kImage };
  const char* items[] = {"Undo1", "Cut1",    "Copy1",  "Copyall1",      "Paste1",     "DeleteSelection1",
                         "Save1", "Saveas1", "Print1", "PopupCopyall1", "PopupPrint1"};
  // clang-format off
  struct Case {
    const char* name;
    const char* text;
    bool typed;
    Clip clip;
    std::vector<int> enabled;  // 1 or 0 for each of items
  } cases[] = {
      //                                                                   Undo Cut Copy CopyAll Paste DelSel Save SaveAs Print pop:CopyAll pop:Print
      {"empty document, empty clipboard", "", false, kEmpty,                {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"text, no selection, text on the clipboard", "some text", false, kText, {0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1}},
      {"a selection", "[some] text", false, kEmpty,                         {0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1}},
      {"something to undo", "some text", true, kEmpty,                      {1, 0, 0, 1, 0, 0, 1, 1, 1, 1, 1}},
      {"HTML on the clipboard can be pasted", "x", false, kHtml,            {0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1}},
      {"a picture on the clipboard cannot", "x", false, kImage,             {0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 1}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Doc(QString::fromLatin1(c.text));
    if (c.typed) Type(editor->Editor(), "y");
    Flush();
    // The clipboard changes behind the program's back; opening the menu shows the change.
    auto* data = new QMimeData;
    if (c.clip == kText) data->setText("t");
    if (c.clip == kHtml) data->setHtml("<b>h</b>");
    if (c.clip == kImage) data->setImageData(QImage(2, 2, QImage::Format_RGB32));
    Clipboard()->setMimeData(data);
    OpenAndClose(MenuId::kEdit);
    for (size_t i = 0; i < std::size(items); ++i) {
      EXPECT_EQ(Action(items[i])->isEnabled(), c.enabled[i] == 1) << items[i];
    }
  }
}

TEST_F(EditCommandsTest, ShortcutsFollowASelectionMadeWithTheKeyboard) {
  TEditForm* editor = Doc("|abc def");
  SetClipboardText("before");
  OpenAndClose(MenuId::kEdit);
  ASSERT_FALSE(Action("Copy1")->isEnabled());
  // No menu opens between selecting and copying: the shortcut still finds Copy enabled.
  QTest::keyClick(editor->Editor(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(editor->Editor(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(editor->Editor(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->text(), "ab");
  // And with the selection gone, Shift+Delete cuts nothing.
  QTest::keyClick(editor->Editor(), Qt::Key_End);
  QTest::keyClick(editor->Editor(), Qt::Key_Delete, Qt::ShiftModifier);
  Flush();
  EXPECT_EQ(editor->Text().Text(), "abc def");
  EXPECT_EQ(Clipboard()->text(), "ab");
}

TEST_F(EditCommandsTest, RightClickAndTheMenuKeyShowPenwicksPopupMenu) {
  TEditForm* first = MarkedWindow("[first] text");
  TEditForm* second = MarkedWindow("second");
  ASSERT_EQ(frame_->ActiveEditor(), second);
  QMenu* popup = frame_->Menus().Menu(MenuId::kPopup);
  QStringList captions;
  for (QAction* action : popup->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  // Other groups' items follow the clipboard and print items; the searches come last.
  EXPECT_EQ(captions.mid(0, 5), (QStringList{"Cu&t", "&Copy", "Copy &All", "&Paste", "Pri&nt"}));
  EXPECT_EQ(captions.indexOf("The Chan&ger\tF8"), captions.indexOf("&Superboilerplates") + 1);
  EXPECT_EQ(captions.mid(captions.size() - 3), (QStringList{"&Find", "&Replace", "Re-sea&rch"}));

  // A right-click in the first window's text brings that window forward and shows the pop-up there.
  SetClipboardText("before");
  QWidget* viewport = first->Editor()->viewport();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(viewport, &click);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor(), first);
  EXPECT_EQ(QApplication::activePopupWidget(), popup);
  EXPECT_TRUE(Action("Cut1")->isEnabled());
  Action("PopupCopyall1")->trigger();
  popup->hide();
  Flush();
  EXPECT_EQ(Clipboard()->text(), "first text");

  // The context-menu key opens it too, and never QScintilla's own menu.
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
  QApplication::sendEvent(first->Editor(), &key);
  Flush();
  EXPECT_EQ(QApplication::activePopupWidget(), popup);
  EXPECT_FALSE(Action("Cut1")->isEnabled());  // Copy All left no selection
  popup->hide();
  Flush();
}

TEST_F(EditCommandsTest, PasteGivesPlainTextInTheEditorsFont) {
  // clang-format off
  struct Case {
    const char* name;
    QString text;  // text/plain, if any
    QString html;  // text/html, if any
    QString pasted;
  } cases[] = {
      {"rich content alone becomes its plain text", {},
       "<html><body><p><b>Bold</b> and <i style='color:red'>red</i></p><p>next&nbsp;line</p></body></html>",
       "Bold and red\r\nnext line"},
      {"rich content with a plain form pastes the plain form", "plain form", "<h1>Heading</h1>", "plain form"},
      {"line feeds become CR LF", "a\nb\r\nc\rd", {}, "a\r\nb\r\nc\r\nd"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Pasted into the middle of coloured text (a highlighted tag).
    TEditForm* editor = Doc("<t|ag>");
    editor->Text().SetStyle(0, 5, 1);
    auto* data = new QMimeData;
    if (!c.text.isNull()) data->setText(c.text);
    if (!c.html.isNull()) data->setHtml(c.html);
    Clipboard()->setMimeData(data);
    OpenAndClose(MenuId::kEdit);
    ASSERT_TRUE(Action("Paste1")->isEnabled());
    Action("Paste1")->trigger();
    Flush();
    const QString expected = QStringLiteral("<t") + c.pasted + QStringLiteral("ag>");
    EXPECT_EQ(editor->Text().Text(), expected);
    const int end = 2 + static_cast<int>(c.pasted.size());
    EXPECT_EQ(editor->Text().SelStart(), end);
    EXPECT_EQ(editor->Text().SelLength(), 0);
    for (int pos = 2; pos < end; ++pos) ASSERT_EQ(editor->Text().StyleAt(pos), 0) << "at " << pos;
    EXPECT_EQ(editor->Text().StyleAt(end), 1);
    EXPECT_EQ(Panel(editor, 1), "Modified");
    EXPECT_TRUE(Action("Undo1")->isEnabled());

    // One undo takes the whole paste back.
    Action("Undo1")->trigger();
    Flush();
    EXPECT_EQ(editor->Text().Text(), "<tag>");
  }
}

TEST_F(EditCommandsTest, PasteReplacesTheSelectionAndAnEmptyClipboardPastesNothing) {
  TEditForm* editor = Doc("keep [REPLACED] keep");
  SetClipboardText("new");
  Paste1Click(*editor);
  EXPECT_EQ(Shown(editor), "keep new| keep");
  Clipboard()->clear();
  Select(editor, 0, 4);
  Paste1Click(*editor);
  EXPECT_EQ(Shown(editor), "[keep] new keep");
}

TEST_F(EditCommandsTest, InsertAndDeleteLineOnFirstMiddleAndLastLine) {
  // clang-format off
  const struct {
    const char* name;
    const char* command;
    const char* before;
    const char* after;
  } cases[] = {
      {"insert on the only line", "Insertline1", "ab|c", "|\r\nabc"},
      {"insert on a middle line", "Insertline1", "a\r\nbc|d\r\ne", "a\r\n|\r\nbcd\r\ne"},
      {"insert on the last line", "Insertline1", "a\r\nb\r\nla|st", "a\r\nb\r\n|\r\nlast"},
      {"insert keeps selected text", "Insertline1", "a\r\nb[cd]", "a\r\n|\r\nbcd"},
      {"delete the first line", "Deleteline1", "o|ne\r\ntwo\r\nthree", "|two\r\nthree"},
      {"delete a middle line", "Deleteline1", "one\r\ntw|o\r\nthree", "one\r\n|three"},
      {"delete the last line", "Deleteline1", "one\r\ntwo\r\nth|ree", "one\r\ntwo|"},
      {"delete the only line", "Deleteline1", "so|lo", "|"},
      {"delete the line of the selection start", "Deleteline1", "one\r\nt[wo\r\nth]ree", "one\r\n|three"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Doc(QString::fromLatin1(c.before));
    Trigger(c.command);
    EXPECT_EQ(Shown(editor), QString::fromLatin1(c.after));
    EXPECT_EQ(Panel(editor, 1), "Modified");
  }
}

}  // namespace
}  // namespace penwick::test
