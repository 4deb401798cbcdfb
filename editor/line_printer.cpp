#include "editor/line_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/ui.h"

namespace penwick {

QtLinePrinter::QtLinePrinter() = default;

QtLinePrinter::~QtLinePrinter() { EndPrintout(); }

QPrinter& QtLinePrinter::Device() const {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // With no default printer chosen, the first installed one.
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printer_->printerName().isEmpty() && !printers.isEmpty()) {
      printer_->setPrinterName(printers.first().printerName());
    }
  }
  return *printer_;
}

bool QtLinePrinter::HasInstalledPrinter() const { return !QPrinterInfo::availablePrinters().isEmpty(); }

bool QtLinePrinter::ToPdf() const {
  return Device().outputFormat() == QPrinter::PdfFormat && !Device().outputFileName().isEmpty();
}

QString QtLinePrinter::PdfFile() const { return ToPdf() ? Device().outputFileName() : QString(); }

void QtLinePrinter::SetPdfFile(const QString& fileName) {
  EndPrintout();
  Device().setOutputFormat(QPrinter::PdfFormat);
  Device().setOutputFileName(fileName);
}

bool QtLinePrinter::Setup(Ui& ui) {
  EndPrintout();
  return ui.SetupPrinter(Device());
}

int QtLinePrinter::PageHeight() { return Device().height(); }

int QtLinePrinter::TextHeight(const QFont& font) { return QFontMetrics(font, &Device()).height(); }

bool QtLinePrinter::PrintPage(const QString& title, const QStringList& lines, const QFont& font,
                              const QColor& color, QString* error) {
  QPrinter& printer = Device();
  if (painter_ && painter_->isActive()) {
    printer.newPage();
  } else {
    printer.setDocName(title);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer)) {
      painter_.reset();
      if (error) {
        *error = ToPdf()
                     ? QStringLiteral("Unable to write to %1").arg(printer.outputFileName())
                     : QStringLiteral("The printer %1 could not start printing.").arg(printer.printerName());
      }
      return false;
    }
  }
  painter_->setFont(font);
  painter_->setPen(color);
  const QFontMetrics metrics(font, &printer);
  const int height = metrics.height();
  const int width = printer.width();
  int y = 0;
  for (const QString& line : lines) {
    painter_->drawText(QRect(0, y, width, height),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs, line);
    y += height;
  }
  // Every page is a print job of its own; a PDF file stays open for the pages still to come.
  if (!ToPdf()) EndPrintout();
  return true;
}

void QtLinePrinter::EndPrintout() {
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
}

}  // namespace penwick
