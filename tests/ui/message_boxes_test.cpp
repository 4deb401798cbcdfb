#include "ui/message_boxes.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <optional>
#include <ostream>

#include "tests/support/scripted_ui.h"
#include "ui/qt_ui.h"

namespace penwick {

static void PrintTo(MsgResult result, std::ostream* out) {
  constexpr const char* kNames[] = {"kOk", "kCancel", "kYes", "kNo"};
  *out << kNames[static_cast<int>(result)];
}

namespace {

using test::ScriptedUi;
using test::ShownBox;

TEST(MessageBoxesTest, CaptionServesOneBoxThenTheTypeGivesIt) {
  struct Case {
    MsgType type;
    QString standard;
  };
  const Case cases[] = {{MsgType::kWarning, "Warning"},
                        {MsgType::kError, "Error"},
                        {MsgType::kInformation, "Information"},
                        {MsgType::kConfirmation, "Confirm"},
                        {MsgType::kCustom, "Penwick"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.standard.toStdString());
    ScriptedUi ui;
    MessageBoxes boxes(ui);
    for (MsgResult answer :
         {MsgResult::kYes, MsgResult::kNo, MsgResult::kOk, MsgResult::kCancel, MsgResult::kOk}) {
      ui.AnswerMessage(answer);
    }

    EXPECT_EQ(boxes.Show("first", c.type, MsgButtons::kYesNo), MsgResult::kYes);
    boxes.SetCaption("Replace");
    EXPECT_EQ(boxes.Show("second", c.type, MsgButtons::kYesNo), MsgResult::kNo);
    EXPECT_EQ(boxes.Show("third", c.type, MsgButtons::kOk), MsgResult::kOk);
    EXPECT_EQ(boxes.Show("Find", "fourth", c.type, MsgButtons::kOkCancel), MsgResult::kCancel);
    EXPECT_EQ(boxes.Show("fifth", c.type, MsgButtons::kOk), MsgResult::kOk);

    EXPECT_EQ(ui.MessageLog(), QStringList({c.standard + "|first", "Replace|second", c.standard + "|third",
                                            "Find|fourth", c.standard + "|fifth"}));
    EXPECT_EQ(ui.Shown()[3].type, c.type);
    EXPECT_EQ(ui.Shown()[3].buttons, MsgButtons::kOkCancel);
    EXPECT_TRUE(boxes.Caption().isEmpty());
  }

  // The error box has the application's title and leaves a pending caption to the next box.
  ScriptedUi ui;
  MessageBoxes boxes(ui);
  ui.AnswerMessage(MsgResult::kOk);
  ui.AnswerMessage(MsgResult::kYes);
  boxes.SetCaption("Save As");
  boxes.ShowError("Unable to write to /x/penwick.ini");
  EXPECT_EQ(boxes.Show("Overwrite it?", MsgType::kConfirmation, MsgButtons::kYesNo), MsgResult::kYes);
  EXPECT_EQ(ui.MessageLog(),
            QStringList({"Penwick|Unable to write to /x/penwick.ini", "Save As|Overwrite it?"}));
  EXPECT_EQ(ui.Shown()[0].type, MsgType::kError);
  EXPECT_EQ(ui.Shown()[0].buttons, MsgButtons::kOk);
}

TEST(MessageBoxesTest, InputWithHistoryKeepsTheListInOrder) {
  struct Case {
    const char* name;
    QStringList history;
    QString value;
    std::optional<QString> answer;  // nullopt = Cancel
    QStringList dropDown;           // what the box offers
    QString valueAfter;
    QStringList historyAfter;
  };
  const Case cases[] = {
      {"value further down moves to the top", {"b", "a"}, "a", "a", {"a", "b"}, "a", {"a", "b"}},
      {"typed text goes on top", {"a", "b"}, "a", "c", {"a", "b"}, "c", {"c", "a", "b"}},
      {"picked entry moves to the top", {"a", "b", "c"}, "a", "c", {"a", "b", "c"}, "c", {"c", "a", "b"}},
      {"value not yet in the list", {"a", "b"}, "z", "z", {"z", "a", "b"}, "z", {"z", "a", "b"}},
      {"cleared field is accepted but not kept", {"a", "b"}, "a", "", {"a", "b"}, "", {"a", "b"}},
      {"first use", {}, "x", "x", {"x"}, "x", {"x"}},
      {"nothing at all", {}, "", "", {""}, "", {}},
      {"case matters", {"A"}, "a", "a", {"a", "A"}, "a", {"a", "A"}},
      {"empty entries are dropped", {"a", "", "b"}, "a", "a", {"a", "", "b"}, "a", {"a", "b"}},
      {"cancel changes nothing", {"b", "a"}, "a", std::nullopt, {"a", "b"}, "a", {"b", "a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    MessageBoxes boxes(ui);
    ui.AnswerInput(c.answer);
    QString value = c.value;
    QStringList history = c.history;

    EXPECT_EQ(boxes.InputWithHistory("Find", "Text to find:", value, history), c.answer.has_value());

    const ShownBox& box = ui.Last();
    EXPECT_EQ(box.kind, ShownBox::Kind::kHistoryInput);
    EXPECT_EQ(box.Summary(), "Find|Text to find:|" + c.value);
    EXPECT_EQ(box.items, c.dropDown);
    EXPECT_EQ(value, c.valueAfter);
    EXPECT_EQ(history, c.historyAfter);
  }
}

TEST(ScriptedUiTest, UnexpectedBoxFailsTheTestAndAnswersCancel) {
  ScriptedUi ui;
  ::testing::TestPartResultArray failures;
  MsgResult result = MsgResult::kOk;
  std::optional<QString> input = "not asked";
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    result = ui.ShowMessage("Confirm", "Save changes?", MsgType::kConfirmation, MsgButtons::kYesNo);
    input = ui.AskText("Go to", "Line:", "1");
  }
  ASSERT_EQ(failures.size(), 2);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("Save changes?"), std::string::npos);
  EXPECT_EQ(result, MsgResult::kCancel);
  EXPECT_EQ(input, std::nullopt);
  EXPECT_EQ(ui.MessageLog(), QStringList({"Confirm|Save changes?"}));
}

QString Label(const QPushButton* button) { return button->text().remove('&'); }

TEST(MessageDialogTest, ButtonsInOneCentredRowWithTheFirstAsDefault) {
  struct Case {
    MsgButtons buttons;
    QStringList labels;  // left to right
    QString defaultLabel;
  };
  const Case cases[] = {
      {MsgButtons::kOk, {"OK"}, "OK"},
      {MsgButtons::kOkCancel, {"OK", "Cancel"}, "OK"},
      {MsgButtons::kYesNo, {"Yes", "No"}, "Yes"},
      {MsgButtons::kYesNoCancel, {"Yes", "No", "Cancel"}, "Yes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labels.join(',').toStdString());
    MessageDialog box("Confirm", "Save changes?", MsgType::kConfirmation, c.buttons);
    box.show();
    QList<QPushButton*> buttons = box.Buttons();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList labels;
    for (QPushButton* button : buttons) {
      labels << Label(button);
      EXPECT_EQ(button->isDefault(), Label(button) == c.defaultLabel) << Label(button).toStdString();
      EXPECT_EQ(button->y(), buttons.first()->y());
    }
    EXPECT_EQ(labels, c.labels);
    // One centred row: as much room to the left of it as to the right.
    const int left = buttons.first()->geometry().left();
    const int right = box.width() - 1 - buttons.last()->geometry().right();
    EXPECT_LE(std::abs(left - right), 1);
  }
}

// Enter presses the default button, Escape the last one; a letter presses the button it begins.
TEST(MessageDialogTest, KeysPressTheirButtons) {
  struct Case {
    MsgButtons buttons;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<MsgResult> answer;  // nullopt: the box stays open
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const Case cases[] = {
      {MsgButtons::kOk, Qt::Key_Return, none, MsgResult::kOk},
      {MsgButtons::kOk, Qt::Key_Escape, none, MsgResult::kOk},
      {MsgButtons::kOkCancel, Qt::Key_Return, none, MsgResult::kOk},
      {MsgButtons::kOkCancel, Qt::Key_Escape, none, MsgResult::kCancel},
      {MsgButtons::kYesNo, Qt::Key_Return, none, MsgResult::kYes},
      {MsgButtons::kYesNo, Qt::Key_Escape, none, MsgResult::kNo},
      {MsgButtons::kYesNoCancel, Qt::Key_Return, none, MsgResult::kYes},
      {MsgButtons::kYesNoCancel, Qt::Key_Escape, none, MsgResult::kCancel},
      {MsgButtons::kYesNo, Qt::Key_Y, none, MsgResult::kYes},
      {MsgButtons::kYesNo, Qt::Key_N, none, MsgResult::kNo},
      {MsgButtons::kYesNo, Qt::Key_N, Qt::ShiftModifier, MsgResult::kNo},
      {MsgButtons::kYesNo, Qt::Key_Y, Qt::AltModifier, MsgResult::kYes},
      {MsgButtons::kYesNo, Qt::Key_O, none, std::nullopt},
      {MsgButtons::kYesNo, Qt::Key_C, none, std::nullopt},
      {MsgButtons::kYesNoCancel, Qt::Key_C, none, MsgResult::kCancel},
      {MsgButtons::kYesNoCancel, Qt::Key_Y, Qt::ShiftModifier, MsgResult::kYes},
      {MsgButtons::kYesNoCancel, Qt::Key_N, Qt::AltModifier, MsgResult::kNo},
      {MsgButtons::kOk, Qt::Key_O, none, MsgResult::kOk},
      {MsgButtons::kOk, Qt::Key_Y, none, std::nullopt},
      {MsgButtons::kOkCancel, Qt::Key_O, Qt::ShiftModifier, MsgResult::kOk},
      {MsgButtons::kOkCancel, Qt::Key_C, none, MsgResult::kCancel},
      {MsgButtons::kOkCancel, Qt::Key_C, Qt::AltModifier, MsgResult::kCancel},
      {MsgButtons::kOkCancel, Qt::Key_O, Qt::AltModifier, MsgResult::kOk},
      // Other keys and Ctrl do nothing.
      {MsgButtons::kOkCancel, Qt::Key_C, Qt::ControlModifier, std::nullopt},
      {MsgButtons::kYesNo, Qt::Key_Y, Qt::ControlModifier, std::nullopt},
      {MsgButtons::kYesNoCancel, Qt::Key_X, none, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString() + " on " +
                 std::to_string(static_cast<int>(c.buttons)));
    MessageDialog box("Confirm", "Save changes?", MsgType::kConfirmation, c.buttons);
    box.show();
    QTest::keyClick(box.focusWidget(), c.key, c.modifiers);
    // In an active window Alt with an underlined letter goes through the button's shortcut, which clicks a
    // moment later.
    if (c.answer) (void)QTest::qWaitFor([&] { return !box.isVisible(); }, 1000);  // checked just below
    EXPECT_EQ(box.isVisible(), !c.answer.has_value());
    if (c.answer) {
      EXPECT_EQ(box.Result(), *c.answer);
    }
  }
}

TEST(MessageDialogTest, TextIsShownAsWrittenBrokenToHalfTheScreenAndTheBoxIsCentred) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QString text = "The tag <b> is not closed before </p>.";
  for (int i = 0; i < 60; ++i) text += " word" + QString::number(i);
  text += " /a/very/long/path/" + QString(400, 'x') + ".html\nSecond paragraph.";

  // Over a small frame in the corner the box still sits in the middle of the screen.
  QWidget frame;
  frame.setGeometry(0, 0, 200, 150);
  frame.show();
  MessageDialog box("Error", text, MsgType::kError, MsgButtons::kOk, &frame);
  box.show();

  const QLabel* label = box.TextLabel();
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  const QFontMetrics metrics(label->font());
  const QStringList lines = label->text().split('\n');
  EXPECT_GT(lines.size(), 3);
  for (const QString& line : lines) {
    EXPECT_LE(metrics.horizontalAdvance(line), screen.width() / 2) << line.toStdString();
  }
  EXPECT_TRUE(lines.first().startsWith("The tag <b> is not closed before </p>."));
  EXPECT_EQ(lines.last(), "Second paragraph.");
  // Only blanks at breaks may go; no character is lost.
  EXPECT_EQ(QString(label->text()).remove('\n').remove(' '), QString(text).remove('\n').remove(' '));

  // Allow for the window frame, which is not known before the box is shown.
  const QPoint offset =
      box.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE(std::abs(offset.x()), 4);
  EXPECT_LE(std::abs(offset.y()), 4);
}

}  // namespace
}  // namespace penwick
