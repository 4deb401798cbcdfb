// Print and Printer setup of the editor window: the document, or the selected lines, as plain text lines with
// a header, one print job per page.

#include "editor/print_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "editor/clipboard_commands.h"
#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/line_printer.h"
#include "editor/print_layout.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kNoPrinterCaption[] = "No printer";
const char kNoPrinterText[] =
    "No printer is installed, so there is nothing to print on.\r\n"
    "Printer setup... on the File menu lets you print into a PDF file instead.";

const char kDumpCaption[] = "Smart but Rough Printer Dump";
const char kDumpText[] =
    "Once printing has started it cannot be cancelled.\r\n\r\n"
    "For every line longer than 84 characters you choose: split the line in the text, or print a label "
    "line in its place.\r\n\r\n"
    "Each page gets its page number and the file name in its upper left corner.";

const char kSelectionCaption[] = "Print Selected Text?";
const char kSelectionText[] = "If any line in the selected passage\r\n> 84 Chars printing may be inaccurate.";

const char kLongLineCaption[] = "Line over 84 chars! BREAK IT?";
const char kLongLineText[] =
    "Yes: Insert \"CRLF--\" to break line.\r\n(In text, so don't save after printing.)\r\n"
    "No:  Print \"Skip Line, Length nnn\".\r\ninstead of the line.\r\n(Can't cancel job as print queues "
    "balk.";

const char kPdfCaption[] = "Printer setup";
const char kPdfQuestion[] = "No printer is installed.\r\nPrint into a PDF file instead?";

}  // namespace

void Print1Click(TEditForm& e) {
  MessageBoxes& boxes = e.Frame().Boxes();
  LinePrinter& printer = e.Frame().Printer();
  if (!printer.HasInstalledPrinter() && printer.PdfFile().isEmpty()) {
    boxes.Show(QString::fromLatin1(kNoPrinterCaption), QString::fromLatin1(kNoPrinterText), MsgType::kWarning,
               MsgButtons::kOk);
    return;
  }
  if (boxes.Show(QString::fromLatin1(kDumpCaption), QString::fromLatin1(kDumpText), MsgType::kConfirmation,
                 MsgButtons::kOkCancel) != MsgResult::kOk) {
    return;
  }
  QFont font = e.Editor()->font();
  font.setPointSize(10);
  // White on black is for the screen: paper gets black.
  const QColor color = Qt::black;

  PrintRange range;
  if (e.Text().HasSelection()) {
    if (boxes.Show(QString::fromLatin1(kSelectionCaption), QString::fromLatin1(kSelectionText),
                   MsgType::kConfirmation, MsgButtons::kOkCancel) != MsgResult::kOk) {
      return;
    }
    const int start = e.Text().SelStart();
    const int end = start + e.Text().SelLength();
    range.firstLine = e.Text().LineFromPosition(start);
    range.lastLine = e.Text().LineFromPosition(end - 1);  // the line of the last selected character
    range.startColumn = start - e.Text().LineIndex(range.firstLine);
    const int lastStart = e.Text().LineIndex(range.lastLine);
    // A last line selected through its line break prints whole.
    const int endColumn = end - lastStart;
    range.endColumn = endColumn > e.Text().LineLength(lastStart) ? -1 : endColumn;
  } else {
    range.lastLine = e.Text().LineCount() - 1;
  }

  QStringList texts;
  texts.reserve(range.lastLine - range.firstLine + 1);
  for (int line = range.firstLine; line <= range.lastLine; ++line) {
    texts << PrintedText(e.Text().Line(line), line, range);
  }
  PrintPaginator pages(texts, range.firstLine, LinesPerPage(printer.PageHeight(), printer.TextHeight(font)),
                       e.FileName());
  texts.clear();

  const auto ask = [&boxes] {
    boxes.ui().Beep();
    return boxes.Show(QString::fromLatin1(kLongLineCaption), QString::fromLatin1(kLongLineText),
                      MsgType::kWarning, MsgButtons::kYesNo) == MsgResult::kYes
               ? LongLineChoice::kBreak
               : LongLineChoice::kSkip;
  };
  const auto breakLine = [&e](int line) {
    // A viewing copy's text never changes: there the line is broken on paper only.
    if (e.IsRtfView()) return;
    e.Text().InsertText(e.Text().LineIndex(line) + kPrintLineLimit, QStringLiteral("\r\n--"));
  };
  const QString title = NamePart(e.FileName());
  while (!pages.AtEnd()) {
    const QStringList page = pages.NextPage(ask, breakLine);
    QString error;
    if (!printer.PrintPage(title, page, font, color, &error)) {
      printer.EndPrintout();
      boxes.ShowError(error);
      return;
    }
    // Keeps the windows drawn between pages; keys and clicks wait, so the text cannot change meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  printer.EndPrintout();
}

void Printersetup1Click(TEditForm& e) {
  MessageBoxes& boxes = e.Frame().Boxes();
  LinePrinter& printer = e.Frame().Printer();
  if (printer.HasInstalledPrinter()) {
    printer.Setup(boxes.ui());
    return;
  }
  if (boxes.Show(QString::fromLatin1(kPdfCaption), QString::fromLatin1(kPdfQuestion), MsgType::kConfirmation,
                 MsgButtons::kYesNo) != MsgResult::kYes) {
    return;
  }
  QString proposed = printer.PdfFile();
  if (proposed.isEmpty()) {
    const QFileInfo document(e.IsUnnamed() ? QDir::current().filePath(QString::fromLatin1(kNewFile))
                                           : e.FileName());
    proposed = QDir(document.absolutePath()).filePath(document.completeBaseName() + QStringLiteral(".pdf"));
  }
  FileDialogRequest request;
  request.caption = QStringLiteral("Print into PDF file");
  request.fileName = proposed;
  request.folder = QFileInfo(proposed).absolutePath();
  request.filters = {QStringLiteral("PDF files (*.pdf)|*.pdf")};
  const FileDialogResult chosen = boxes.ui().AskSaveFile(request);
  if (chosen.fileNames.isEmpty()) return;
  QString pdf = chosen.fileNames.first();
  if (QFileInfo(pdf).suffix().isEmpty()) pdf += QStringLiteral(".pdf");
  printer.SetPdfFile(pdf);
}

namespace {

constexpr MenuRow kPrintRows[] = {
    {"Print1", "&Print", "Ctrl+F2", nullptr, Print1Click, nullptr, HasText},
    {"Printersetup1", "Printer setup...", "", nullptr, Printersetup1Click},
};

constexpr MenuRow kPopupPrintRows[] = {
    {},
    {"PopupPrint1", "Pri&nt", "", nullptr, Print1Click, nullptr, HasText},
    {},
};

}  // namespace

void AddPrintItems(MenuBuilder& menus) { menus.AddRows(MenuId::kEditorFile, kPrintRows); }

void AddPrintPopupItems(MenuBuilder& menus) { menus.AddRows(MenuId::kPopup, kPopupPrintRows); }

}  // namespace penwick
