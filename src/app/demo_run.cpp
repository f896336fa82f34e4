#include "app/demo_run.h"

#include <QPixmap>
#include <QString>
#include <iostream>

#include "app/main_window.h"
#include "platform/qt/image_files.h"

namespace zefrin {

int runDemo(MainWindow& window, const std::string& outputPng) {
  ImageWindow* image = window.newImage();
  window.startRun();
  for (const ImageCodec& encoder : imageEncoders()) {
    if (encoder.mimeType != "image/png") continue;
    const ImageSaveResult saved = saveImageFile(image->document().picture().persistentRaster(), outputPng, encoder);
    if (saved.ok) {
      // A picture of the whole main window next to it, to see what a user sees.
      window.grab().save(QString::fromStdString(outputPng + ".window.png"));
      return 0;
    }
    std::cerr << "zefrin: could not save " << outputPng << ": " << saved.error << '\n';
    return 1;
  }
  std::cerr << "zefrin: no PNG encoder\n";
  return 1;
}

}  // namespace zefrin
