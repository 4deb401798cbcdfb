#include "collections/sets_file.h"

#include <vector>

#include "platform/file_io.h"
#include "platform/profile.h"

namespace penwick {

namespace {

QString Key(const QString& prefix, std::size_t index) { return prefix + QString::number(index + 1); }

// The file's sets, or why they cannot be read. A missing file is an empty one.
bool ReadSets(const QString& path, Profile* sets, QString* error) {
  if (KindOfPath(path) == PathKind::kMissing) return true;
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes, error, Profile::kMaxFileBytes)) return false;
  *sets = Profile::Parse(bytes);
  return true;
}

}  // namespace

QString SetName(const QString& typed) {
  const QString name = typed.trimmed();
  return name.isEmpty() ? QStringLiteral("No Name") : name;
}

bool ExportSet(const QString& path, const QString& name, const QString& keyPrefix,
               std::span<const QString> values, QString* error) {
  Profile sets;
  QString reason;
  if (!ReadSets(path, &sets, &reason)) {
    *error = WriteFailure(path, reason);
    return false;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    sets.WriteString(name, Key(keyPrefix, i), ProfileFileValue(values[i]));
  }
  return sets.Save(path, error);
}

ImportOutcome ImportSet(const QString& path, const QString& name, const QString& keyPrefix,
                        std::span<QString> values, QString* error) {
  if (KindOfPath(path) == PathKind::kMissing) return ImportOutcome::kNoFile;
  Profile sets;
  if (!ReadSets(path, &sets, error)) return ImportOutcome::kUnreadable;
  const QString folded = name.toCaseFolded();
  bool found = false;
  for (const QString& section : sets.Sections()) found = found || section.toCaseFolded() == folded;
  if (!found) return ImportOutcome::kNoSet;
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = sets.ReadString(name, Key(keyPrefix, i), {});
  return ImportOutcome::kImported;
}

}  // namespace penwick
