#include "editor/print_layout.h"

#include <algorithm>

namespace penwick {

int LinesPerPage(int pageHeight, int textHeight) {
  if (textHeight <= 0) return 1;
  return std::max(1, pageHeight / textHeight - 9);
}

int CharacterCount(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())) ++count;
  }
  return count;
}

qsizetype CharacterIndex(const QString& text, int n) {
  qsizetype i = 0;
  for (int seen = 0; seen < n && i < text.size(); ++seen) {
    i += text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
  }
  return i;
}

QString PrintedText(const QString& lineText, int line, const PrintRange& range) {
  QString text = lineText;
  // The end is cut first, so the start column still counts from the start of the line.
  if (line == range.lastLine && range.endColumn >= 0) text.truncate(CharacterIndex(text, range.endColumn));
  if (line == range.firstLine && range.startColumn > 0) {
    const qsizetype start = CharacterIndex(text, range.startColumn);
    text = QString(range.startColumn, QLatin1Char(' ')) + text.mid(start);
  }
  return text;
}

PrintPaginator::PrintPaginator(const QStringList& texts, int firstDocumentLine, int linesPerPage,
                               QString fileName)
    : queue_(texts.begin(), texts.end()),
      nextDocumentLine_(firstDocumentLine),
      linesPerPage_(std::max(1, linesPerPage)),
      fileName_(std::move(fileName)),
      numbered_(texts.size() > linesPerPage_) {}

QString PrintPaginator::Header() const {
  const QString margin = QString::fromLatin1(kPrintMargin);
  return numbered_ ? margin + QString::number(page_) + QStringLiteral("  ") + fileName_ : margin + fileName_;
}

QStringList PrintPaginator::NextPage(const std::function<LongLineChoice()>& ask,
                                     const std::function<void(int documentLine)>& breakLine) {
  ++page_;
  const QString margin = QString::fromLatin1(kPrintMargin);
  QStringList page = {QString(), QString(), Header(), QString()};
  for (int taken = 0; taken < linesPerPage_ && !queue_.empty(); ++taken) {
    QString text = std::move(queue_.front());
    queue_.pop_front();
    const int documentLine = nextDocumentLine_++;
    const int length = CharacterCount(text);
    if (length > kPrintLineLimit) {
      if (ask() == LongLineChoice::kSkip) {
        page << margin + QStringLiteral("skipped long line, length %1 bytes").arg(length);
        continue;
      }
      breakLine(documentLine);
      // The rest is the next line now, on this page if it has room and on the next one otherwise.
      const qsizetype cut = CharacterIndex(text, kPrintLineLimit);
      queue_.push_front(QStringLiteral("--") + text.mid(cut));
      text.truncate(cut);
    }
    page << margin + text;
  }
  // Lines left over (a break can push one beyond a page that was to be the only one) make the printout
  // one of several pages: the pages after this one show their numbers.
  if (!queue_.empty()) numbered_ = true;
  return page;
}

}  // namespace penwick
