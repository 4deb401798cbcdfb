#include "editor/recovery_copy.h"

#include <QFile>
#include <array>
#include <utility>

#include "platform/recovery_file.h"

namespace penwick {

namespace {

constexpr std::array<std::pair<TextEncoding, const char*>, 3> kEncodings = {{
    {TextEncoding::kCp1252, "cp1252"},
    {TextEncoding::kUtf8, "utf8"},
    {TextEncoding::kUtf8Bom, "utf8bom"},
}};
constexpr std::array<std::pair<LineEnd, const char*>, 3> kLineEnds = {{
    {LineEnd::kCrLf, "crlf"},
    {LineEnd::kLf, "lf"},
    {LineEnd::kCr, "cr"},
}};

template <class E, size_t N>
QByteArray NameOf(const std::array<std::pair<E, const char*>, N>& table, E value) {
  for (const auto& [each, name] : table) {
    if (each == value) return name;
  }
  return {};
}

template <class E, size_t N>
std::optional<E> ValueOf(const std::array<std::pair<E, const char*>, N>& table, const QByteArray& name) {
  for (const auto& [each, eachName] : table) {
    if (name == eachName) return each;
  }
  return std::nullopt;
}

std::optional<qint64> Number(const QMap<QByteArray, QByteArray>& fields, const char* name) {
  bool ok = false;
  const qint64 value = fields.value(name).toLongLong(&ok);
  return ok ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

QByteArray EncodeDocumentCopy(const DocumentCopy& copy) {
  QMap<QByteArray, QByteArray> fields;
  fields["kind"] = "document";
  // File names are bytes to the system; kept as such, any name comes back.
  fields["name"] = QFile::encodeName(copy.fileName);
  fields["encoding"] = NameOf(kEncodings, copy.format.encoding);
  fields["lineend"] = NameOf(kLineEnds, copy.format.lineEnd);
  fields["mixed"] = copy.format.mixedLineEnds ? "1" : "0";
  fields["window"] = QByteArray::number(copy.windowNumber);
  fields["caret"] = QByteArray::number(copy.caret);
  fields["saved"] = QByteArray::number(copy.savedAt);
  if (copy.diskStamp && copy.diskStamp->exists) {
    fields["disksize"] = QByteArray::number(copy.diskStamp->size);
    fields["diskmodified"] = QByteArray::number(copy.diskStamp->modified.toMSecsSinceEpoch());
  }
  return EncodeRecoveryFile(fields, copy.utf8);
}

std::optional<DocumentCopy> DecodeDocumentCopy(const QByteArray& bytes) {
  std::optional<RecoveryFile> file = DecodeRecoveryFile(bytes);
  if (!file || file->fields.value("kind") != "document") return std::nullopt;
  const QMap<QByteArray, QByteArray>& f = file->fields;
  const std::optional<TextEncoding> encoding = ValueOf(kEncodings, f.value("encoding"));
  const std::optional<LineEnd> lineEnd = ValueOf(kLineEnds, f.value("lineend"));
  const std::optional<qint64> window = Number(f, "window");
  const std::optional<qint64> caret = Number(f, "caret");
  if (!encoding || !lineEnd || !window || !caret || f.value("name").isEmpty()) return std::nullopt;
  DocumentCopy copy;
  copy.fileName = QFile::decodeName(f.value("name"));
  copy.format = {*encoding, *lineEnd, f.value("mixed") == "1"};
  copy.windowNumber = static_cast<int>(*window);
  copy.caret = static_cast<int>(*caret);
  copy.savedAt = Number(f, "saved").value_or(0);
  const std::optional<qint64> size = Number(f, "disksize");
  const std::optional<qint64> modified = Number(f, "diskmodified");
  if (size && modified) copy.diskStamp = FileStamp{true, *size, QDateTime::fromMSecsSinceEpoch(*modified)};
  copy.utf8 = std::move(file->body);
  return copy;
}

}  // namespace penwick
