#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/frame_menus.h"
#include "editor/line_printer.h"
#include "editor/print_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

const QString kM = "       ";

// Takes the pages a printout sends, as the lines each print job receives.
class CapturePrinter : public LinePrinter {
 public:
  bool installed = true;
  QString pdf;
  int pageHeight = 1000;  // with textHeight 20: 41 lines a page
  int textHeight = 20;
  std::vector<QStringList> jobs;
  std::vector<QFont> fonts;
  std::vector<QColor> colors;
  int printouts = 0;

  bool HasInstalledPrinter() const override { return installed; }
  QString PdfFile() const override { return pdf; }
  void SetPdfFile(const QString& fileName) override { pdf = fileName; }
  bool Setup(Ui& ui) override { return ui.SetupPrinter(setupPrinter_); }
  int PageHeight() override { return pageHeight; }
  int TextHeight(const QFont&) override { return textHeight; }
  bool PrintPage(const QString&, const QStringList& lines, const QFont& font, const QColor& color,
                 QString*) override {
    jobs.push_back(lines);
    fonts.push_back(font);
    colors.push_back(color);
    return true;
  }
  void EndPrintout() override { ++printouts; }

 private:
  QPrinter setupPrinter_;
};

QStringList Lines(int count, const QString& prefix = "line ") {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << prefix + QString::number(i);
  return lines;
}

QStringList Job(const QString& header, const QStringList& lines) {
  QStringList job = {QString(), QString(), kM + header, QString()};
  for (const QString& line : lines) job << kM + line;
  return job;
}

class PrintingTest : public FrameTest {
 protected:
  void SetUp() override {
    Start();
    auto printer = std::make_unique<CapturePrinter>();
    printer_ = printer.get();
    frame_->SetPrinter(std::move(printer));
  }
  TEditForm* Document(const QStringList& lines, const QString& name = "doc.txt") {
    return Open(env_.WriteFile(name, lines.join("\r\n").toUtf8()));
  }
  QStringList Boxes() const {
    QStringList captions;
    for (const ShownBox& box : ui_.Shown()) captions << box.caption;
    return captions;
  }

  CapturePrinter* printer_ = nullptr;
};

// Paper gets black text at size 10 whatever the screen shows; every page is a print job of its own.
TEST_F(PrintingTest, EveryPageIsAJobWithItsNumberInBlackAtSizeTen) {
  frame_->Switches().whiteOnBlack = true;
  frame_->Switches().largerPrint = true;
  frame_->Switches().printSize = 14;
  printer_->pageHeight = 240;  // 240 / 20 - 9 = 3 lines a page
  TEditForm* editor = Document(Lines(7));
  ASSERT_EQ(editor->Editor()->font().pointSize(), 14);
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F2, Qt::ControlModifier);
  Flush();
  const QString name = editor->FileName();
  ASSERT_EQ(printer_->jobs.size(), 3u);
  EXPECT_EQ(printer_->jobs[0], Job(QStringLiteral("1  ") + name, Lines(7).mid(0, 3)));
  EXPECT_EQ(printer_->jobs[1], Job(QStringLiteral("2  ") + name, Lines(7).mid(3, 3)));
  EXPECT_EQ(printer_->jobs[2], Job(QStringLiteral("3  ") + name, Lines(7).mid(6)));
  EXPECT_EQ(printer_->printouts, 1);
  EXPECT_EQ(Boxes(), QStringList{"Smart but Rough Printer Dump"});
  EXPECT_EQ(ui_.Last().buttons, MsgButtons::kOkCancel);
  EXPECT_EQ(printer_->fonts[0].family(), editor->Editor()->font().family());
  EXPECT_EQ(printer_->fonts[0].pointSize(), 10);
  EXPECT_EQ(printer_->colors[0], QColor(Qt::black));
  EXPECT_EQ(editor->Editor()->font().pointSize(), 14);
  EXPECT_FALSE(editor->Text().Modified());
}

