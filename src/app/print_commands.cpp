// Printing: the picture at the top left of the page at its own size. Errors
// of the printing system are ignored; without any printer the print goes to
// a PDF file the user names.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/dialog_provider.h"
#include "app/main_window.h"

namespace zefrin {

void MainWindow::printSetup() { dialogs_.printerSetup(this, *printer_); }

void MainWindow::printActiveImage() {
  ImageWindow* window = activeimage();
  if (!window) return;
  const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty() && printer_->printerName().isEmpty();
  if (printer_->outputFileName().isEmpty() && noPrinter) {
    const std::optional<std::string> file = dialogs_.printFileName(this);
    if (!file) return;
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QString::fromStdString(*file));
  }
  const RasterImage& raster = window->document().picture().persistentRaster();
  const QImage image(reinterpret_cast<const uchar*>(raster.data()), raster.width(), raster.height(),
                     static_cast<qsizetype>(raster.width()) * 4, QImage::Format_RGB32);
  QPainter painter;
  if (!painter.begin(printer_.get())) return;
  painter.drawImage(QPoint(0, 0), image);
  painter.end();
}

}  // namespace zefrin
