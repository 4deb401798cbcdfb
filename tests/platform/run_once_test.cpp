#include "platform/run_once.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "tests/support/scoped_env.h"

namespace penwick {
namespace {

using test::ScopedEnv;

// Reads a desktop entry string value back: the escapes \s \n \t \r and \\.
QString UnescapeStringValue(const QString& value) {
  const QHash<QChar, QChar> escapes = {{u's', u' '}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}};
  QString text;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const bool escape = value[i] == u'\\' && i + 1 < value.size();
    text += escape ? escapes.value(value[i + 1], value[i + 1]) : value[i];
    i += escape;
  }
  return text;
}

// Splits an Exec value into arguments the way a launcher does; unexpected input fails the test.
QStringList SplitExec(const QString& value) {
  const QString command = UnescapeStringValue(value);
  QStringList arguments;
  QString current;
  bool inArgument = false;
  bool quoted = false;
  for (qsizetype i = 0; i < command.size(); ++i) {
    const QChar c = command[i];
    if (c == u'%') {
      if (i + 1 < command.size() && command[i + 1] == u'%') {
        current += u'%';
        inArgument = true;
        ++i;
      } else {
        ADD_FAILURE() << "field code in " << command.toStdString();
      }
    } else if (quoted && c == u'\\') {
      const QChar next = i + 1 < command.size() ? command[++i] : QChar();
      if (next != u'"' && next != u'`' && next != u'$' && next != u'\\') {
        ADD_FAILURE() << "bad escape in " << command.toStdString();
      }
      current += next;
    } else if (quoted && (c == u'`' || c == u'$')) {
      ADD_FAILURE() << "unescaped " << QString(c).toStdString() << " in " << command.toStdString();
      current += c;
    } else if (c == u'"') {
      quoted = !quoted;
      inArgument = true;
    } else if (!quoted && c == u' ') {
      if (inArgument) arguments.append(current);
      current.clear();
      inArgument = false;
    } else {
      if (!quoted && QStringView(u"\"`$\\'><~|&;*?#()").contains(c)) {
        ADD_FAILURE() << "reserved character outside quotes in " << command.toStdString();
      }
      current += c;
      inArgument = true;
    }
  }
  EXPECT_FALSE(quoted) << "unterminated quote in " << command.toStdString();
  if (inArgument) arguments.append(current);
  return arguments;
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each test works in its own configuration folder.
class RunOnceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_.isValid()); }
  QString Autostart() const { return config_.path() + "/autostart"; }

  QTemporaryDir config_;
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path().toLocal8Bit()};
  ScopedEnv runOnce_{"PENWICK_RUN_ONCE", std::nullopt};
};

TEST_F(RunOnceTest, AutostartFolderFollowsXdgConfigHome) {
  const QString fallback = QDir::homePath() + "/.config/autostart";
  const struct {
    std::optional<QByteArray> configHome;
    QString expected;
  } cases[] = {
      {std::nullopt, fallback},
      {QByteArray(), fallback},
      {QByteArray("relative/config"), fallback},
      {QByteArray("/tmp/cfg"), "/tmp/cfg/autostart"},
      {QByteArray("/tmp/cfg/"), "/tmp/cfg/autostart"},
  };
  for (const auto& c : cases) {
    const ScopedEnv env("XDG_CONFIG_HOME", c.configHome);
    EXPECT_EQ(AutostartFolder(), c.expected) << c.configHome.value_or("<unset>").toStdString();
  }
}

TEST_F(RunOnceTest, EntryStartsTheProgramWithItsArgument) {
  const struct {
    QString name;
    QString program;
    QString argument;
  } cases[] = {
      {"Penwick setup", "/opt/pen wick/penwick", "/tmp/setup file.txt"},
      {"Say \"hi\" for $5 at 100%", "/usr/bin/prog", "it's `quoted` \\ and %u, $HOME"},
      {"back\\slash", "C:\\odd\\path", ""},
      {QStringLiteral("Ünïcode \u4E2D"), "/bin/true", QStringLiteral("\u20AC%%")},
      {" leading blank", "/bin/true", "line\nbreak\ttab"},
  };
  for (const auto& c : cases) {
    QString error;
    ASSERT_TRUE(RegisterRunOnce(c.name, c.program, c.argument, &error)) << error.toStdString();
    const QString path = Autostart() + "/" + c.name + ".desktop";
    const QStringList lines = ReadText(path).split(u'\n');
    ASSERT_EQ(lines.size(), 7) << path.toStdString();  // six lines and the final line break
    EXPECT_EQ(lines[0], "[Desktop Entry]");
    EXPECT_EQ(lines[1], "Type=Application");
    ASSERT_TRUE(lines[2].startsWith("Name="));
    EXPECT_EQ(UnescapeStringValue(lines[2].mid(5)), c.name);
    ASSERT_TRUE(lines[3].startsWith("Exec="));
    QStringList expected = {"env", "PENWICK_RUN_ONCE=" + path, c.program};
    if (!c.argument.isEmpty()) expected.append(c.argument);
    EXPECT_EQ(SplitExec(lines[3].mid(5)), expected) << lines[3].toStdString();
    EXPECT_EQ(lines[4], "X-GNOME-Autostart-enabled=true");
    EXPECT_EQ(lines[5], "NoDisplay=true");
  }
}

