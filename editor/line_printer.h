#pragma once
// The printer as Print sees it: pages of text lines in one font. The frame holds one for the whole program;
// QtLinePrinter prints through Qt on the installed printer, or into a PDF file chosen in Printer setup.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

class QPainter;
class QPrinter;

namespace penwick {

class Ui;

class LinePrinter {
 public:
  virtual ~LinePrinter() = default;

  // Whether the system has a printer installed.
  virtual bool HasInstalledPrinter() const = 0;
  // The PDF file printouts go into instead of a printer; empty while they go to the printer.
  virtual QString PdfFile() const = 0;
  virtual void SetPdfFile(const QString& fileName) = 0;
  // The platform's printer setup dialog, shown through ui; false when it was cancelled.
  virtual bool Setup(Ui& ui) = 0;

  // The height of the page's printable area and of one line of text in font, in the same units.
  virtual int PageHeight() = 0;
  virtual int TextHeight(const QFont& font) = 0;
  // Prints lines one under another from the top of a page, in font and color. On a printer each page is a
  // job of its own; into a PDF file the pages of one printout go into one file. False, with a message in
  // error, when nothing could be printed.
  virtual bool PrintPage(const QString& title, const QStringList& lines, const QFont& font,
                         const QColor& color, QString* error) = 0;
  // The printout is complete.
  virtual void EndPrintout() = 0;
};

class QtLinePrinter : public LinePrinter {
 public:
  QtLinePrinter();
  ~QtLinePrinter() override;

  bool HasInstalledPrinter() const override;
  QString PdfFile() const override;
  void SetPdfFile(const QString& fileName) override;
  bool Setup(Ui& ui) override;
  int PageHeight() override;
  int TextHeight(const QFont& font) override;
  bool PrintPage(const QString& title, const QStringList& lines, const QFont& font, const QColor& color,
                 QString* error) override;
  void EndPrintout() override;

 private:
  // Made on first use: asking the system for its printers can take a moment.
  QPrinter& Device() const;
  bool ToPdf() const;

  mutable std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;  // open from the first page to the end of a PDF printout
};

}  // namespace penwick
