// Profile::Parse on arbitrary bytes, then every read on what was parsed. Besides crashes, hangs and leaks
// this checks what the settings code relies on:
// - section names and the keys of a section are unique without regard to case, and every listed key is found
//   again under its case-folded spelling with the same value;
// - a value read back is valid UTF-16 and no longer than kMaxValueLength;
// - ReadInteger agrees with a plain decimal or "0x" hexadecimal value and gives the default for anything
//   else, ReadBool agrees with ReadInteger;
// - Serialize then Parse gives the same sections, keys and values, and serializes to the same bytes;
// - writing an existing key under another spelling replaces its value and adds no key.

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "platform/profile.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using penwick::Profile;
using penwick::fuzz::ShortHex;

bool HasAsciiBlank(const QString& text) {
  for (const QChar c : text) {
    if (c == u' ' || c == u'\t' || c == u'\v' || c == u'\f') return true;
  }
  return false;
}

// What ReadInteger must give for a value without blanks: the number for decimal or "0x" hexadecimal that
// fits, def for anything else.
int ExpectedInteger(const QString& value, int def) {
  static const QRegularExpression kDecimal(QStringLiteral("\\A[+-]?[0-9]+\\z"));
  static const QRegularExpression kHex(QStringLiteral("\\A([+-]?)0[xX]([0-9a-fA-F]+)\\z"));
  if (kDecimal.match(value).hasMatch()) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok, 10);
    if (ok && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()) {
      return static_cast<int>(number);
    }
    // Either it does not fit a long long or it does not fit an int: both give def.
    return def;
  }
  if (const QRegularExpressionMatch hex = kHex.match(value); hex.hasMatch()) {
    bool ok = false;
    const qulonglong number = hex.captured(2).toULongLong(&ok, 16);
    if (!ok || number > 0xFFFFFFFFu) return def;
    const quint32 bits = static_cast<quint32>(number);
    return static_cast<int>(hex.captured(1) == u"-" ? 0u - bits : bits);
  }
  return def;
}

void CheckReads(const Profile& profile) {
  const QStringList sections = profile.Sections();
  QSet<QString> foldedSections;
  for (const QString& section : sections) {
    const QString foldedSection = section.toCaseFolded();
    FUZZ_CHECK(!foldedSections.contains(foldedSection), "section listed twice: " + ShortHex(section));
    foldedSections.insert(foldedSection);

    const QStringList keys = profile.Keys(section);
    FUZZ_CHECK(profile.Keys(foldedSection) == keys, "section " + ShortHex(section));
    QSet<QString> foldedKeys;
    for (const QString& key : keys) {
      const QString foldedKey = key.toCaseFolded();
      FUZZ_CHECK(!foldedKeys.contains(foldedKey), "key listed twice: " + ShortHex(key));
      foldedKeys.insert(foldedKey);
      FUZZ_CHECK(!key.isEmpty(), "empty key in section " + ShortHex(section));
      FUZZ_CHECK(profile.HasKey(section, key), "key " + ShortHex(key));
      FUZZ_CHECK(profile.HasKey(foldedSection, foldedKey), "key " + ShortHex(key));

      const QString value = profile.ReadString(section, key, QString());
      FUZZ_CHECK(profile.ReadString(foldedSection, foldedKey, QString()) == value, "key " + ShortHex(key));
      FUZZ_CHECK(value.size() <= Profile::kMaxValueLength, "value of " + QByteArray::number(value.size()));
      FUZZ_CHECK(value.isValidUtf16(), "value " + ShortHex(value));

      const int withSeven = profile.ReadInteger(section, key, 7);
      const int withMinusEight = profile.ReadInteger(section, key, -8);
      const QByteArray detail = "value " + ShortHex(value) + " read as " + QByteArray::number(withSeven) +
                                " / " + QByteArray::number(withMinusEight);
      if (HasAsciiBlank(value)) {
        // Blanks around the number are allowed, inside it they are not: only check consistency.
        FUZZ_CHECK(withSeven == withMinusEight || (withSeven == 7 && withMinusEight == -8), detail);
      } else {
        FUZZ_CHECK(withSeven == ExpectedInteger(value, 7), detail);
        FUZZ_CHECK(withMinusEight == ExpectedInteger(value, -8), detail);
      }
      FUZZ_CHECK(profile.ReadBool(section, key, false) == (profile.ReadInteger(section, key, 0) != 0),
                 detail);
      FUZZ_CHECK(profile.ReadBool(section, key, true) == (profile.ReadInteger(section, key, 1) != 0), detail);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Profile profile = Profile::Parse(bytes);
  CheckReads(profile);

  // What is written reads back the same.
  const QByteArray serialized = profile.Serialize();
  const Profile reread = Profile::Parse(serialized);
  const QStringList sections = profile.Sections();
  FUZZ_CHECK(reread.Sections() == sections,
             "sections " + ShortHex(sections) + " read back as " + ShortHex(reread.Sections()));
  for (const QString& section : sections) {
    const QStringList keys = profile.Keys(section);
    FUZZ_CHECK(reread.Keys(section) == keys,
               "keys " + ShortHex(keys) + " read back as " + ShortHex(reread.Keys(section)));
    for (const QString& key : keys) {
      const QString value = profile.ReadString(section, key, QString());
      FUZZ_CHECK(
          reread.ReadString(section, key, QString()) == value,
          "value " + ShortHex(value) + " read back as " + ShortHex(reread.ReadString(section, key, {})));
    }
  }
  FUZZ_CHECK(reread.Serialize() == serialized, "serialized " + ShortHex(serialized));

  // Writing the first key of the first section under its case-folded spelling replaces it in place.
  if (!sections.isEmpty() && !profile.Keys(sections.first()).isEmpty()) {
    const QString& section = sections.first();
    const QStringList keys = profile.Keys(section);
    const QString newValue = QStringLiteral("written %1").arg(keys.size());
    profile.WriteString(section.toCaseFolded(), keys.first().toCaseFolded(), newValue);
    FUZZ_CHECK(profile.Keys(section) == keys,
               "keys " + ShortHex(keys) + " became " + ShortHex(profile.Keys(section)));
    FUZZ_CHECK(profile.ReadString(section, keys.first(), QString()) == newValue,
               "key " + ShortHex(keys.first()));
    FUZZ_CHECK(profile.Sections() == sections, "sections " + ShortHex(sections));
  }
  return 0;
}
