#include "platform/profile.h"

#include <limits>
#include <utility>

#include "platform/codepage.h"
#include "platform/file_io.h"

namespace penwick {
namespace {

// Only ASCII blanks count: a no-break space at the edge of a value is part of it.
bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

QStringView TrimBlanks(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.sliced(begin, end - begin);
}

QString Fold(QStringView name) { return name.toString().toCaseFolded(); }

QString DecodeProfileText(const QByteArray& bytes) {
  QByteArrayView view(bytes);
  if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
  if (IsValidUtf8(view.data(), view.size())) return QString::fromUtf8(view);
  return DecodeCp1252(view.size() == bytes.size() ? bytes : view.toByteArray());
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int HexValue(QChar c) {
  if (IsDigit(c)) return c.unicode() - u'0';
  if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  return -1;
}

// Decimal digits (the sign already taken off) that fit an int.
std::optional<int> ParseDecimal(QStringView digits, bool negative) {
  if (digits.isEmpty()) return std::nullopt;
  qint64 value = 0;
  for (QChar c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

// Decimal that fits an int, or hexadecimal up to 32 bits (0xFFFFFFFF is -1, as colours are often written).
std::optional<int> ParseProfileInteger(QStringView text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) {
    negative = text[0] == u'-';
    text = text.sliced(1);
  }
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    quint64 value = 0;
    for (QChar c : text.sliced(2)) {
      const int digit = HexValue(c);
      if (digit < 0) return std::nullopt;
      value = value * 16 + digit;
      if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    const quint32 bits = negative ? 0u - static_cast<quint32>(value) : static_cast<quint32>(value);
    return static_cast<int>(bits);
  }
  return ParseDecimal(text, negative);
}

}  // namespace

Profile Profile::Read(const QString& path) {
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes, nullptr, kMaxFileBytes)) return Profile();
  return Parse(bytes);
}

Profile Profile::Parse(const QByteArray& bytes) {
  const QString text = DecodeProfileText(bytes);
  const QChar* chars = text.constData();
  const qsizetype size = text.size();
  Profile profile;
  Section* current = nullptr;
  qsizetype pos = 0;
  while (pos < size) {
    qsizetype end = pos;
    while (end < size && chars[end] != u'\r' && chars[end] != u'\n') ++end;
    const QStringView line = TrimBlanks(QStringView(chars + pos, end - pos));
    pos = (end + 1 < size && chars[end] == u'\r' && chars[end + 1] == u'\n') ? end + 2 : end + 1;

    if (line.isEmpty() || line[0] == u';') continue;
    if (line[0] == u'[') {
      const qsizetype close = line.lastIndexOf(u']');
      if (close < 0) continue;
      const QString name = TrimBlanks(line.sliced(1, close - 1)).toString();
      current = profile.FindSection(name);
      if (!current) current = &profile.AddSection(name);
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || !current) continue;
    const QStringView key = TrimBlanks(line.first(equals));
    if (key.isEmpty()) continue;
    // The first of duplicate keys wins, as later ones are never found by a lookup.
    QString folded = Fold(key);
    if (current->index.contains(folded)) continue;
    current->index.insert(std::move(folded), current->entries.size());
    current->entries.push_back({key.toString(), TrimBlanks(line.sliced(equals + 1)).toString()});
  }
  return profile;
}

const Profile::Section* Profile::FindSection(const QString& name) const {
  const auto it = sectionIndex_.constFind(Fold(name));
  return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

Profile::Section* Profile::FindSection(const QString& name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

Profile::Section& Profile::AddSection(const QString& name) {
  sectionIndex_.insert(Fold(name), sections_.size());
  sections_.push_back({name, {}, {}});
  return sections_.back();
}

const Profile::Entry* Profile::FindEntry(const Section& section, const QString& key) {
  const auto it = section.index.constFind(Fold(key));
  return it == section.index.cend() ? nullptr : &section.entries[*it];
}

QString Profile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const Section* found = FindSection(section);
  const Entry* entry = found ? FindEntry(*found, key) : nullptr;
  if (!entry) return def;
  // Trimmed here too so a value just written reads as it will after the file is saved and read again.
  QStringView value = TrimBlanks(entry->value);
  if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0]) {
    value = value.sliced(1, value.size() - 2);
  }
  if (value.size() > kMaxValueLength) {
    qsizetype cut = kMaxValueLength;
    if (value[cut - 1].isHighSurrogate()) --cut;  // never leave half a character
    value = value.first(cut);
  }
  return value.toString();
}

int Profile::ReadInteger(const QString& section, const QString& key, int def) const {
  const Section* found = FindSection(section);
  if (!found || !FindEntry(*found, key)) return def;
  return ParseProfileInteger(ReadString(section, key, QString())).value_or(def);
}

bool Profile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool Profile::HasKey(const QString& section, const QString& key) const {
  const Section* found = FindSection(section);
  return found && FindEntry(*found, key);
}

void Profile::WriteString(const QString& section, const QString& key, const QString& value) {
  Section* found = FindSection(section);
  if (!found) found = &AddSection(section);
  QString folded = Fold(key);
  const auto it = found->index.constFind(folded);
  if (it != found->index.cend()) {
    found->entries[*it].value = value;
    return;
  }
  found->index.insert(std::move(folded), found->entries.size());
  found->entries.push_back({key, value});
}

void Profile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void Profile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList Profile::Sections() const {
  QStringList names;
  names.reserve(sections_.size());
  for (const Section& section : sections_) names.append(section.name);
  return names;
}

QStringList Profile::Keys(const QString& section) const {
  QStringList keys;
  if (const Section* found = FindSection(section)) {
    keys.reserve(found->entries.size());
    for (const Entry& entry : found->entries) keys.append(entry.key);
  }
  return keys;
}

QByteArray Profile::Serialize() const {
  QByteArray bytes;
  for (const Section& section : sections_) {
    if (!bytes.isEmpty()) bytes += "\r\n";
    bytes += '[' + section.name.toUtf8() + "]\r\n";
    for (const Entry& entry : section.entries) {
      bytes += entry.key.toUtf8() + '=' + entry.value.toUtf8() + "\r\n";
    }
  }
  return bytes;
}

bool Profile::Save(const QString& path, QString* error) const {
  return WriteWholeFileAtomic(path, Serialize(), error);
}

QString ProfileFileValue(QString value) {
  value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  value.replace(u'\r', u' ');
  value.replace(u'\n', u' ');
  const bool edgeBlank = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
  const bool quoted =
      value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
  if (edgeBlank || quoted) value = '"' + value + '"';
  return value;
}

std::optional<int> StrToInt(const QString& text) {
  QStringView digits = QStringView(text).trimmed();
  bool negative = false;
  if (!digits.isEmpty() && (digits[0] == u'+' || digits[0] == u'-')) {
    negative = digits[0] == u'-';
    digits = digits.sliced(1);
  }
  return ParseDecimal(digits, negative);
}

}  // namespace penwick
