#include <gtest/gtest.h>

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

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

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

TEST(RecoveryRunsTest, OnlyRunsOfDeadProcessesAreTakenAndOnlyOnce) {
  QTemporaryDir home;
  RecoveryRun first;
  RecoveryRun second;
  ASSERT_TRUE(first.Begin(home.path(), nullptr));
  ASSERT_TRUE(second.Begin(home.path(), nullptr));
  // A run that died, with a copy in it.
  const QString dead = QDir(RecoveryFolder(home.path())).filePath("run-1-dead");
  WriteFile(dead + "/lock", DeadMark());
  WriteFile(dead + "/doc-1.pwr", "copy");

  // Two live runs never take each other's folders; the dead one goes to the first that asks.
  const QStringList taken = first.AdoptAbandoned();
  ASSERT_EQ(taken.size(), 1);
  EXPECT_TRUE(taken[0].startsWith(first.Folder()));
  EXPECT_TRUE(QFile::exists(taken[0] + "/doc-1.pwr"));
  EXPECT_TRUE(second.AdoptAbandoned().isEmpty());
  EXPECT_TRUE(QDir(second.Folder()).exists());

  // Ending normally puts what was kept back for the next start, and removes the run and its lock.
  const QString firstFolder = first.Folder();
  first.End();
  EXPECT_FALSE(QDir(firstFolder).exists());
  EXPECT_TRUE(QFile::exists(dead + "/doc-1.pwr"));
  const QStringList again = second.AdoptAbandoned();
  ASSERT_EQ(again.size(), 1);
  RecoveryRun::Discard(again);
  EXPECT_FALSE(QDir(again[0]).exists());
  second.End();
  EXPECT_TRUE(QDir(RecoveryFolder(home.path())).isEmpty());
}

}  // namespace
}  // namespace penwick
