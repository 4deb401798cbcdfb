#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <map>

#include "app/frame_menus.h"
#include "editor/clipboard_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

void SetClipboardText(const QString& text) { Clipboard()->setText(text); }

class EditCommandsTest : public FrameTest {
 protected:
  // A window holding text (no undo step), with the given selection.
  TEditForm* Window(const QByteArray& text, int selStart = 0, int selLength = 0) {
    if (!editor_) editor_ = NewWindow();
    editor_->Text().LoadUtf8(text);
    editor_->Text().SetSelStart(selStart);
    editor_->Text().SetSelLength(selLength);
    editor_->Text().SetModified(false);
    Flush();
    return editor_;
  }
  QAction* Item(const char* name) {
    QAction* action = frame_->Menus().Find(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
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
  Start();
  // clang-format off
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QByteArray text;
    int selStart, selLength;
    QString typedFirst;  // typed before the key, to have something to undo
    QString textAfter;
    int selStartAfter, selLengthAfter;
    QString clipboardAfter;  // the clipboard holds "before" when the command does not touch it
  } cases[] = {
      {"Shift+Delete cuts", Qt::Key_Delete, Qt::ShiftModifier, "abc def", 4, 3, {}, "abc ", 4, 0, "def"},
      {"Ctrl+Insert copies", Qt::Key_Insert, Qt::ControlModifier, "abc def", 0, 3, {}, "abc def", 0, 3, "abc"},
      {"Shift+Insert pastes", Qt::Key_Insert, Qt::ShiftModifier, "abc def", 4, 3, {}, "abc before", 10, 0, "before"},
      {"Ctrl+Shift+Insert copies the whole text", Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier,
       "one\r\ntwo", 5, 2, {}, "one\r\ntwo", 0, 0, "one\r\ntwo"},
      {"Ctrl+Delete deletes the selection", Qt::Key_Delete, Qt::ControlModifier, "abc def", 3, 4, {}, "abc", 3, 0,
       "before"},
      {"Ctrl+Space inserts a line", Qt::Key_Space, Qt::ControlModifier, "abc\r\ndef", 6, 0, {}, "abc\r\n\r\ndef", 5, 0,
       "before"},
      {"Ctrl+Backspace deletes the line", Qt::Key_Backspace, Qt::ControlModifier, "abc\r\ndef\r\nghi", 6, 0, {},
       "abc\r\nghi", 5, 0, "before"},
      {"Ctrl+Shift+Down selects the whole text", Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, "abc\r\ndef",
       2, 0, {}, "abc\r\ndef", 0, 8, "before"},
      {"Ctrl+Shift+U undoes", Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier, "abc", 3, 0, "x", "abc", 3, 0,
       "before"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Window(c.text, c.selStart, c.selLength);
    SetClipboardText(QStringLiteral("before"));
    if (!c.typedFirst.isEmpty()) Type(editor->Editor(), c.typedFirst);
    Flush();
    QTest::keyClick(editor->Editor(), c.key, c.modifiers);
    Flush();
    EXPECT_EQ(editor->Text().Text(), c.textAfter);
    EXPECT_EQ(editor->Text().SelStart(), c.selStartAfter);
    EXPECT_EQ(editor->Text().SelLength(), c.selLengthAfter);
    EXPECT_EQ(Clipboard()->text(), c.clipboardAfter);
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(EditCommandsTest, EditMenuEnablesItemsFromTextSelectionUndoAndClipboard) {
  Start();
  enum Clip { kEmpty, kText, kHtml, kImage };
  const char* items[] = {"Undo1", "Cut1",    "Copy1",  "Copyall1",      "Paste1",     "DeleteSelection1",
                         "Save1", "Saveas1", "Print1", "PopupCopyall1", "PopupPrint1"};
  // clang-format off
  struct Case {
    const char* name;
    QByteArray text;
    int selLength;
    bool typed;
    Clip clip;
    std::vector<int> enabled;  // 1 or 0 for each of items
  } cases[] = {
      //                                                                   Undo Cut Copy CopyAll Paste DelSel Save SaveAs Print pop:CopyAll pop:Print
      {"empty document, empty clipboard", "", 0, false, kEmpty,             {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"text, no selection, text on the clipboard", "some text", 0, false, kText, {0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1}},
      {"a selection", "some text", 4, false, kEmpty,                        {0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1}},
      {"something to undo", "some text", 0, true, kEmpty,                   {1, 0, 0, 1, 0, 0, 1, 1, 1, 1, 1}},
      {"HTML on the clipboard can be pasted", "x", 0, false, kHtml,         {0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1}},
      {"a picture on the clipboard cannot", "x", 0, false, kImage,          {0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 1}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Window(c.text, 0, c.selLength);
    if (c.typed) Type(editor->Editor(), QStringLiteral("y"));
    Flush();
    // The clipboard changes behind the program's back; opening the menu shows the change.
    auto* data = new QMimeData;
    if (c.clip == kText) data->setText(QStringLiteral("t"));
    if (c.clip == kHtml) data->setHtml(QStringLiteral("<b>h</b>"));
    if (c.clip == kImage) data->setImageData(QImage(2, 2, QImage::Format_RGB32));
    Clipboard()->setMimeData(data);
    OpenAndClose(MenuId::kEdit);
    for (size_t i = 0; i < std::size(items); ++i) {
      EXPECT_EQ(Item(items[i])->isEnabled(), c.enabled[i] == 1) << items[i];
    }
  }
}

TEST_F(EditCommandsTest, ShortcutsFollowASelectionMadeWithTheKeyboard) {
  Start();
  TEditForm* editor = Window("abc def", 0, 0);
  SetClipboardText(QStringLiteral("before"));
  OpenAndClose(MenuId::kEdit);
  ASSERT_FALSE(Item("Copy1")->isEnabled());
  // No menu opens between selecting and copying: the shortcut still finds Copy enabled.
  QTest::keyClick(editor->Editor(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(editor->Editor(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(editor->Editor(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->text(), QStringLiteral("ab"));
  // And with the selection gone, Shift+Delete cuts nothing.
  QTest::keyClick(editor->Editor(), Qt::Key_End);
  QTest::keyClick(editor->Editor(), Qt::Key_Delete, Qt::ShiftModifier);
  Flush();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abc def"));
  EXPECT_EQ(Clipboard()->text(), QStringLiteral("ab"));
}

TEST_F(EditCommandsTest, RightClickAndTheMenuKeyShowPenwicksPopupMenu) {
  Start();
  TEditForm* first = Window("first text", 0, 5);
  editor_ = nullptr;
  TEditForm* second = Window("second", 0, 0);
  ASSERT_EQ(frame_->ActiveEditor(), second);
  QMenu* popup = frame_->Menus().Menu(MenuId::kPopup);
  QStringList captions;
  for (QAction* action : popup->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  // Other groups' items follow the clipboard and print items.
  EXPECT_EQ(captions.mid(0, 5), (QStringList{"Cu&t", "&Copy", "Copy &All", "&Paste", "Pri&nt"}));

  // A right-click in the first window's text brings that window forward and shows the pop-up there.
  SetClipboardText(QStringLiteral("before"));
  QWidget* viewport = first->Editor()->viewport();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(viewport, &click);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor(), first);
  EXPECT_EQ(QApplication::activePopupWidget(), popup);
  EXPECT_TRUE(Item("Cut1")->isEnabled());
  Item("PopupCopyall1")->trigger();
  popup->hide();
  Flush();
  EXPECT_EQ(Clipboard()->text(), QStringLiteral("first text"));

  // The context-menu key opens it too, and never QScintilla's own menu.
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
  QApplication::sendEvent(first->Editor(), &key);
  Flush();
  EXPECT_EQ(QApplication::activePopupWidget(), popup);
  EXPECT_FALSE(Item("Cut1")->isEnabled());  // Copy All left no selection
  popup->hide();
  Flush();
}

TEST_F(EditCommandsTest, PasteGivesPlainTextInTheEditorsFont) {
  Start();
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
    TEditForm* editor = Window("<tag>", 2, 0);
    editor->Text().SetStyle(0, 5, 1);
    auto* data = new QMimeData;
    if (!c.text.isNull()) data->setText(c.text);
    if (!c.html.isNull()) data->setHtml(c.html);
    Clipboard()->setMimeData(data);
    OpenAndClose(MenuId::kEdit);
    ASSERT_TRUE(Item("Paste1")->isEnabled());
    Item("Paste1")->trigger();
    Flush();
    const QString expected = QStringLiteral("<t") + c.pasted + QStringLiteral("ag>");
    EXPECT_EQ(editor->Text().Text(), expected);
    const int end = 2 + static_cast<int>(c.pasted.size());
    EXPECT_EQ(editor->Text().SelStart(), end);
    EXPECT_EQ(editor->Text().SelLength(), 0);
    for (int pos = 2; pos < end; ++pos) ASSERT_EQ(editor->Text().StyleAt(pos), 0) << "at " << pos;
    EXPECT_EQ(editor->Text().StyleAt(end), 1);
    EXPECT_EQ(Panel(editor, 1), QStringLiteral("Modified"));
    EXPECT_TRUE(Item("Undo1")->isEnabled());

    // One undo takes the whole paste back.
    Item("Undo1")->trigger();
    Flush();
    EXPECT_EQ(editor->Text().Text(), QStringLiteral("<tag>"));
  }
}

TEST_F(EditCommandsTest, PasteReplacesTheSelectionAndMakesRoomInMaxLength) {
  Start();
  TEditForm* editor = Window("keep REPLACED keep", 5, 8);
  SetClipboardText(QStringLiteral("new"));
  EXPECT_EQ(editor->MaxLength(), 65536);
  Paste1Click(*editor);
  Flush();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("keep new keep"));
  EXPECT_EQ(editor->MaxLength(), 131072);
  Paste1Click(*editor);  // room enough now
  EXPECT_EQ(editor->MaxLength(), 131072);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("keep newnew keep"));
  // An empty clipboard pastes nothing and leaves a selection alone.
  Clipboard()->clear();
  editor->Text().SetSelStart(0);
  editor->Text().SetSelLength(4);
  Paste1Click(*editor);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("keep newnew keep"));
}

TEST_F(EditCommandsTest, InsertAndDeleteLineOnFirstMiddleAndLastLine) {
  Start();
  enum Command { kInsert, kDelete };
  // clang-format off
  struct Case {
    const char* name;
    Command command;
    QByteArray text;
    int caret, selLength;
    QString after;
    int caretAfter;
  } cases[] = {
      {"insert on the only line", kInsert, "abc", 2, 0, "\r\nabc", 0},
      {"insert on a middle line", kInsert, "a\r\nbcd\r\ne", 5, 0, "a\r\n\r\nbcd\r\ne", 3},
      {"insert on the last line", kInsert, "a\r\nb\r\nlast", 8, 0, "a\r\nb\r\n\r\nlast", 6},
      {"insert keeps selected text", kInsert, "a\r\nbcd", 4, 2, "a\r\n\r\nbcd", 3},
      {"delete the first line", kDelete, "one\r\ntwo\r\nthree", 1, 0, "two\r\nthree", 0},
      {"delete a middle line", kDelete, "one\r\ntwo\r\nthree", 7, 0, "one\r\nthree", 5},
      {"delete the last line", kDelete, "one\r\ntwo\r\nthree", 12, 0, "one\r\ntwo", 8},
      {"delete the only line", kDelete, "solo", 2, 0, "", 0},
      {"delete the line of the selection start", kDelete, "one\r\ntwo\r\nthree", 6, 5, "one\r\nthree", 5},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = Window(c.text, c.caret, c.selLength);
    Item(c.command == kInsert ? "Insertline1" : "Deleteline1")->trigger();
    Flush();
    EXPECT_EQ(editor->Text().Text(), c.after);
    EXPECT_EQ(editor->Text().SelStart(), c.caretAfter);
    EXPECT_EQ(editor->Text().SelLength(), 0);
    EXPECT_EQ(Panel(editor, 1), QStringLiteral("Modified"));
  }
}

TEST(PlainTextToPaste, NothingToPasteFromDataWithoutText) {
  EXPECT_FALSE(PlainTextToPaste(nullptr));
  QMimeData image;
  image.setImageData(QImage(1, 1, QImage::Format_RGB32));
  EXPECT_FALSE(PlainTextToPaste(&image));
  QMimeData empty;
  empty.setText(QString());
  EXPECT_FALSE(PlainTextToPaste(&empty));
}

}  // namespace
}  // namespace penwick::test
