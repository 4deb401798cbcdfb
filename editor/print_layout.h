#pragma once
// Which text goes on which line of which printed page. Plain code without a printer: Print feeds it the
// lines of the document (or of the selection) and sends each page it lays out to the printer as one job.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace penwick {

// A printed line holds at most this many characters of text; longer ones are broken or left out.
inline constexpr int kPrintLineLimit = 84;
// Put before every printed line.
inline constexpr char kPrintMargin[] = "       ";

// Lines per page: the page height divided by the height of a line of text, less nine lines for the header
// and the paper's edges; never less than one, however small the page.
int LinesPerPage(int pageHeight, int textHeight);

// Characters as the text control counts them (a character outside the Basic Multilingual Plane is one).
int CharacterCount(const QString& text);
// The index into text of character number n (text.size() past the end).
qsizetype CharacterIndex(const QString& text, int n);

// The part of the document that is printed: lines firstLine to lastLine. In a selection the first line is
// printed from startColumn, with blanks in place of the unselected characters before it, and the last one up
// to endColumn (-1: to its end).
struct PrintRange {
  int firstLine = 0;
  int lastLine = 0;
  int startColumn = 0;
  int endColumn = -1;
};

// What is printed of document line `line` (its text lineText) within the range.
QString PrintedText(const QString& lineText, int line, const PrintRange& range);

enum class LongLineChoice { kBreak, kSkip };

// Lays out the pages one after the other, so that the questions about long lines come page by page, as the
// pages go to the printer.
class PrintPaginator {
 public:
  // texts: what is printed of each line of the range, in order; firstDocumentLine: the document line of
  // texts[0]; fileName: shown in every page's header.
  PrintPaginator(const QStringList& texts, int firstDocumentLine, int linesPerPage, QString fileName);

  bool AtEnd() const { return queue_.empty(); }

  // The next page: two empty lines, the header, an empty line and at most linesPerPage lines, each after
  // the margin. For every line longer than the limit, ask decides: kBreak calls breakLine with the document
  // line to break after its first kPrintLineLimit characters (a line break and "--" go in there) and prints
  // the shortened line, its rest following as a line of its own; kSkip prints a note in its place.
  QStringList NextPage(const std::function<LongLineChoice()>& ask,
                       const std::function<void(int documentLine)>& breakLine);

 private:
  QString Header() const;

  std::deque<QString> queue_;
  int nextDocumentLine_;
  int linesPerPage_;
  QString fileName_;
  int page_ = 0;
  bool numbered_;
};

}  // namespace penwick
