// The two toolbars. Each button is a QAction named by its key, with the
// tooltip the user sees; buttons whose commands come later are disabled.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "app/main_window.h"
#include "app/toolbar_icons.h"

namespace zefrin {

namespace {

QAction* button(QToolBar* bar, const char* key, const char* label, const char* tooltip,
                std::function<void()> command = {}) {
  QAction* action = bar->addAction(QString::fromUtf8(label));
  action->setObjectName(QString::fromLatin1(key));
  action->setToolTip(QString::fromUtf8(tooltip));
  action->setIcon(toolbarIcon(action->objectName()));
  if (command) {
    QObject::connect(action, &QAction::triggered, action, [command] { command(); });
  } else {
    action->setEnabled(false);
  }
  return action;
}

QAction* toggle(QToolBar* bar, const char* key, const char* label, const char* tooltip,
                std::function<void(bool)> command) {
  QAction* action = bar->addAction(QString::fromUtf8(label));
  action->setObjectName(QString::fromLatin1(key));
  action->setToolTip(QString::fromUtf8(tooltip));
  action->setIcon(toolbarIcon(action->objectName()));
  action->setCheckable(true);
  QObject::connect(action, &QAction::triggered, action, [command](bool pressed) { command(pressed); });
  return action;
}

// A button with a drop-down list of items; choosing one calls `choose` with
// its 1-based position and shows its caption and icon on the button.
QMenu* dropDown(QToolBar* bar, QAction* action, const QStringList& items, std::function<void(int16_t)> choose,
                std::function<QIcon(int16_t)> iconOf) {
  auto* menu = new QMenu(bar);
  for (int i = 0; i < items.size(); ++i) {
    QAction* entry = menu->addAction(iconOf(static_cast<int16_t>(i + 1)), items[i]);
    QObject::connect(entry, &QAction::triggered, bar, [action, entry, choose, i] {
      action->setText(entry->text());
      action->setIcon(entry->icon());
      choose(static_cast<int16_t>(i + 1));
    });
  }
  action->setMenu(menu);
  if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
    tool->setPopupMode(action->isCheckable() ? QToolButton::MenuButtonPopup : QToolButton::InstantPopup);
  }
  return menu;
}

// The captions stay as the actions' texts and tooltips; the buttons show the
// drawn icons alone.
void showIconsOnly(QToolBar* bar) {
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setIconSize(QSize(24, 24));
}

}  // namespace

void MainWindow::buildToolbars() {
  toolbar1_ = buildMainToolbar();
  toolbar2_ = buildPaintToolbar();
  toolbar2_->hide();
}

QToolBar* MainWindow::buildMainToolbar() {
  QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
  bar->setObjectName(QStringLiteral("Toolbar1"));
  showIconsOnly(bar);
  button(bar, "new", "New", "New", [this] { newImage(); });
  button(bar, "open", "Open", "Open", [this] { openImage(); });
  button(bar, "save", "Save", "Save", [this] { saveActiveImage(); });
  bar->addSeparator();
  button(bar, "start", "Go", "Go", [this] { startRun(); });
  QAction* clearup = toggle(bar, "clearup", "Clear", "Clear all at each start-up", [this](bool on) { setClearUp(on); });
  clearup->setChecked(true);
  button(bar, "break", "Break", "Break", [this] { breakRun(); });
  button(bar, "end", "Brush", "Make a brush");
  bar->addSeparator();
  button(bar, "undo", "Undo", "Undo", [this] { undo(); });
  button(bar, "clean", "Clear all", "Clear all ", [this] { clearImage(); });
  button(bar, "selector", "Last", "Last selection", [this] { showSelection(); });
  QAction* shape = toggle(bar, "selectorshape", "Rectangular", "Rectangular or border-shaped selection",
                          [this](bool on) { toggleSelectorShape(on); });
  dropDown(bar, shape, {"Rectangular", "Shape", "Freehand", "Line", "Color selection"},
           [this](int16_t kind) { chooseSelectorShape(kind); }, selectionKindIcon);
  button(bar, "selectall", "All", "Select all", [this] { selectAll(); });
  bar->addSeparator();
  button(bar, "shape", "Shape", "Shape settings");
  button(bar, "color", "Colour", "Color settings");
  button(bar, "size", "Size", "Sizes and arrangements");
  button(bar, "pattern", "Pattern", "Pattern");
  bar->addSeparator();
  button(bar, "rotate", "Rotate", "Rotate, flip and resize");
  button(bar, "tile", "Tile", "Duplication ");
  button(bar, "invertcolors", "Invert", "Invert colors");
  button(bar, "effects", "Effects", "Effects");
  button(bar, "text", "Text", "Text");
  bar->addSeparator();
  toggle(bar, "paint", "Paint", "Make visible Toolbar2", [this](bool on) { togglePaintToolbar(on); });
  button(bar, "help", "Help", "Help", [this] { showHelpContent(); });
  return bar;
}

QToolBar* MainWindow::buildPaintToolbar() {
  addToolBarBreak();
  QToolBar* bar = addToolBar(QStringLiteral("Toolbar2"));
  bar->setObjectName(QStringLiteral("Toolbar2"));
  showIconsOnly(bar);
  const QStringList widths{"1", "2", "4", "10", "30"};
  const auto widthOf = [widths](int16_t item) { return static_cast<int16_t>(widths[item - 1].toInt()); };
  // The painting tools come with their own work; until then they are shown disabled.
  button(bar, "pen", "Pen", "Pen tool");
  button(bar, "brush", "Brush", "Brush tool");
  button(bar, "line1", "Line", "Line tool");
  button(bar, "line2", "Polyline", "Bezigon");
  button(bar, "bezye", "Bezier", "Bezie tool");
  button(bar, "spray", "Spray", "Spray tool");
  QAction* drop = button(bar, "drop", "1", "Set paint width", [] {});
  dropDown(bar, drop, widths, [this, widthOf](int16_t item) { paintwidth = widthOf(item); },
           [widthOf](int16_t item) { return lineWidthIcon(widthOf(item), false); });
  button(bar, "fcolor", "Colour", "Set paint color ");
  button(bar, "pipetka", "Eyedropper", "Eyedropper tool");
  button(bar, "lastik", "Eraser", "Eraser tool");
  QAction* drop1 = button(bar, "drop1", "1", "Set eraser width", [] {});
  dropDown(bar, drop1, widths, [this, widthOf](int16_t item) { eraserwidth = widthOf(item); },
           [widthOf](int16_t item) { return lineWidthIcon(widthOf(item), true); });
  button(bar, "scolor", "Eraser colour", "Set eraser color ");
  button(bar, "fill", "Fill", "Fill tool");
  button(bar, "mashtab", "Zoom", "Zoom tool", [this] { zoomButton(); });
  button(bar, "lasso", "Lasso", "Lasso tool");
  return bar;
}

}  // namespace zefrin
