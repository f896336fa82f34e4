// File menu: new, open, save, close.
#include <QMdiArea>

#include "app/dialog_provider.h"
#include "app/main_window.h"
#include "files/image_codecs.h"
#include "platform/qt/image_files.h"
#include "platform/seams/messenger.h"

namespace zefrin {

ImageWindow* MainWindow::newImage() {
  GenSet& genset = state_->genset;
  ImageWindow* window = createImageWindow(genset.imagewidth, genset.imageheight);
  ImageDocument& doc = window->document();
  doc.setFilename("Image " + std::to_string(NewImageIndex()));
  window->setWindowTitle(QString::fromStdString("Image: " + doc.FileTitle()));
  doc.selectall(genset);
  window->sizeimagewindow(doc.ImageWidth(), doc.ImageHeight(), window->x(), window->y());
  mdi_->setActiveSubWindow(window);
  onSubWindowActivated();
  return window;
}

ImageWindow* MainWindow::openImage(const std::string& prefill) {
  const std::vector<FileFilter> filters = filtersFromText(codecFilterText(imageDecoders()));
  const std::optional<std::string> path = dialogs_.openFileName(this, filters, prefill);
  if (!path) return nullptr;
  ImageLoadResult loaded = loadImageFile(*path);
  if (!loaded.ok) {
    messenger_.information("Could not load file: " + loaded.error);
    return nullptr;
  }
  // The picture keeps the image's full size; the window scrolls when it is
  // larger than the room the main window has.
  ImageWindow* window = createImageWindow(loaded.image.width(), loaded.image.height());
  ImageDocument& doc = window->document();
  window->setWindowTitle(QString::fromStdString("Image: " + *path));
  doc.setFilename(*path);
  doc.picture().load(loaded.image);
  doc.selectall(state_->genset);
  window->sizeimagewindow(doc.ImageWidth(), doc.ImageHeight(), 160, 130);
  mdi_->setActiveSubWindow(window);
  onSubWindowActivated();
  AddMRUFile(*path);
  return window;
}

bool MainWindow::saveActiveImage() {
  ImageWindow* window = activeimage();
  return window && saveImage(*window);
}

bool MainWindow::saveImage(ImageWindow& window) {
  const std::vector<ImageCodec> encoders = imageEncoders();
  const std::optional<SaveChoice> choice = dialogs_.saveFileName(this, filtersFromText(codecFilterText(encoders)));
  if (!choice) return false;
  const std::optional<ImageCodec> encoder = chooseEncoder(encoders, choice->filterIndex, choice->path);
  if (!encoder) {
    messenger_.error("Could not save file: no image encoder is available.");
    return false;
  }
  const std::string path = nameWithExtension(choice->path, *encoder);
  const ImageSaveResult saved = saveImageFile(window.document().picture().persistentRaster(), path, *encoder);
  if (!saved.ok) {
    messenger_.error("Could not save file: " + saved.error);
    return false;
  }
  AddMRUFile(path);
  return true;
}

void MainWindow::closeActiveImage() {
  if (ImageWindow* window = activeimage()) window->close();
}

}  // namespace zefrin
