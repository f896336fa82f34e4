#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiArea>
#include <QLabel>
#include <QScrollArea>

#include "app/status_bar.h"

#include "app/recent_files_menu.h"
#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using FileCommandsTest = AppTest;

QByteArray fileBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture with a distinct colour in every 8 x 8 block.
void paintBlocks(Picture& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, rgb((x / 8) * 16 % 256, (y / 8) * 32 % 256, 90));
  }
}

// Mean difference per colour channel.
double meanDifference(const RasterImage& a, const RasterImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      for (int shift : {0, 8, 16}) {
        const int pa = static_cast<int>((a.at(x, y) >> shift) & 0xFF), pb = static_cast<int>((b.at(x, y) >> shift) & 0xFF);
        sum += std::abs(pa - pb);
      }
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

TEST_F(FileCommandsTest, SaveAndOpenRoundTripsThroughTheCommands) {
  struct Case {
    const char* filter;
    const char* name;
    const char* expectedFile;
    double tolerance;
  };
  const Case cases[] = {{"PNG", "round", "round.PNG", 0}, {"BMP", "round.bmp", "round.bmp", 0},
                        {"JPEG", "photo", "photo.JPG", 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    ImageWindow* image = window->newImage();
    paintBlocks(image->document().picture());
    dialogs.saveAnswers.push_back(std::nullopt);  // learn the filters first
    EXPECT_FALSE(window->saveActiveImage());
    const int32_t filter = dialogs.saveFilterIndex(c.filter);
    ASSERT_GE(filter, 0);
    dialogs.saveAnswers.push_back(SaveChoice{tempPath(c.name), filter});
    ASSERT_TRUE(window->saveActiveImage()) << messenger.texts().back();
    const std::string written = tempPath(c.expectedFile);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(written))) << written;
    EXPECT_TRUE(image->document().Dirty() || image->document().undoTop() < 0);  // saving leaves the flag alone

    dialogs.openAnswers.push_back(written);
    ImageWindow* opened = window->openImage();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle().toStdString(), "Image: " + written);
    EXPECT_EQ(opened->document().Filename(), written);
    ASSERT_EQ(opened->document().ImageWidth(), image->document().ImageWidth());
    EXPECT_LE(meanDifference(opened->document().picture().persistentRaster(),
                            image->document().picture().persistentRaster()),
              c.tolerance);
    EXPECT_EQ(window->recentFiles().File(1), written);
  }
  EXPECT_FALSE(dialogs.openFilters.empty());
  EXPECT_EQ(dialogs.openFilters.back().caption, "All Files (*.*)");
}

TEST_F(FileCommandsTest, LargeImageOpensAtFullSizeInAScrollingWindowAndSavesWhole) {
  QImage wide(1024, 600, QImage::Format_RGB32);
  wide.fill(Qt::white);
  for (int y = 0; y < 600; ++y) wide.setPixel(1023, y, qRgb(10, 200, 30));
  const std::string source = tempPath("wide.png");
  ASSERT_TRUE(wide.save(QString::fromStdString(source)));
  dialogs.openAnswers.push_back(source);
  ImageWindow* opened = window->openImage();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->document().ImageWidth(), 1024);
  EXPECT_EQ(opened->document().ImageHeight(), 600);
  EXPECT_LE(opened->width(), window->mdiArea()->viewport()->width());  // the window is capped, the picture is not
  EXPECT_EQ(window->statusPanes().lblSize()->text().toStdString(), "1024 x 600 ");

  dialogs.saveAnswers.push_back(std::nullopt);
  window->saveActiveImage();
  dialogs.saveAnswers.push_back(SaveChoice{tempPath("wide-copy.png"), dialogs.saveFilterIndex("PNG")});
  ASSERT_TRUE(window->saveActiveImage());
  const QImage back(QString::fromStdString(tempPath("wide-copy.png")));
  ASSERT_EQ(back.width(), 1024);
  EXPECT_EQ(back.pixel(1023, 599), qRgb(10, 200, 30));
}

