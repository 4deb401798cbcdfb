#include "platform/recovery_file.h"

#include <QCryptographicHash>

namespace penwick {

namespace {

constexpr char kMagic[] = "PENWICK RECOVERY 1\n";
// A header is a few lines; anything longer is not one of ours.
constexpr qsizetype kMaxHeader = 64 * 1024;

QByteArray Digest(QByteArrayView body) {
  return QCryptographicHash::hash(body, QCryptographicHash::Md5).toHex();
}

}  // namespace

QByteArray EncodeRecoveryFile(const QMap<QByteArray, QByteArray>& fields, QByteArrayView body) {
  QByteArray header = kMagic;
  for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
    header += it.key() + '=' + it.value().toPercentEncoding() + '\n';
  }
  header += "length=" + QByteArray::number(body.size()) + '\n';
  header += "md5=" + Digest(body) + "\n\n";
  QByteArray out;
  out.reserve(header.size() + body.size());
  out += header;
  out.append(body.data(), body.size());
  return out;
}

std::optional<RecoveryFile> DecodeRecoveryFile(const QByteArray& bytes) {
  if (!bytes.startsWith(kMagic)) return std::nullopt;
  constexpr qsizetype kMagicSize = sizeof kMagic - 1;
  const qsizetype end = bytes.indexOf("\n\n", kMagicSize - 1);
  if (end < kMagicSize || end > kMaxHeader) return std::nullopt;
  RecoveryFile file;
  QByteArray length;
  QByteArray md5;
  const QList<QByteArray> lines = bytes.mid(kMagicSize, end - kMagicSize).split('\n');
  for (const QByteArray& line : lines) {
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0) return std::nullopt;
    const QByteArray name = line.left(eq);
    const QByteArray value = QByteArray::fromPercentEncoding(line.mid(eq + 1));
    if (name == "length") {
      length = value;
    } else if (name == "md5") {
      md5 = value;
    } else {
      file.fields.insert(name, value);
    }
  }
  bool ok = false;
  const qsizetype size = length.toLongLong(&ok);
  const qsizetype bodyStart = end + 2;
  if (!ok || size < 0 || bytes.size() - bodyStart != size) return std::nullopt;
  const QByteArrayView body(bytes.constData() + bodyStart, size);
  if (md5 != Digest(body)) return std::nullopt;
  file.body = bytes.mid(bodyStart);
  return file;
}

}  // namespace penwick
