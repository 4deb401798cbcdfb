#include "ui/history_input_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <ostream>
#include <tuple>
#include <utility>

#include "tests/support/test_env.h"
#include "ui/qt_ui.h"

// Readable failure messages.
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace penwick {

static void PrintTo(MsgResult result, std::ostream* out) {
  constexpr const char* kNames[] = {"kOk", "kCancel", "kYes", "kNo"};
  *out << kNames[static_cast<int>(result)];
}

namespace {

// Plays a script on the next modal dialog once it is up. A dialog still open five seconds later is rejected
// so that a broken test fails instead of hanging in exec().
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QDialog&)> script) : script_(std::move(script)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(10);
    clock_.start();
  }

 private:
  void Tick() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (script_) {
      std::exchange(script_, nullptr)(*dialog);
    } else if (clock_.elapsed() > 5000) {
      ADD_FAILURE() << "The dialog did not close";
      dialog->reject();
    }
  }

  std::function<void(QDialog&)> script_;
  QTimer timer_;
  QElapsedTimer clock_;
};

// Both input boxes: a fixed size that follows the font, prompt over field over the OK and Cancel row.
TEST(InputBoxTest, LaidOutInRowsThatFollowTheFont) {
  HistoryInputDialog history("Find", "Text to find:", "abc", {"abc", "def"});
  TextInputDialog text("Go to", "Line number:", "12");
  const std::tuple<QDialog*, QLabel*, QWidget*, QPushButton*, QPushButton*> cases[] = {
      {&history, history.Prompt(), history.Field(), history.OkButton(), history.CancelButton()},
      {&text, text.Prompt(), text.Field(), text.OkButton(), text.CancelButton()},
  };
  for (const auto& [dialog, prompt, field, ok, cancel] : cases) {
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    const QFontMetrics metrics(dialog->font());
    // 180 by 63 dialog units: a unit is a quarter of the average character width, an eighth of its height.
    const double u = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    EXPECT_NEAR(dialog->width(), 180 * u / 4, 1);
    EXPECT_NEAR(dialog->height(), 63 * metrics.height() / 8.0, 1);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_LT(prompt->geometry().bottom(), field->geometry().top());
    EXPECT_LT(field->geometry().bottom(), ok->geometry().top());
    EXPECT_EQ(ok->geometry().top(), cancel->geometry().top());
    EXPECT_LT(ok->geometry().right(), cancel->geometry().left());
    EXPECT_TRUE(dialog->rect().contains(cancel->geometry()));
    EXPECT_TRUE(ok->isDefault());
  }
  EXPECT_EQ(history.Field()->insertPolicy(), QComboBox::NoInsert);
}

TEST(InputBoxTest, FieldsHoldAtMost127And255Characters) {
  HistoryInputDialog history("Find", "Text to find:", QString(300, 'x'), {});
  EXPECT_EQ(history.FieldText(), QString(127, 'x'));
  history.Field()->setEditText("");
  QTest::keyClicks(history.Field()->lineEdit(), QString(200, 'y'));
  EXPECT_EQ(history.FieldText(), QString(127, 'y'));

  TextInputDialog text("Rename", "New name:", QString(300, 'x'));
  EXPECT_EQ(text.Text(), QString(255, 'x'));
  text.Field()->clear();
  QTest::keyClicks(text.Field(), QString(300, 'y'));
  EXPECT_EQ(text.Text(), QString(255, 'y'));
}

TEST(InputBoxTest, EnterAcceptsWhatWasTypedAndEscapeCancels) {
  struct Case {
    const char* name;
    QString typed;
    Qt::Key key;
    std::optional<QString> expected;
  };
  // The history holds "abc", so typing "a" must not be completed to it.
  const Case cases[] = {
      {"Enter keeps the value", "", Qt::Key_Return, "abc"},
      {"typing replaces the value", "a", Qt::Key_Return, "a"},
      {"Escape", "", Qt::Key_Escape, std::nullopt},
      {"Escape after typing", "zz", Qt::Key_Escape, std::nullopt},
  };
  const auto play = [](const Case& c) {
    return [c](QDialog& dialog) {
      QWidget* field = dialog.focusWidget();
      ASSERT_NE(field, nullptr);
      if (!c.typed.isEmpty()) QTest::keyClicks(field, c.typed);
      QTest::keyClick(field, c.key);
    };
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QtUi ui;
    {
      ModalDriver driver(play(c));
      EXPECT_EQ(ui.AskWithHistory("Find", "Text to find:", "abc", {"abc", "xyz"}), c.expected);
    }
    {
      ModalDriver driver(play(c));
      EXPECT_EQ(ui.AskText("Go to", "Line:", "abc"), c.expected);
    }
  }
}

// Closing the box with the window's own button is Cancel, even where there is no Cancel button; a button
// pressed is its own answer.
TEST(QtUiTest, ClosingAMessageBoxAnswersCancelWhateverTheButtons) {
  for (MsgButtons buttons :
       {MsgButtons::kOk, MsgButtons::kOkCancel, MsgButtons::kYesNo, MsgButtons::kYesNoCancel}) {
    QtUi ui;
    ModalDriver driver([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(ui.ShowMessage("Confirm", "Save changes?", MsgType::kConfirmation, buttons),
              MsgResult::kCancel);
  }
  QtUi ui;
  ModalDriver driver([](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); });
  EXPECT_EQ(ui.ShowMessage("Confirm", "Save changes?", MsgType::kConfirmation, MsgButtons::kYesNo),
            MsgResult::kYes);
}

TEST(QtUiTest, OpenDialogOffersTheFiltersAndReportsTheOneChosen) {
  test::TestEnv env;
  const QString page = env.WriteFile("page.htm", "<p>");
  FileDialogRequest request;
  request.caption = "Open";
  request.folder = env.WorkFolder();
  request.filters = {"HTML files (*.htm)(*html)|*.htm; *.html", "All files|*.*"};
  request.filterIndex = 2;
  QStringList offered;
  QString chosenOnEntry;
  ModalDriver driver([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    offered = files.nameFilters();
    chosenOnEntry = files.selectedNameFilter();
    files.selectNameFilter(offered.value(0));
    files.selectFile(page);
    // Accepted directly: the dialog's own accept() waits for its directory model, which fills in the
    // background and made this test depend on timing.
    static_cast<QDialog&>(files).done(QDialog::Accepted);
  });

  const FileDialogResult result = QtUi().AskOpenFiles(request, true);

  EXPECT_EQ(offered, QStringList({"HTML files (*.htm)(*html) (*.htm *.html)", "All files (*)"}));
  EXPECT_EQ(chosenOnEntry, "All files (*)");
  EXPECT_EQ(result.fileNames, QStringList({page}));
  EXPECT_EQ(result.filterIndex, 1);
}

}  // namespace
}  // namespace penwick
