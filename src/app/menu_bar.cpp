// The menu bar. Items whose commands come with later work (dialogs, tools,
// image and colour operations, clipboard) are present and disabled.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <initializer_list>

#include "app/main_window.h"
#include "app/recent_files_menu.h"

namespace zefrin {

namespace {

QAction* item(QMenu* menu, const char* caption, std::function<void()> command = {},
              const char* shortcut = nullptr) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  if (command) {
    QObject::connect(action, &QAction::triggered, action, [command] { command(); });
  } else {
    action->setEnabled(false);
  }
  return action;
}

void disabledItems(QMenu* menu, std::initializer_list<const char*> captions) {
  for (const char* caption : captions) item(menu, caption);
}

}  // namespace

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  item(file, "&New", [this] { newImage(); }, "Ctrl+N");
  item(file, "&Open", [this] { openImage(); }, "Ctrl+O");
  item(file, "&Save", [this] { saveActiveImage(); }, "Ctrl+S");
  file->addSeparator();
  item(file, "Print Setup", [this] { printSetup(); });
  item(file, "Print", [this] { printActiveImage(); });
  file->addSeparator();
  recentMenu_ = std::make_unique<RecentFilesMenu>(*file, [this](const std::string& path) { openImage(path); });
  item(file, "&Close", [this] { closeActiveImage(); }, "Ctrl+C");
  item(file, "&Exit", [this] { close(); }, "Ctrl+E");

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  item(edit, "&Undo", [this] { undo(); }, "Ctrl+U");
  item(edit, "&Start", [this] { startRun(); });
  item(edit, "&Copy");
  QMenu* paste = edit->addMenu(QStringLiteral("&Paste"));
  disabledItems(paste, {"As new Image", "As new Image Flip, Potate and Resize", "As new selection with fixed sizes ",
                        "As new selection with free sizes", "As new selection with transparent color",
                        "Shaped selection", "Paste and Add", "AlphaBlend"});
  item(edit, "&Clear", [this] { clearImage(); });
  item(edit, "Se&lection", [this] { showSelection(); });
  item(edit, "S&elect all", [this] { selectAll(); });

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  disabledItems(options, {"&Shape", "&Colour", "Si&ze", "&Function"});

  QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
  item(tools, "&Rotate and Resize");
  item(tools, "&Duplicate", {}, "Ctrl+D");
  item(tools, "&Effects");
  item(tools, "&Text", {}, "Ctrl+T");

  QMenu* image = bar->addMenu(QStringLiteral("&Image"));
  disabledItems(image->addMenu(QStringLiteral("Softening Filters")), {"Soften", "Soften More", "Blur", "Blur More"});
  disabledItems(image->addMenu(QStringLiteral("Sharpening Filters")),
                {"Sharpen", "Sharpen1", "Sharpen More", "Unsharp", "Sharpen Edges", "Sharpen Edges1"});
  disabledItems(image->addMenu(QStringLiteral("Special Filters")), {"&Emboss...", "&Emboss1...", "&Emboss2..."});
  disabledItems(image, {"Add &Noise...", "Mi&nimum Rank Filter...", "Me&dian Rank Filter...",
                        "Ma&ximum Rank Filter...", "Contour", "&Custom Defined Filters...", "&Resample...",
                        "Co&mbine...", "Te&xturising", "Colour channels"});

  QMenu* colours = bar->addMenu(QStringLiteral("&Colours"));
  disabledItems(colours, {"&Darken...", "&Lighten...", "&Colourise...", "&Negative Image...", "&Gray Scale...",
                          "&B/W (Floyd-Steinberg)...", "&Apply Palette..."});

  windowsMenu_ = bar->addMenu(QStringLiteral("&Windows"));
  item(windowsMenu_, "&Cascade", [this] { cascade(); });
  item(windowsMenu_, "&TileHorizontal", [this] { tileHorizontally(); });
  item(windowsMenu_, "&TileVertical", [this] { tileVertically(); });
  windowListStart_ = windowsMenu_->addSeparator();
  connect(windowsMenu_, &QMenu::aboutToShow, this, [this] { refreshWindowList(); });

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  item(help, "Content", [this] { showHelpContent(); });
  item(help, "Zefrin on the &Web", [this] { openWebPage(); }, "F1");
  item(help, "&About...", [this] { showAbout(); });
}

}  // namespace zefrin
