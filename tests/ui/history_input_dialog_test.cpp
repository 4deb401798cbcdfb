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

// The widgets both input boxes have.
struct Parts {
  QDialog* dialog;
  QLabel* prompt;
  QWidget* field;
  QPushButton* ok;
  QPushButton* cancel;
};

TEST(InputBoxTest, LaidOutInDialogUnits) {
  HistoryInputDialog history("Find", "Text to find:", "abc", {"abc", "def"});
  TextInputDialog text("Go to", "Line number:", "12");
  const Parts cases[] = {
      {&history, history.Prompt(), history.Field(), history.OkButton(), history.CancelButton()},
      {&text, text.Prompt(), text.Field(), text.OkButton(), text.CancelButton()},
  };
  for (const Parts& parts : cases) {
    SCOPED_TRACE(parts.dialog->windowTitle().toStdString());
    const QFontMetrics metrics(parts.dialog->font());
    const double u = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    const double h = metrics.height();
    const auto units = [&](const QRect& r) {
      return QRect(qRound(r.x() * 4 / u), qRound(r.y() * 8 / h), qRound(r.width() * 4 / u),
                   qRound(r.height() * 8 / h));
    };

    EXPECT_EQ(units(QRect(QPoint(), parts.dialog->size())).size(), QSize(180, 63));
    EXPECT_EQ(parts.dialog->minimumSize(), parts.dialog->maximumSize());
    EXPECT_EQ(units(parts.prompt->geometry()).topLeft(), QPoint(8, 8));
    EXPECT_EQ(parts.prompt->size(), parts.prompt->sizeHint());
    const QRect field = units(parts.field->geometry());
    EXPECT_EQ(QRect(field.x(), field.y(), field.width(), 1), QRect(8, 19, 164, 1));
    EXPECT_EQ(units(parts.ok->geometry()), QRect(38, 41, 50, 14));
    EXPECT_EQ(units(parts.cancel->geometry()), QRect(92, 41, 50, 14));
    EXPECT_EQ(parts.ok->text(), "OK");
    EXPECT_EQ(parts.cancel->text(), "Cancel");
    EXPECT_TRUE(parts.ok->isDefault());
  }
  EXPECT_TRUE(history.Field()->isEditable());
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
