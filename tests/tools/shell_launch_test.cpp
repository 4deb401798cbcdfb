#include "tools/shell_launch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tests/support/recording_programs.h"
#include "tests/support/test_env.h"

namespace penwick {
namespace {

using test::RecordingPrograms;

TEST(SplitParametersTest, BlanksSeparateAndQuotesGroup) {
  const struct {
    const char* line;
    QStringList arguments;
  } kCases[] = {
      {"", {}},
      {"   ", {}},
      {"a.htm", {"a.htm"}},
      {"  -x   a.htm ", {"-x", "a.htm"}},
      {"\"/my files/a b.htm\" -x", {"/my files/a b.htm", "-x"}},
      {"x.html;rm -rf ~", {"x.html;rm", "-rf", "~"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"a \"\" b", {"a", "", "b"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(SplitParameters(QString::fromUtf8(c.line)), c.arguments) << c.line;
}

TEST(SplitParametersTest, AQuotedArgumentReadsBackWhole) {
  for (const char* argument : {"", "a", "My Page;rm -rf ~.html", "say \"hi\"", "\"", "\"\"x\" y", "a&b|c"}) {
    EXPECT_EQ(SplitParameters(QuoteParameter(QString::fromUtf8(argument))), QStringList{argument})
        << argument;
  }
}

TEST(FolderOfTest, FolderWithoutItsFinalSeparator) {
  EXPECT_EQ(FolderOf(QStringLiteral("/usr/bin/firefox")), QStringLiteral("/usr/bin"));
  EXPECT_EQ(FolderOf(QStringLiteral("C:\\Tools\\ed.exe")), QStringLiteral("C:\\Tools"));
  EXPECT_EQ(FolderOf(QStringLiteral("firefox")), QString());
  EXPECT_EQ(FolderOf(QStringLiteral("/firefox")), QStringLiteral("/"));
}

class ShellLaunchTest : public ::testing::Test {
 protected:
  test::TestEnv env_;
  RecordingPrograms programs_{{QStringLiteral("browser"), QStringLiteral("xdg-open")}};
};

TEST_F(ShellLaunchTest, ProgramGetsEachParameterAsOneArgumentWithoutAShell) {
  const QString page = env_.WriteFile(QStringLiteral("x.html;rm -rf ~"), "<p>");
  const QString line = QLatin1Char('"') + page + QStringLiteral("\" http://a.example/?q=1&r=2 $HOME `id`");
  ASSERT_EQ(ShellLaunch(QStringLiteral("browser"), line, env_.WorkFolder()), kLaunchStarted);
  const auto launch = programs_.WaitFor(QStringLiteral("browser"));
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList({page, QStringLiteral("http://a.example/?q=1&r=2"),
                                            QStringLiteral("$HOME"), QStringLiteral("`id`")}));
  EXPECT_EQ(QDir(launch->directory).canonicalPath(), QDir(env_.WorkFolder()).canonicalPath());
  EXPECT_TRUE(QFile::exists(page));
}

TEST_F(ShellLaunchTest, ProgramByFullPathAndNoDirectory) {
  ASSERT_EQ(ShellLaunch(programs_.PathOf(QStringLiteral("browser")), QString(), QString()), kLaunchStarted);
  const auto launch = programs_.WaitFor(QStringLiteral("browser"));
  ASSERT_TRUE(launch);
  EXPECT_TRUE(launch->arguments.isEmpty());
}

TEST_F(ShellLaunchTest, DocumentsAndAddressesGoToTheDesktopOpenerWhole) {
  const QString page = env_.WriteFile(QStringLiteral("My Page & more.htm"), "<p>");
  const QString kTargets[] = {page, QStringLiteral("https://a.example/x?a=1&b=2"),
                              QStringLiteral("www.a.example")};
  for (const QString& target : kTargets) {
    ASSERT_EQ(ShellLaunch(target, QStringLiteral("ignored"), QString()), kLaunchStarted)
        << target.toStdString();
    const auto launch = programs_.WaitFor(QStringLiteral("xdg-open"));
    ASSERT_TRUE(launch) << target.toStdString();
    EXPECT_EQ(launch->arguments, QStringList{target});
  }
}

TEST_F(ShellLaunchTest, NothingToStartIsAFailureCode) {
  EXPECT_EQ(ShellLaunch(QString(), QString(), QString()), kLaunchFileNotFound);
  EXPECT_EQ(ShellLaunch(QStringLiteral("  "), QString(), QString()), kLaunchFileNotFound);
  EXPECT_EQ(ShellLaunch(QStringLiteral("no-such-program-here"), QString(), QString()), kLaunchFileNotFound);
  EXPECT_EQ(ShellLaunch(QStringLiteral("/no/such/browser"), QString(), QString()), kLaunchFileNotFound);
  EXPECT_EQ(ShellLaunch(QStringLiteral("browser"), QString(), QStringLiteral("/no/such/folder")),
            kLaunchPathNotFound);
  EXPECT_LT(kLaunchPathNotFound, 32);
  EXPECT_TRUE(programs_.NeverRan(QStringLiteral("browser")));
  EXPECT_TRUE(programs_.NeverRan(QStringLiteral("xdg-open")));
}

}  // namespace
}  // namespace penwick
