#pragma once
// A fresh program for one test: a temporary program folder, a scripted Ui and a real frame window.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "editor/status_panels.h"
#include "editor/text_control.h"
#include "tests/support/marked_text.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/test_env.h"

namespace penwick::test {

class FrameTest : public ::testing::Test {
 protected:
  // Declines every offer to colour tags or comments at load (tests of colouring answer it themselves).
  // Writes a penwick.ini that turns the minimum-width notice off (unless told otherwise), builds the frame,
  // shows it and runs its first activation with the given command line.
  void Start(const QStringList& arguments = {}, bool noticeOff = true);
  void TearDown() override;

  // Opens a file in a new editor window, as the command line does, answering the offer to colour its tags
  // or comments (every other way of opening declines it: see Start).
  TEditForm* Open(const QString& path, MsgResult highlight = MsgResult::kCancel);
  TEditForm* NewWindow();
  // A new window holding text, the caret at caret.
  TEditForm* Window(const QString& text, int caret = 0);
  // A new window holding marked text: "|" the caret, "[...]" the selection (see marked_text.h).
  TEditForm* MarkedWindow(const QString& marked);
  // The window's text with its caret or selection marked.
  static QString Shown(TEditForm* editor) { return Marked(editor->Text()); }
  static void Select(TEditForm* editor, int start, int length);
  // A menu item by its name (fails the test when there is none), and running it.
  QAction* Action(const char* name) const;
  void Trigger(const char* name);
  // Runs a menu item as a click does: the menus' state refreshed first, and the item must be enabled.
  void Run(const char* name);
  // A key pressed on the text control.
  static void Key(TEditForm* editor, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Types text key by key, any characters (QTest's key clicks take ASCII only).
  static void Type(QWidget* widget, const QString& text);
  // Lets queued calls (change events, the quick flip) run.
  static void Flush();
  // The captions of the open editor windows in window-number order.
  QStringList Titles() const;
  void SetHighlightAnswer(MsgResult answer);
  static QString Panel(TEditForm* editor, int panel) { return editor->StatusBar()->Text(panel); }

  TestEnv env_;
  ScriptedUi ui_;
  std::unique_ptr<TFrameForm> frame_;
};

// For tests that all begin with a plainly started frame.
class StartedFrameTest : public FrameTest {
 protected:
  void SetUp() override { Start(); }
};

}  // namespace penwick::test
