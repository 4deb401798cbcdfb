#pragma once
// The texts of the composite HTML items (links, figures, button stacks, tables, frame sets) and of the
// text-to-HTML paragraph conversion: plain code, so every rule is testable without a window.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace penwick {

// The most buttons, rows, cells, frames or hard spaces one answer may ask for. A slip of the finger
// ("2147483647") would otherwise build gigabytes of text and freeze the window.
inline constexpr int kMaxCompositeCount = 1000;
// The most cells of a table, or frames of a frame set, in all.
inline constexpr int kMaxCompositeParts = 10000;

QString MailtoText(const QString& address);
// An ftp link when the address starts with "ftp" (in any case), else an http link; an address that already
// names its scheme ("https://...") is linked as typed.
QString UrlLinkText(const QString& url);
QString ImageFigureText(const QString& file, const QString& number, const QString& caption, bool changer);
QString TextFigureText(const QString& text, const QString& size, const QString& colour, const QString& box);
// The selection in a font element with the size and/or colour given; empty when both are empty.
QString SizeColorText(const QString& selected, const QString& size, const QString& colour);
QString BlockQuoteText(const QString& selected, bool changer);
QString ParagraphAfterText(const QString& selected);
QString ParagraphAroundText(const QString& selected);

// count buttons stacked with line breaks between them (none for count <= 0).
QString ButtonStackText(int count, bool changer);
// The same stack inside a form of its own.
QString FormButtonStackText(int count, bool changer);
// A bare table of rows x cells, every row and cell numbered in a comment.
QString TableText(int rows, int cells);

// The first answer of the frame-set item, upper-cased and cut into its kind word and its count text.
struct FramesetAnswer {
  QString kind;       // the first four characters
  QString countText;  // from the sixth character on (the fifth is the space)
};
FramesetAnswer SplitFramesetAnswer(const QString& answer);
inline constexpr char kFramesetHead[] = "<!-- If you have <body>...</body> tags, remove them. -->\r\n";
// BOTH: one frame set with rows and cols holding count frames.
QString BothFramesetText(int count, bool changer);
// ROWS or COLS: the outer frame set's first line.
QString OuterFramesetLine(const QString& kind);
// One nested frame set (number item of the outer one) holding frames frames.
QString NestedFramesetText(const QString& outerKind, int item, int frames, bool changer);
inline constexpr char kFramesetEnd[] = "</frameset>\r\n";
// The next number of the second answer: the text before its first space, or all of it when it has none;
// the answer is cut to what follows the space (with no space it stays, so its last number repeats).
QString NextFramesetPiece(QString& answers);

// The lines of a plain text that get a paragraph tag: the first empty line after each run of text lines
// (empty lines at the start are never tagged).
std::vector<int> ParagraphBreakLines(const QStringList& lines);

}  // namespace penwick
