#pragma once
// The file a recovery copy is kept in: a short text header of named fields, the length and MD5 digest of the
// body, then the body. A file cut short, padded or damaged anywhere never decodes, so a copy that was being
// written when Penwick died can never give back wrong text.

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <optional>

namespace penwick {

struct RecoveryFile {
  // Field names are plain words; values may hold any bytes (they are percent-encoded in the file).
  QMap<QByteArray, QByteArray> fields;
  QByteArray body;
};

QByteArray EncodeRecoveryFile(const QMap<QByteArray, QByteArray>& fields, QByteArrayView body);
// Nothing when the bytes are not a whole, undamaged recovery file.
std::optional<RecoveryFile> DecodeRecoveryFile(const QByteArray& bytes);

}  // namespace penwick