TEST_F(FileCommandsTest, UnreadableFilesSayWhyAndOpenNoWindow) {
  const std::string garbage = tempPath("garbage.png");
  {
    QFile file(QString::fromStdString(garbage));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a picture at all");
  }
  for (const std::string& path : {garbage, tempPath("missing.png")}) {
    messenger.messages.clear();
    dialogs.openAnswers.push_back(path);
    EXPECT_EQ(window->openImage(), nullptr);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0].text.rfind("Could not load file: ", 0), 0u) << messenger.messages[0].text;
    EXPECT_GT(messenger.messages[0].text.size(), std::string("Could not load file: ").size());
  }
  EXPECT_EQ(window->amountchildforms(), 0);
  EXPECT_EQ(window->recentFiles().FileCount(), 0);
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
  ImageWindow* image = window->newImage();
  dialogs.saveAnswers.push_back(std::nullopt);
  window->saveActiveImage();
  const int32_t png = dialogs.saveFilterIndex("PNG");
  const std::string target = tempPath("kept.png");
  dialogs.saveAnswers.push_back(SaveChoice{target, png});
  ASSERT_TRUE(window->saveActiveImage());
  const QByteArray before = fileBytes(target);

  paintBlocks(image->document().picture());
  const std::string noFolder = tempPath("no/such/folder/x.png");
  dialogs.saveAnswers.push_back(SaveChoice{noFolder, png});
  messenger.messages.clear();
  EXPECT_FALSE(window->saveActiveImage());
  ASSERT_EQ(messenger.messages.size(), 1u);
  EXPECT_EQ(messenger.messages[0].text.rfind("Could not save file: ", 0), 0u);

  QFile::setPermissions(QString::fromStdString(tempDir), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  dialogs.saveAnswers.push_back(SaveChoice{target, png});
  const bool savedIntoReadOnly = window->saveActiveImage();
  QFile::setPermissions(QString::fromStdString(tempDir),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (!savedIntoReadOnly) {  // root may write anyway; then there is nothing to check
    EXPECT_EQ(fileBytes(target), before);
  }
  EXPECT_EQ(window->recentFiles().FileCount(), 1);
}

TEST_F(FileCommandsTest, RecentFilesMenuShowsTheListNewestFirstAndReopensThroughTheDialog) {
  QMenu* file = window->menuBar()->actions().at(0)->menu();
  std::vector<QAction*> items;
  for (QAction* action : file->actions()) {
    if (action->objectName().startsWith("mnuMRU") && !action->isSeparator()) items.push_back(action);
  }
  ASSERT_EQ(items.size(), 4u);
  QAction* separator = nullptr;
  for (QAction* action : file->actions()) {
    if (action->objectName() == "mnuMRUSeparator") separator = action;
  }
  ASSERT_NE(separator, nullptr);
  for (QAction* item : items) EXPECT_FALSE(item->isVisible());
  EXPECT_FALSE(separator->isVisible());

  for (int i = 1; i <= 5; ++i) window->AddMRUFile(tempPath(std::to_string(i).append(".png")));
  EXPECT_TRUE(separator->isVisible());
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(items[static_cast<size_t>(i)]->isVisible());
    EXPECT_EQ(items[static_cast<size_t>(i)]->text().toStdString(), window->recentFiles().MenuCaption(i + 1));
  }
  EXPECT_EQ(window->recentFiles().File(1), tempPath("5.png"));
  EXPECT_EQ(window->recentFiles().File(4), tempPath("2.png"));

  items[2]->trigger();  // cancelled in the dialog: nothing opens
  EXPECT_EQ(dialogs.prefills.back(), window->recentFiles().File(3));
  EXPECT_EQ(window->amountchildforms(), 0);
}

TEST_F(FileCommandsTest, RecentFilesAreSavedAtCloseAndLoadedAtStart) {
  window->AddMRUFile("/pictures/a.png");
  window->AddMRUFile("/pictures/b.png");
  restart();
  EXPECT_EQ(window->recentFiles().FileCount(), 2);
  EXPECT_EQ(window->recentFiles().File(1), "/pictures/b.png");
}

TEST_F(FileCommandsTest, DamagedSettingsStoreDoesNotStopTheProgram) {
  const auto value = [](const char* name) { return std::string(kRecentFilesKey).append(name); };
  settings.numbers[value("/MaxCount")] = 2000000000;
  settings.numbers[value("/Count")] = -7;
  settings.texts[value("/File1")] = std::string(100000, 'x');
  restart();
  EXPECT_TRUE(window->isVisible());
  EXPECT_LE(window->recentFiles().FileCount(), window->recentFiles().MaxFileCount());
  window->newImage();
  EXPECT_EQ(window->amountchildforms(), 1);
}

TEST_F(FileCommandsTest, PrintWithoutPrinterWritesAPdf) {
  window->newImage();
  dialogs.printFile = tempPath("print.pdf");
  trigger("&File", "Print");
  EXPECT_TRUE(fileBytes(*dialogs.printFile).startsWith("%PDF"));
}

}  // namespace
}  // namespace zefrin::testing
