#pragma once
// Private-profile (INI) files with the semantics Penwick's settings rely on: section and key names match
// without regard to case, values are cut to 2047 characters, surrounding blanks and one pair of enclosing
// quotes are stripped on read, writing one key keeps the rest of the file.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace penwick {

class Profile {
 public:
  static constexpr int kMaxValueLength = 2047;
  // Settings and sets files are small; a larger one is damaged or not a profile at all.
  static constexpr qint64 kMaxFileBytes = 16 << 20;

  // Reads a file; a missing or unreadable file, or one larger than kMaxFileBytes, reads as an empty profile.
  // The bytes are taken as UTF-8 when they are valid UTF-8, otherwise as code page 1252.
  static Profile Read(const QString& path);
  static Profile Parse(const QByteArray& bytes);

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Decimal, or hexadecimal with a leading "0x"; anything else gives def.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  // An integer, non-zero meaning true; a non-numeric value gives def.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  bool HasKey(const QString& section, const QString& key) const;

  // Replaces the key's value (found without regard to case) or appends the key to its section, appending the
  // section when it does not exist yet.
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);

  QStringList Sections() const;
  // Keys of a section in file order (spelled as stored).
  QStringList Keys(const QString& section) const;

  // The file's text, UTF-8, CR LF line ends.
  QByteArray Serialize() const;
  // Writes the whole file atomically (temporary file renamed over the target). On failure the old file is
  // untouched and *error holds "Unable to write to <path>".
  bool Save(const QString& path, QString* error) const;

 private:
  struct Entry {
    QString key;
    QString value;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
    QHash<QString, qsizetype> index;  // case-folded key -> position in entries
  };
  const Section* FindSection(const QString& name) const;
  Section* FindSection(const QString& name);
  Section& AddSection(const QString& name);
  static const Entry* FindEntry(const Section& section, const QString& key);
  std::vector<Section> sections_;
  QHash<QString, qsizetype> sectionIndex_;  // case-folded name -> position in sections_
};

// The form a value takes in a profile file so that it reads back as written: a line break would end the
// line early, so each one is written as a blank; reading strips surrounding blanks and one pair of enclosing
// quotes, so a value that has them is written inside a pair of quotes that reading takes off again.
QString ProfileFileValue(QString value);

// Strict integer conversion used for list counts: optional blanks, optional sign, decimal digits. Returns
// nothing for anything else (the caller reports "'%s' is not a valid integer value").
std::optional<int> StrToInt(const QString& text);

}  // namespace penwick
