#include "editor/print_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/qt_printers.h"

namespace penwick {
namespace {

const QString kM = QString::fromLatin1(kPrintMargin);

// Lays out every page, answering long lines from answers in turn; records the document lines broken.
struct Printout {
  std::vector<QStringList> pages;
  std::vector<int> broken;
  int asked = 0;
};

Printout LayOut(const QStringList& texts, int firstLine, int linesPerPage,
                std::vector<LongLineChoice> answers) {
  Printout out;
  PrintPaginator paginator(texts, firstLine, linesPerPage, QStringLiteral("/docs/a.txt"));
  const auto ask = [&] {
    return out.asked < static_cast<int>(answers.size()) ? answers[out.asked++] : LongLineChoice::kSkip;
  };
  const auto broke = [&](int line) { out.broken.push_back(line); };
  while (!paginator.AtEnd() && out.pages.size() < 100) out.pages.push_back(paginator.NextPage(ask, broke));
  return out;
}

QStringList Page(const QString& header, const QStringList& lines) {
  QStringList page = {QString(), QString(), kM + header, QString()};
  for (const QString& line : lines) page << kM + line;
  return page;
}

TEST(PrintLayout, LongLinesAreBrokenOrSkippedAsAnswered) {
  constexpr auto kBreak = LongLineChoice::kBreak;
  const QString a84(84, QLatin1Char('a'));
  const QString ninety = a84 + QStringLiteral("bcdefg");
  const QString exactly84(84, QLatin1Char('x'));
  const QString twoHundred = QString(84, 'p') + QString(82, 'q') + QString(34, 'r');
  // 84 characters, the first of them outside the 16-bit range (two UTF-16 units).
  const QString wide = QStringLiteral("\U0001F600") + QString(83, QChar(0x20AC));
  // clang-format off
  struct Case {
    const char* name;
    QStringList texts;
    int firstLine;
    int linesPerPage;
    std::vector<LongLineChoice> answers;
    std::vector<QStringList> pages;  // the lines of each page, without header and margin
    std::vector<int> broken;
  } cases[] = {
      {"84 characters are not long", {exactly84}, 0, 5, {}, {{exactly84}}, {}},
      {"a rest still too long is asked about again", {twoHundred}, 7, 5, {kBreak, kBreak},
       {{QString(84, 'p'), "--" + QString(82, 'q'), "--" + QString(34, 'r')}}, {7, 8}},
      {"a break on a full page pushes the rest to the next page", {"one", ninety, "three"}, 0, 2, {kBreak},
       {{"one", a84}, {"--bcdefg", "three"}}, {1}},
      {"later breaks count the lines added by earlier ones", {ninety, "x", ninety}, 10, 10, {kBreak, kBreak},
       {{a84, "--bcdefg", "x", a84, "--bcdefg"}}, {10, 13}},
      {"characters beyond the 16-bit range count one each", {wide + "z"}, 0, 5, {kBreak},
       {{wide, "--z"}}, {0}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Printout out = LayOut(c.texts, c.firstLine, c.linesPerPage, c.answers);
    ASSERT_EQ(out.pages.size(), c.pages.size());
    for (size_t i = 0; i < out.pages.size(); ++i) {
      QStringList expected;
      for (const QString& line : c.pages[i]) expected << kM + line;
      EXPECT_EQ(out.pages[i].mid(4), expected) << "page " << i + 1;
    }
    EXPECT_EQ(out.broken, c.broken);
    EXPECT_EQ(out.asked, static_cast<int>(c.answers.size()));
  }
}

TEST(PrintLayout, APageThatOverflowsThroughABreakNumbersTheNextPage) {
  // One page was planned (no number), a break pushed a line over: the second page is numbered.
  const QString ninety(90, QLatin1Char('n'));
  const Printout out = LayOut({QStringLiteral("a"), ninety}, 0, 2, {LongLineChoice::kBreak});
  ASSERT_EQ(out.pages.size(), 2u);
  EXPECT_EQ(out.pages[0][2], kM + QStringLiteral("/docs/a.txt"));
  EXPECT_EQ(out.pages[1], Page(QStringLiteral("2  /docs/a.txt"), {QStringLiteral("--nnnnnn")}));
}

TEST(PrintLayout, LinesPerPageLeavesNineLinesAndNeverLessThanOne) {
  EXPECT_EQ(LinesPerPage(1000, 20), 41);
  EXPECT_EQ(LinesPerPage(13200, 200), 57);
  EXPECT_EQ(LinesPerPage(100, 20), 1);  // a tiny page or a huge font still prints, one line a page
  EXPECT_EQ(LinesPerPage(1000, 0), 1);
}

}  // namespace
}  // namespace penwick
