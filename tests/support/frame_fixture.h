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
#include "tests/support/scripted_ui.h"
#include "tests/support/test_env.h"

namespace penwick::test {

class FrameTest : public ::testing::Test {
 protected:
  // Writes a penwick.ini that turns the minimum-width notice off (unless told otherwise), builds the frame,
  // shows it and runs its first activation with the given command line.
  void Start(const QStringList& arguments = {}, bool noticeOff = true);
  void TearDown() override;

  // Opens a file in a new editor window, as the command line does.
  TEditForm* Open(const QString& path);
  TEditForm* NewWindow();
  // A new window holding text, the caret at caret.
  TEditForm* Window(const QString& text, int caret = 0);
  static void Select(TEditForm* editor, int start, int length);
  // A key pressed on the text control.
  static void Key(TEditForm* editor, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Types text key by key, any characters (QTest's key clicks take ASCII only).
  static void Type(QWidget* widget, const QString& text);
  // Lets queued calls (change events, the quick flip) run.
  static void Flush();
  // The captions of the open editor windows in window-number order.
  QStringList Titles() const;
  static QString Panel(TEditForm* editor, int panel) { return editor->StatusBar()->Text(panel); }

  TestEnv env_;
  ScriptedUi ui_;
  std::unique_ptr<TFrameForm> frame_;
};

}  // namespace penwick::test
