#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/recovery_file.h"
#include "platform/recovery_runs.h"
#include "tests/support/dead_process.h"

namespace penwick {
namespace {

using test::DeadMark;

TEST(RecoveryFileTest, OnlyAWholeUndamagedFileDecodes) {
  const QByteArray body("caf\xC3\xA9\r\nline two\n\n\0end", 21);
  const QByteArray good = EncodeRecoveryFile({{"name", "/a b/=%\n.txt"}, {"kind", "document"}}, body);
  const std::optional<RecoveryFile> decoded = DecodeRecoveryFile(good);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->body, body);
  EXPECT_EQ(decoded->fields.value("name"), "/a b/=%\n.txt");
  EXPECT_EQ(decoded->fields.value("kind"), "document");

  // What a write cut short, a damaged disk or a stray file leave.
  QByteArray flippedBody = good;
  flippedBody[flippedBody.size() - 3] ^= 1;
  QByteArray flippedHeader = good;
  flippedHeader[good.indexOf("length=") + 7] = '9';
  const struct {
    const char* what;
    QByteArray bytes;
  } kDamaged[] = {
      {"empty", {}},
      {"cut in the header", good.left(30)},
      {"cut in the body", good.left(good.size() - 1)},
      {"longer than written", good + 'x'},
      {"a body byte changed", flippedBody},
      {"the length changed", flippedHeader},
      {"not a recovery file", "PENWICK RECOVERY 2\nlength=0\nmd5=x\n\n"},
  };
  for (const auto& damaged : kDamaged) EXPECT_FALSE(DecodeRecoveryFile(damaged.bytes)) << damaged.what;
}

TEST(RecoveryRunsTest, AMarkIsLiveOnlyWhileItsOwnProcessRuns) {
  const QByteArray own = ProcessMark(QCoreApplication::applicationPid());
  EXPECT_TRUE(MarkIsLive(own));
  // The same id taken by a later process (after a reboot, say) is not the run that wrote the mark.
  const QByteArray reused = QByteArray(own).replace("start=", "start=9");
  for (const QByteArray& dead : {DeadMark(), reused, QByteArray(), QByteArray("garbage")}) {
    EXPECT_FALSE(MarkIsLive(dead)) << dead.constData();
  }
}

TEST(RecoveryRunsTest, ALockThatIsAPipeNeitherHangsTheStartNorCountsAsLive) {
  QTemporaryDir home;
  const QString run = home.filePath(QStringLiteral("recovery/run-1-x"));
  ASSERT_TRUE(QDir().mkpath(run));
  ASSERT_EQ(mkfifo(QFile::encodeName(run + QStringLiteral("/lock")).constData(), 0600), 0);
  RecoveryRun mine;
  ASSERT_TRUE(mine.Begin(home.path(), nullptr));
  EXPECT_EQ(mine.AdoptAbandoned().size(), 1);
  mine.End();
}

TEST(RecoveryRunsTest, AProcessThatEndedButIsNotYetReapedHoldsNoRun) {
  int gate[2];
  ASSERT_EQ(pipe(gate), 0);
  const pid_t child = fork();
  if (child == 0) {
    char byte;
    close(gate[1]);
    [[maybe_unused]] const auto got = read(gate[0], &byte, 1);  // runs until the test lets it end
    _exit(0);
  }
  close(gate[0]);
  const QByteArray mark = ProcessMark(child);
  EXPECT_TRUE(MarkIsLive(mark));
  close(gate[1]);
  // Ended, not reaped: a zombie keeps its process id and start time until its parent collects it.
  siginfo_t info{};
  ASSERT_EQ(waitid(P_PID, child, &info, WEXITED | WNOWAIT), 0);
  EXPECT_FALSE(MarkIsLive(mark));
  waitpid(child, nullptr, 0);
}

}  // namespace
}  // namespace penwick