// Yes breaks a long line in the text too (but never in a viewing copy), No prints a note in its place.
TEST_F(PrintingTest, ALongLineIsBrokenInTheTextOrSkippedAsAnswered) {
  const QString a84(84, QLatin1Char('a'));
  const QString ninety = a84 + QStringLiteral("bcdefg");
  const QString original = "first\r\n" + ninety + "\r\nlast";
  // clang-format off
  struct Case {
    const char* name;
    MsgResult answer;
    bool viewingCopy;
    QString textAfter;
    QStringList printed;
  } cases[] = {
      {"Yes", MsgResult::kYes, false, "first\r\n" + a84 + "\r\n--bcdefg\r\nlast", {"first", a84, "--bcdefg", "last"}},
      {"No", MsgResult::kNo, false, original, {"first", "skipped long line, length 90 bytes", "last"}},
      {"Yes in a viewing copy", MsgResult::kYes, true, original, {"first", a84, "--bcdefg", "last"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printer_->jobs.clear();
    ui_.Clear();
    TEditForm* editor =
        Document({"first", ninety, "last"}, QString::fromLatin1(c.name) + QStringLiteral(".txt"));
    if (c.viewingCopy) editor->SetNumber(101);
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerMessage(c.answer);
    Print1Click(*editor);
    Flush();
    ASSERT_EQ(printer_->jobs.size(), 1u);
    EXPECT_EQ(printer_->jobs[0], Job(editor->FileName(), c.printed));
    EXPECT_EQ(editor->Text().Text(), c.textAfter);
    const bool modified = c.textAfter != original;
    EXPECT_EQ(editor->Text().Modified(), modified);
    EXPECT_EQ(Panel(editor, 1), modified ? "Modified" : QString());
    ASSERT_EQ(ui_.Shown().size(), 2u);
    const ShownBox& question = ui_.Shown()[1];
    EXPECT_EQ(question.caption, "Line over 84 chars! BREAK IT?");
    EXPECT_EQ(question.type, MsgType::kWarning);
    EXPECT_EQ(question.buttons, MsgButtons::kYesNo);
    EXPECT_EQ(ui_.Beeps(), 1);
  }
}

TEST_F(PrintingTest, ASelectionPrintsFromItsStartToItsEnd) {
  // clang-format off
  struct Case {
    const char* name;
    int startLine, startColumn, endLine, endColumn;
    QStringList printed;
  } cases[] = {
      {"from the middle of line 3 to the middle of line 5", 2, 4, 4, 6, {"     3 abcdef", "line 4 abcdef", "line 5"}},
      {"inside one line", 1, 2, 1, 8, {"  ne 2 a"}},
      {"a last line taken through its line break prints whole", 0, 0, 2, 15,
       {"line 1 abcdef", "line 2 abcdef", "line 3 abcdef"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printer_->jobs.clear();
    ui_.Clear();
    QStringList lines = Lines(6);
    for (QString& line : lines) line += " abcdef";
    TEditForm* editor = Document(lines);
    TextControl& text = editor->Text();
    const int start = text.LineIndex(c.startLine) + c.startColumn;
    text.SetSelStart(start);
    text.SetSelLength(text.LineIndex(c.endLine) + c.endColumn - start);
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerMessage(MsgResult::kOk);
    Print1Click(*editor);
    ASSERT_EQ(printer_->jobs.size(), 1u);
    EXPECT_EQ(printer_->jobs[0], Job(editor->FileName(), c.printed));
    EXPECT_EQ(Boxes(), (QStringList{"Smart but Rough Printer Dump", "Print Selected Text?"}));
    EXPECT_EQ(ui_.Shown()[1].text,
              "If any line in the selected passage\r\n> 84 Chars printing may be inaccurate.");
    // Cancel at either question prints nothing.
    printer_->jobs.clear();
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerMessage(MsgResult::kCancel);
    Print1Click(*editor);
    ui_.AnswerMessage(MsgResult::kCancel);
    Print1Click(*editor);
    EXPECT_TRUE(printer_->jobs.empty());
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(PrintingTest, WithoutAPrinterSetupOffersAPdfFileThatPrintThenUses) {
  printer_->installed = false;
  TEditForm* editor = Document(Lines(2), "report.txt");
  ui_.AnswerMessage(MsgResult::kOk);
  Print1Click(*editor);
  EXPECT_TRUE(printer_->jobs.empty());
  ASSERT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_EQ(ui_.MessageLog()[0],
            QStringLiteral("No printer|No printer is installed, so there is nothing to print on.\r\n"
                           "Printer setup... on the File menu lets you print into a PDF file instead."));

  // Printer setup: No leaves everything as it was; Yes asks for the file.
  ui_.AnswerMessage(MsgResult::kNo);
  Printersetup1Click(*editor);
  EXPECT_TRUE(printer_->pdf.isEmpty());
  const QString pdf = QDir(env_.WorkFolder()).filePath("out");
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerSave(pdf);
  Trigger("Printersetup1");
  EXPECT_EQ(ui_.Last().kind, ShownBox::Kind::kSaveFile);
  EXPECT_EQ(ui_.Last().value, QDir(env_.WorkFolder()).filePath("report.pdf"));
  EXPECT_EQ(ui_.Last().items, QStringList{"PDF files (*.pdf)|*.pdf"});
  EXPECT_EQ(printer_->pdf, pdf + QStringLiteral(".pdf"));

  ui_.AnswerMessage(MsgResult::kOk);
  Print1Click(*editor);
  EXPECT_EQ(printer_->jobs.size(), 1u);

  // With a printer, Printer setup is the printer dialog.
  printer_->installed = true;
  ui_.AnswerPrinterSetup(true);
  Printersetup1Click(*editor);
  EXPECT_EQ(ui_.Last().kind, ShownBox::Kind::kPrinterSetup);
  EXPECT_TRUE(ui_.AllAnswered());
}

// The words of each page of a PDF, with where they start, in points from the page's top left corner.
struct PdfWord {
  double left, top, width;
  QString text;
};

std::vector<std::vector<PdfWord>> PdfWords(const QString& pdftotext, const QString& pdf) {
  QProcess process;
  process.start(pdftotext, {"-bbox", pdf, "-"});
  if (!process.waitForFinished(30000)) return {};
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  static const QRegularExpression kWord(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
  std::vector<std::vector<PdfWord>> pages;
  for (const QString& page : html.split("<page ").mid(1)) {
    pages.emplace_back();
    for (const QRegularExpressionMatch& m : kWord.globalMatch(page)) {
      const double left = m.captured(1).toDouble();
      pages.back().push_back(
          {left, m.captured(2).toDouble(), m.captured(3).toDouble() - left, m.captured(4)});
    }
  }
  return pages;
}

TEST_F(PrintingTest, APdfPrintedThroughQtHoldsEveryPageWithHeaderAndMargin) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  auto qtPrinter = std::make_unique<QtLinePrinter>();
  const QString pdf = QDir(env_.WorkFolder()).filePath("printed.pdf");
  qtPrinter->SetPdfFile(pdf);
  frame_->SetPrinter(std::move(qtPrinter));
  // Where the printable area of a PDF page starts.
  QPrinter reference(QPrinter::HighResolution);
  reference.setOutputFormat(QPrinter::PdfFormat);
  const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);

  const QStringList lines = Lines(150, "text of line ");
  TEditForm* editor = Document(lines);
  ui_.AnswerMessage(MsgResult::kOk);
  Print1Click(*editor);

  const std::vector<std::vector<PdfWord>> pages = PdfWords(pdftotext, pdf);
  ASSERT_GE(pages.size(), 2u) << "150 lines take more than one page";
  QStringList printed;
  for (size_t p = 0; p < pages.size(); ++p) {
    SCOPED_TRACE(p + 1);
    const std::vector<PdfWord>& words = pages[p];
    ASSERT_GE(words.size(), 6u);
    // The header: the page number after the seven-blank margin, two blanks, the full file name.
    const QString number = QString::number(p + 1);
    EXPECT_EQ(words[0].text, number);
    EXPECT_EQ(words[1].text, editor->FileName());
    const double charWidth = words[0].width / number.size();
    const auto column = [&](const PdfWord& word) { return qRound((word.left - area.left()) / charWidth); };
    EXPECT_EQ(column(words[0]), 7);
    EXPECT_EQ(column(words[1]), 7 + number.size() + 2);
    // Two empty lines above the header and one below it.
    const double headerTop = words[0].top;
    const double firstTop = words[2].top;
    double lineHeight = 0;
    for (const PdfWord& word : words) {
      if (word.top > firstTop + 1) {
        lineHeight = word.top - firstTop;
        break;
      }
    }
    ASSERT_GT(lineHeight, 0);
    EXPECT_NEAR(firstTop - headerTop, 2 * lineHeight, 1.0);
    EXPECT_NEAR(headerTop - area.top(), 2 * lineHeight, 1.0);
    // Every line of text starts at the margin.
    double lineTop = -1;
    for (size_t w = 2; w < words.size(); ++w) {
      if (words[w].top > lineTop + 1) {
        lineTop = words[w].top;
        EXPECT_EQ(column(words[w]), 7) << words[w].text.toStdString();
        printed << words[w].text;
      } else {
        printed.last() += QLatin1Char(' ') + words[w].text;
      }
    }
  }
  EXPECT_EQ(printed, lines);
}

}  // namespace
}  // namespace penwick::test