TEST_F(RunOnceTest, RegisteringAgainReplacesTheEntry) {
  QString error;
  ASSERT_TRUE(RegisterRunOnce("Setup", "/bin/first", "one", &error));
  ASSERT_TRUE(RegisterRunOnce("Setup", "/bin/second", "", &error));
  EXPECT_EQ(QDir(Autostart()).entryList(QDir::Files), QStringList({"Setup.desktop"}));
  const QString text = ReadText(Autostart() + "/Setup.desktop");
  EXPECT_TRUE(text.contains("\"/bin/second\"\n")) << text.toStdString();
  EXPECT_FALSE(text.contains("first")) << text.toStdString();
}

TEST_F(RunOnceTest, UnwritableEntriesAreReported) {
  QFile blocker(config_.path() + "/file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const struct {
    QByteArray configHome;
    QString name;
  } cases[] = {
      {(config_.path() + "/file").toLocal8Bit(), "Setup"},  // the folder cannot be created
      {config_.path().toLocal8Bit(), "../escape"},          // the name would leave the folder
      {config_.path().toLocal8Bit(), ""},
  };
  for (const auto& c : cases) {
    const ScopedEnv env("XDG_CONFIG_HOME", c.configHome);
    QString error;
    EXPECT_FALSE(RegisterRunOnce(c.name, "/bin/true", "", &error)) << c.name.toStdString();
    EXPECT_TRUE(error.startsWith("Unable to write to " + AutostartFolder() + "/" + c.name + ".desktop\n"))
        << error.toStdString();
  }
  EXPECT_FALSE(QFile::exists(config_.path() + "/escape.desktop"));
}

TEST_F(RunOnceTest, ConsumingRemovesOnlyEntriesInTheAutostartFolder) {
  ASSERT_TRUE(QDir().mkpath(Autostart()));
  const auto touch = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
  };
  const QString outside = config_.path() + "/outside.desktop";
  const QString notEntry = Autostart() + "/notes.txt";
  const QString relative = Autostart() + "/relative.desktop";
  ASSERT_TRUE(touch(outside) && touch(notEntry) && touch(relative));
  const struct {
    QString variable;
    QString kept;  // a file that must survive
  } cases[] = {
      {outside, outside},
      {Autostart() + "/../outside.desktop", outside},
      {notEntry, notEntry},
      {"relative.desktop", relative},  // resolved from the current folder it would name a real entry
      {Autostart() + "/missing.desktop", outside},
  };
  const QString savedCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Autostart()));
  for (const auto& c : cases) {
    qputenv("PENWICK_RUN_ONCE", c.variable.toLocal8Bit());
    EXPECT_FALSE(ConsumeRunOnce()) << c.variable.toStdString();
    EXPECT_TRUE(QFile::exists(c.kept)) << c.variable.toStdString();
    EXPECT_FALSE(qEnvironmentVariableIsSet("PENWICK_RUN_ONCE"));
  }
  QDir::setCurrent(savedCurrent);

  QString error;
  ASSERT_TRUE(RegisterRunOnce("Setup", "/bin/true", "", &error));
  const QString entry = Autostart() + "/Setup.desktop";
  qputenv("PENWICK_RUN_ONCE", entry.toLocal8Bit());
  EXPECT_TRUE(ConsumeRunOnce());
  EXPECT_FALSE(QFile::exists(entry));
  EXPECT_FALSE(qEnvironmentVariableIsSet("PENWICK_RUN_ONCE"));
  EXPECT_FALSE(ConsumeRunOnce());  // nothing set any more
  EXPECT_TRUE(QFile::exists(notEntry));
}

}  // namespace
}  // namespace penwick
