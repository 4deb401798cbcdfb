#include "platform/profile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <climits>

namespace penwick {
namespace {

struct ReadCase {
  const char* name;
  QByteArray file;
  QString section;
  QString key;
  QString expected;  // "<default>" when the lookup must fall back to the default
};

TEST(ProfileTest, ReadsValuesLikeAPrivateProfile) {
  const QString kDefault = QStringLiteral("<default>");
  const ReadCase cases[] = {
      {"exact", "[Main]\r\nWidth=80\r\n", "Main", "Width", "80"},
      {"section and key ignore case", "[Main]\r\nWidth=80\r\n", "mAIN", "WIDTH", "80"},
      {"non-ASCII names ignore case", "[Ébauche]\r\nÉtat=1\r\n", "éBAUCHE", "état", "1"},
      {"blanks around key and value", "[s]\r\n \t key \t= \t some value \t\r\n", "s", "key", "some value"},
      {"double quotes stripped", "[s]\r\nk=\"  padded  \"\r\n", "s", "k", "  padded  "},
      {"single quotes stripped", "[s]\r\nk='x'\r\n", "s", "k", "x"},
      {"only one pair of quotes", "[s]\r\nk=\"\"x\"\"\r\n", "s", "k", "\"x\""},
      {"unmatched quotes kept", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
      {"lone quote kept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
      {"value may hold '='", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
      {"empty value is not the default", "[s]\r\nk=\r\n", "s", "k", ""},
      {"missing key", "[s]\r\nk=1\r\n", "s", "other", kDefault},
      {"missing section", "[s]\r\nk=1\r\n", "t", "k", kDefault},
      {"key in another section", "[s]\r\nk=1\r\n[t]\r\nj=2\r\n", "t", "k", kDefault},
      {"key before any section ignored", "k=1\r\n[s]\r\nj=2\r\n", "s", "k", kDefault},
      {"comment line ignored", "[s]\r\n;k=1\r\n", "s", ";k", kDefault},
      {"line without '=' ignored", "[s]\r\nrubbish\r\nk=1\r\n", "s", "k", "1"},
      {"first duplicate wins", "[s]\r\nk=first\r\nK=second\r\n", "s", "k", "first"},
      {"repeated section adds keys", "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2\r\n", "s", "b", "2"},
      {"text after section header", "[ s ] ; note\r\nk=1\r\n", "s", "k", "1"},
      {"unclosed header keeps section", "[s]\r\n[broken\r\nk=1\r\n", "s", "k", "1"},
      {"LF line ends", "[s]\nk=1\nj=2\n", "s", "j", "2"},
      {"CR line ends", "[s]\rk=1\rj=2\r", "s", "j", "2"},
      {"no final line end", "[s]\r\nk=last", "s", "k", "last"},
      {"NUL byte does not end the file", QByteArray("[s]\r\nk=a\0b\r\nj=2\r\n", 18), "s", "j", "2"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\n", "s", "k", QStringLiteral("caf\u00E9")},
      {"UTF-8 without BOM", "[s]\r\nk=\xE2\x82\xAC\r\n", "s", "k", QStringLiteral("\u20AC")},
      {"code page 1252", "[s]\r\nk=caf\xE9 \x80\r\n", "s", "k", QStringLiteral("caf\u00E9 \u20AC")},
  };
  for (const ReadCase& c : cases) {
    const Profile profile = Profile::Parse(c.file);
    EXPECT_EQ(profile.ReadString(c.section, c.key, kDefault), c.expected) << c.name;
    EXPECT_EQ(profile.HasKey(c.section, c.key), c.expected != kDefault) << c.name;
  }
}

TEST(ProfileTest, CutsLongValues) {
  const QString longValue(5000, u'v');
  const Profile profile = Profile::Parse("[s]\r\nk=\"" + longValue.toUtf8() + "\"\r\n");
  EXPECT_EQ(profile.ReadString("s", "k", ""), longValue.left(Profile::kMaxValueLength));

  // The cut never splits a character outside the basic plane into half a surrogate pair.
  const QString emoji = QStringLiteral("\U0001F600");
  QString astral = QString(Profile::kMaxValueLength - 1, u'a') + emoji;
  Profile written;
  written.WriteString("s", "k", astral);
  EXPECT_EQ(written.ReadString("s", "k", ""), QString(Profile::kMaxValueLength - 1, u'a'));
}

TEST(ProfileTest, ReadsIntegersAndBooleans) {
  // clang-format off
  const struct {
    const char* value;
    int expected;  // with default 7
  } cases[] = {
      {"12", 12}, {"  -5 ", -5}, {"+3", 3}, {"0x1F", 31}, {"0X1f", 31},
      {"-0x10", -16}, {"\"42\"", 42}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"0xFFFFFFFF", -1},
      {"12abc", 7}, {"", 7}, {"abc", 7}, {"0x", 7}, {"0xG1", 7},
      {"1.5", 7}, {"- 5", 7}, {"2147483648", 7}, {"0x100000000", 7}, {"99999999999999999999", 7},
  };
  // clang-format on
  for (const auto& c : cases) {
    Profile profile;
    profile.WriteString("s", "k", c.value);
    EXPECT_EQ(profile.ReadInteger("s", "k", 7), c.expected) << c.value;
  }
  EXPECT_EQ(Profile().ReadInteger("s", "k", 7), 7);

  const struct {
    const char* value;
    bool def;
    bool expected;
  } bools[] = {
      {"1", false, true},  {"0", true, false},    {"-2", false, true}, {"0x0", true, false},
      {"yes", true, true}, {"yes", false, false}, {"", true, true},
  };
  for (const auto& c : bools) {
    Profile profile;
    profile.WriteString("s", "k", c.value);
    EXPECT_EQ(profile.ReadBool("s", "k", c.def), c.expected) << c.value << " def " << c.def;
  }
  EXPECT_TRUE(Profile().ReadBool("s", "k", true));
}

TEST(ProfileTest, WritingKeepsTheRestOfTheFile) {
  Profile profile =
      Profile::Parse("; comment\r\n[Main]\r\nWidth=80\r\nHeight = 25\r\n\r\n[Files]\r\nCount=0\r\n");
  profile.WriteString("main", "HEIGHT", "30");  // replaces, keeping the stored spelling and position
  profile.WriteInteger("MAIN", "Left", -4);     // appended to its section
  profile.WriteBool("New", "On", true);         // appends the section
  profile.WriteString("files", "count", "2");

  EXPECT_EQ(profile.Sections(), QStringList({"Main", "Files", "New"}));
  EXPECT_EQ(profile.Keys("main"), QStringList({"Width", "Height", "Left"}));
  EXPECT_EQ(profile.Serialize(),
            "[Main]\r\nWidth=80\r\nHeight=30\r\nLeft=-4\r\n"
            "\r\n[Files]\r\nCount=2\r\n"
            "\r\n[New]\r\nOn=1\r\n");
  EXPECT_TRUE(profile.Keys("absent").isEmpty());
}

TEST(ProfileTest, SerializedTextReadsBackTheSame) {
  Profile profile;
  profile.WriteString(QStringLiteral("Sätze"), "Name", QStringLiteral("\u4E2D\u6587 \u20AC"));
  profile.WriteString("Lists", "Item1", "  padded  ");  // blanks are not kept by the file format
  const Profile reread = Profile::Parse(profile.Serialize());
  EXPECT_EQ(reread.ReadString(QStringLiteral("sätze"), "name", ""), QStringLiteral("\u4E2D\u6587 \u20AC"));
  EXPECT_EQ(reread.ReadString("Lists", "Item1", ""), "padded");
  EXPECT_EQ(profile.ReadString("Lists", "Item1", ""), "padded");
}

TEST(ProfileTest, SavesAndReadsFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("penwick.ini");
  EXPECT_TRUE(Profile::Read(path).Sections().isEmpty());

  Profile profile;
  profile.WriteString("Main", "Key", "value");
  QString error;
  ASSERT_TRUE(profile.Save(path, &error)) << error.toStdString();
  EXPECT_EQ(Profile::Read(path).ReadString("main", "key", ""), "value");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), profile.Serialize());

  const QString badPath = dir.filePath("missing/penwick.ini");
  EXPECT_FALSE(profile.Save(badPath, &error));
  EXPECT_TRUE(error.startsWith("Unable to write to " + badPath + "\n")) << error.toStdString();
}

TEST(ProfileTest, BinaryRubbishAndLongListsAreReadAndRewritten) {
  // Binary rubbish, then a real section: nothing may crash and the section must still be found.
  QByteArray bytes(10 * 1024 * 1024, Qt::Uninitialized);
  quint32 state = 12345;
  for (char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24);
  }
  bytes += "\r\n[Tail]\r\nKey=found\r\n";
  const Profile binary = Profile::Parse(bytes);
  EXPECT_EQ(binary.ReadString("tail", "key", ""), "found");

  // A long list is read and rewritten key by key, as the settings store does.
  constexpr int kCount = 50000;
  QByteArray list = "[List]\r\n";
  for (int i = 0; i < kCount; ++i)
    list += "Item" + QByteArray::number(i) + "=v" + QByteArray::number(i) + "\r\n";
  Profile profile = Profile::Parse(list);
  for (int i = 0; i < kCount; ++i) profile.WriteString("list", QStringLiteral("item%1").arg(i), "w");
  EXPECT_EQ(profile.ReadString("LIST", QStringLiteral("ITEM%1").arg(kCount - 1), ""), "w");
  EXPECT_EQ(profile.Keys("List").size(), kCount);
}

TEST(ProfileTest, StrToIntIsStrict) {
  // clang-format off
  const struct {
    const char* text;
    std::optional<int> expected;
  } cases[] = {
      {"42", 42}, {"  42\t", 42}, {"-7", -7}, {"+7", 7}, {"0", 0}, {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN}, {"", std::nullopt}, {"  ", std::nullopt}, {"-", std::nullopt},
      {"4 2", std::nullopt}, {"0x10", std::nullopt}, {"12abc", std::nullopt}, {"1.0", std::nullopt},
      {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace penwick
