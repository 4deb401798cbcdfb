// The word counter: its counting rule over real files, and its dialog on the Tools menu.

#include "collections/word_counter.h"

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string_view>

#include "app/frame_menus.h"
#include "collections/word_count_dialog.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

TEST(WordCounterTest, CountsBytesLinesAndWordsByTheRule) {
  using namespace std::literals;
  TestEnv env;
  // clang-format off
  const struct { std::string_view text; bool skipTags; int64_t bytes, lines, words; } cases[] = {
      {""sv, false, 0, 0, 0},
      {"one two\r\nthree"sv, false, 14, 1, 3},
      {"<p>Hello</p>"sv, true, 5, 0, 1},
      {"<p>Hello</p>"sv, false, 12, 0, 3},                 // p, Hello, /p
      {"one<br>two"sv, true, 6, 0, 1},                     // onetwo
      {"x > y"sv, true, 4, 0, 2},                          // a stray > is left out too
      {"co-\r\noperate"sv, false, 12, 1, 1},               // a hyphen at the line end welds
      {"end-\r"sv, false, 5, 1, 0},                        // ... even with nothing after it
      {"well-known a.b a....b"sv, false, 21, 0, 4},        // well, known, a.b, a....b
      {"a...b a.b.c.d x--y"sv, false, 18, 0, 6},
      {"a\x93" "b\x94 c\x85" "d\x96" "e\x97" "f"sv, false, 12, 0, 6},  // curly quotes, ellipsis, dashes
      {"caf\xe9 na\xefve \xa9"sv, false, 12, 0, 3},        // 161 to 255 belong to words
      {"one\0two"sv, false, 3, 0, 1},                      // the count stops at a NUL
      {"a\nb\n"sv, false, 4, 2, 2},                        // a line feed alone ends a line
      {"a\r\nb\r\n"sv, false, 6, 2, 2},                    // ... and after a carriage return it does not again
      {"co-\noperate"sv, false, 11, 1, 1},
      // UTF-8: characters take the class of their code-page twins; letters outside it are word characters.
      {"\xe2\x80\x9cHi\xe2\x80\x9d \xe2\x80\x94 there\xe2\x80\xa6"sv, false, 21, 0, 2},
      {"\xd0\x9f\xd1\x80\xd0\xb8 \xd0\xbc\xd0\xb8\xd1\x80"sv, false, 13, 0, 2},
  };
  // clang-format on
  int n = 0;
  for (const auto& c : cases) {
    const QByteArray bytes(c.text.data(), static_cast<qsizetype>(c.text.size()));
    const QString path = env.WriteFile(QStringLiteral("c%1.txt").arg(n++), bytes);
    WordCount count;
    QString error;
    ASSERT_TRUE(CountWordsInFile(path, c.skipTags, &count, &error)) << c.text.data();
    EXPECT_EQ(count.bytes, c.bytes) << c.text.data();
    EXPECT_EQ(count.lines, c.lines) << c.text.data();
    EXPECT_EQ(count.words, c.words) << c.text.data();
  }
}

TEST(WordCounterTest, OnlyRegularFilesAreReadAndInChunks) {
  TestEnv env;
  const QString fifo = env.WorkFolder() + QStringLiteral("/pipe");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  WordCount count;
  QString error;
  EXPECT_FALSE(CountWordsInFile(fifo, false, &count, &error));  // returns at once: never opened
  EXPECT_EQ(error, fifo + QStringLiteral(" is not a regular file"));
  EXPECT_FALSE(CountWordsInFile(env.WorkFolder(), false, &count, &error));
  // A UTF-8 character cut by the reading chunk's edge is still one character.
  QByteArray big(1 << 20, 'a');
  big[(1 << 20) - 1] = ' ';
  big +=
      "\xe2\x80\x94"
      "b \xd0\x96";
  big.insert((1 << 20) - 1, "\xe2\x80\x94");
  const QString path = env.WriteFile(QStringLiteral("big.txt"), big);
  ASSERT_TRUE(CountWordsInFile(path, false, &count, &error));
  EXPECT_EQ(count.words, 3);
  EXPECT_EQ(count.bytes, big.size());
}

TEST(WordCounterTest, ABadByteLateInAUtf8LookingFileMakesItCodePageText) {
  TestEnv env;
  // Counted as UTF-8, "\u2014x" a million times is a million words; a byte that is not UTF-8 after the
  // first reading chunk means code-page text, where 0xE2 is a letter: "\xe2", then "x\xe2"..., then "x\xff".
  const int n = 1'000'000;
  QByteArray text;
  for (int i = 0; i < n; ++i) text += "\xe2\x80\x94x";
  const QString utf8 = env.WriteFile(QStringLiteral("utf8.txt"), text);
  const QString codePage = env.WriteFile(QStringLiteral("cp.txt"), text + "\xff");
  WordCount count;
  QString error;
  ASSERT_TRUE(CountWordsInFile(utf8, false, &count, &error));
  EXPECT_EQ(count.words, n);
  ASSERT_TRUE(CountWordsInFile(codePage, false, &count, &error));
  EXPECT_EQ(count.words, n + 1);
  EXPECT_EQ(count.bytes, 4 * n + 1);
}

class WordCounterDialogTest : public StartedFrameTest {};

TEST_F(WordCounterDialogTest, CountsTheActiveFileAndKeepsThePathItClosesWith) {
  const QString path = env_.WriteFile(QStringLiteral("page.txt"), "<b>one</b> two\r\n");
  Open(path);
  QString report;
  ui_.AnswerMessage(MsgResult::kOk);  // Help
  ui_.AnswerModal([&](QDialog& dialog) {
    auto& form = static_cast<Tcountf&>(dialog);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Word Counter"));
    EXPECT_EQ(form.Edit1()->text(), path);
    form.CheckBox1()->setChecked(true);
    form.Button1()->click();
    report = form.Memo1()->toPlainText();
    form.findChild<QPushButton*>(QStringLiteral("CopyBtn"))->click();
    form.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    form.Edit1()->setText(QStringLiteral("/elsewhere/next.txt"));
    return QDialog::Accepted;
  });
  frame_->Menus().Find(QStringLiteral("WordCounter1"))->trigger();
  const QStringList lines = report.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 9) << report.toStdString();
  EXPECT_EQ(lines.mid(1), (QStringList{"File: " + path, "", "Words counted (skipping tag content): 2", "",
                                       "Lines counted: 1", "", "Bytes counted: 9", ""}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), report);
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Word Counter"));
  EXPECT_EQ(frame_->AppSettings().wordCounter, QStringLiteral("/elsewhere/next.txt"));

  // An unnamed window leaves the path used last; a missing file only says so.
  NewWindow();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerModal([&](QDialog& dialog) {
    auto& form = static_cast<Tcountf&>(dialog);
    EXPECT_EQ(form.Edit1()->text(), QStringLiteral("/elsewhere/next.txt"));
    form.Button1()->click();
    EXPECT_TRUE(form.Memo1()->toPlainText().isEmpty());
    return QDialog::Accepted;
  });
  frame_->Menus().Find(QStringLiteral("WordCounter1"))->trigger();
  ExpectBox(ui_, QStringLiteral("Failure to load"), QStringLiteral("File doesn't exist!"),
            MsgType::kInformation);
  EXPECT_TRUE(ui_.AllAnswered());
}

}  // namespace
}  // namespace penwick::test
