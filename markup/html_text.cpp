#include "markup/html_text.h"

#include <limits>

namespace penwick {

QString HeadingLevel(const QString& answer) {
  // Ordinal comparison, character by character, as the answer is text.
  if (QString::compare(answer, QStringLiteral("1"), Qt::CaseSensitive) < 0) return QStringLiteral("1");
  if (QString::compare(answer, QStringLiteral("6"), Qt::CaseSensitive) > 0) return QStringLiteral("6");
  return answer;
}

TagCall HeadingTags(const QString& level, bool hasSelection) {
  if (hasSelection) {
    return {QStringLiteral("<H%1>").arg(level), QStringLiteral("</H%1>").arg(level), kWrapSelection, 0};
  }
  const QString c = level.left(1);
  return {QStringLiteral("<H%1></H%1>").arg(c), QString(), 0, 5};
}

QString CustomLineText(const QStringList& answers, bool changer) {
  QString text = QStringLiteral("<hr");
  for (const QString& answer : answers) {
    if (!answer.isEmpty()) text += QLatin1Char(' ') + answer;
  }
  return text + (changer ? QStringLiteral(" />") : QStringLiteral(">"));
}

TagCall ParagraphTags(bool closed) {
  if (closed) return {QStringLiteral("<p>\r\n\r\n</p>"), QString(), 0, 6};
  return {QStringLiteral("<p>\r\n"), QString(), 0, 0};
}

QString AnchorText(const QString& target, const QString& clickText) {
  return QStringLiteral("<a ") + target + QLatin1Char('>') + clickText + QStringLiteral("</a>");
}

QString ImageText(const QString& source, const QString& alternate, const QString& align, bool changer) {
  QString text = QStringLiteral("<img ") + source + QLatin1Char(' ') + alternate;
  if (!align.isEmpty()) text += QLatin1Char(' ') + align;
  return text + (changer ? QStringLiteral(" />") : QStringLiteral(">"));
}

int ReadCount(const QString& answer) {
  qsizetype i = 0;
  while (i < answer.size() && (answer[i] == QLatin1Char(' ') || answer[i] == QLatin1Char('\t'))) ++i;
  bool negative = false;
  if (i < answer.size() && (answer[i] == QLatin1Char('+') || answer[i] == QLatin1Char('-'))) {
    negative = answer[i] == QLatin1Char('-');
    ++i;
  }
  constexpr long long kLimit = std::numeric_limits<int>::max();
  long long value = 0;
  for (; i < answer.size() && answer[i] >= QLatin1Char('0') && answer[i] <= QLatin1Char('9'); ++i) {
    value = std::min(value * 10 + (answer[i].unicode() - '0'), kLimit + 1);
  }
  if (negative) return static_cast<int>(-std::min(value, kLimit + 1));
  return static_cast<int>(std::min(value, kLimit));
}

Insertion ListInsertion(const QString& listTag, int count) {
  Insertion list = ComposeTags(
      {QStringLiteral("<%1>").arg(listTag), QStringLiteral("</%1>").arg(listTag), kOpenLine, 0}, QString());
  if (count <= 0) return list;
  const QString item = QStringLiteral("<li></li>");
  QString items;
  items.reserve(count * (item.size() + 2));
  for (int i = 1; i <= count; ++i) {
    items += item;
    if (i < count) items += QStringLiteral("\r\n");
  }
  return InsertAtCaret(list, items);
}

Insertion MenuStackInsertion(const QString& wrapped, int count) {
  Insertion menu = ComposeTags({QStringLiteral("<select name=\"\" size=\"\">"), QStringLiteral("</select>"),
                                kOpenLine | kWrapSelection, 0},
                               wrapped);
  if (count <= 0) return menu;
  const QString option = QStringLiteral("<option value=\"\"></option>\r\n");
  return InsertAtCaret(menu, option.repeated(count));
}

}  // namespace penwick
