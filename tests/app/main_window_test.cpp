#include <QFileInfo>
#include <QLabel>
#include <QUrl>
#include <QMdiArea>
#include <QProgressBar>
#include <QToolBar>

#include "app/status_bar.h"
#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, MenuItemsHaveTheirCaptionsShortcutsAndState) {
  struct Item {
    const char* menu;
    const char* caption;
    const char* shortcut;
    bool enabled;
  };
  const Item items[] = {
      {"&File", "&New", "Ctrl+N", true},          {"&File", "&Open", "Ctrl+O", true},
      {"&File", "&Save", "Ctrl+S", true},         {"&File", "Print Setup", "", true},
      {"&File", "Print", "", true},               {"&File", "&Close", "Ctrl+C", true},
      {"&File", "&Exit", "Ctrl+E", true},         {"&Edit", "&Undo", "Ctrl+U", true},
      {"&Edit", "&Start", "", true},              {"&Edit", "&Copy", "", false},
      {"&Edit", "As new Image", "", false},       {"&Edit", "AlphaBlend", "", false},
      {"&Edit", "As new selection with fixed sizes ", "", false},
      {"&Edit", "&Clear", "", true},              {"&Edit", "Se&lection", "", true},
      {"&Edit", "S&elect all", "", true},         {"&Options", "&Shape", "", false},
      {"&Options", "&Function", "", false},       {"&Tools", "&Duplicate", "Ctrl+D", false},
      {"&Tools", "&Text", "Ctrl+T", false},       {"&Tools", "&Effects", "", false},
      {"&Image", "Soften", "", false},            {"&Image", "Sharpen Edges1", "", false},
      {"&Image", "&Emboss2...", "", false},       {"&Image", "Co&mbine...", "", false},
      {"&Colours", "&B/W (Floyd-Steinberg)...", "", false},
      {"&Colours", "&Negative Image...", "", false},
      {"&Windows", "&Cascade", "", true},         {"&Windows", "&TileHorizontal", "", true},
      {"&Windows", "&TileVertical", "", true},    {"&Help", "Content", "", true},
      {"&Help", "Zefrin on the &Web", "F1", true}, {"&Help", "&About...", "", true},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(std::string(item.menu) + " > " + item.caption);
    QAction* action = menuItem(item.menu, item.caption);
    EXPECT_EQ(action->shortcut().toString().toStdString(), item.shortcut);
    EXPECT_EQ(action->isEnabled(), item.enabled);
  }
  std::vector<std::string> menus;
  for (QAction* top : window->menuBar()->actions()) menus.push_back(top->text().toStdString());
  EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "&Options", "&Tools", "&Image", "&Colours",
                                             "&Windows", "&Help"}));
}

TEST_F(MainWindowTest, ToolbarsHaveTheirKeysTooltipsAndState) {
  struct Button {
    const char* key;
    const char* tooltip;
    bool enabled;
  };
  const Button buttons[] = {
      {"new", "New", true}, {"open", "Open", true}, {"save", "Save", true}, {"start", "Go", true},
      {"clearup", "Clear all at each start-up", true}, {"break", "Break", true}, {"end", "Make a brush", false},
      {"undo", "Undo", true}, {"clean", "Clear all ", true}, {"selector", "Last selection", true},
      {"selectorshape", "Rectangular or border-shaped selection", true}, {"selectall", "Select all", true},
      {"shape", "Shape settings", false}, {"color", "Color settings", false},
      {"size", "Sizes and arrangements", false}, {"pattern", "Pattern", false},
      {"rotate", "Rotate, flip and resize", false}, {"tile", "Duplication ", false},
      {"invertcolors", "Invert colors", false}, {"effects", "Effects", false}, {"text", "Text", false},
      {"paint", "Make visible Toolbar2", true}, {"help", "Help", true},
      {"pen", "Pen tool", false}, {"brush", "Brush tool", false}, {"line1", "Line tool", false},
      {"line2", "Bezigon", false}, {"bezye", "Bezie tool", false}, {"spray", "Spray tool", false},
      {"drop", "Set paint width", true}, {"fcolor", "Set paint color ", false},
      {"pipetka", "Eyedropper tool", false}, {"lastik", "Eraser tool", false},
      {"drop1", "Set eraser width", true}, {"scolor", "Set eraser color ", false}, {"fill", "Fill tool", false},
      {"mashtab", "Zoom tool", true}, {"lasso", "Lasso tool", false},
  };
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.key);
    EXPECT_EQ(toolButton(b.key)->toolTip().toStdString(), b.tooltip);
    EXPECT_EQ(toolButton(b.key)->isEnabled(), b.enabled);
  }
  EXPECT_TRUE(window->toolbar1()->isVisible());
  EXPECT_FALSE(window->toolbar2()->isVisible());
  toolButton("paint")->trigger();
  EXPECT_TRUE(window->toolbar2()->isVisible());
  toolButton("paint")->trigger();
  EXPECT_FALSE(window->toolbar2()->isVisible());
}

TEST_F(MainWindowTest, StartsReadyWithClearUpPressedAndRectangularSelection) {
  EXPECT_EQ(window->windowTitle().toStdString(), "Zefrin");
  MainStatusBar& bar = window->statusPanes();
  EXPECT_EQ(bar.lblStatus()->text().toStdString(), "Ready");
  EXPECT_FALSE(bar.prgMain()->isVisible());
  EXPECT_TRUE(toolButton("clearup")->isChecked());
  EXPECT_EQ(window->genset().clearup, 1);
  toolButton("clearup")->trigger();
  EXPECT_EQ(window->genset().clearup, 0);

  EXPECT_EQ(window->selectorshape, 1);
  toolButton("selectorshape")->trigger();
  EXPECT_EQ(window->selectorshape, 2);
  toolButton("selectorshape")->trigger();
  EXPECT_EQ(window->selectorshape, 1);

  bar.SetStatus("#", "x", "#");
  EXPECT_EQ(bar.lblStatus()->text().toStdString(), "Ready");
  EXPECT_EQ(bar.lblImage()->text().toStdString(), "x ");
}

TEST_F(MainWindowTest, WidthDropDownsSetOnlyTheirOwnWidth) {
  QAction* drop1 = toolButton("drop1");
  drop1->menu()->actions().at(4)->trigger();  // "30"
  EXPECT_EQ(window->eraserwidth, 30);
  EXPECT_EQ(window->paintwidth, 1);
  EXPECT_EQ(drop1->text().toStdString(), "30");
}

TEST_F(MainWindowTest, NewWindowsAreNumberedAndNumbersAreNeverReused) {
  ImageWindow* first = window->newImage();
  EXPECT_EQ(first->windowTitle().toStdString(), "Image: Image 1");
  EXPECT_EQ(first->document().FileTitle(), "Image 1");
  EXPECT_EQ(first->document().ImageWidth(), 400);
  EXPECT_EQ(first->document().ImageHeight(), 300);
  EXPECT_EQ(first->document().picture().getPixel(10, 10), window->genset().backcolor);
  EXPECT_EQ(window->statusPanes().lblImage()->text().toStdString(), "Image 1 ");
  EXPECT_EQ(window->statusPanes().lblSize()->text().toStdString(), "400 x 300 ");

  trigger("&File", "&New");
  EXPECT_EQ(window->amountchildforms(), 2);
  for (ImageWindow* w : window->imageWindows()) w->close();
  QApplication::processEvents();
  EXPECT_EQ(window->amountchildforms(), 0);
  ImageWindow* third = window->newImage();
  EXPECT_EQ(third->windowTitle().toStdString(), "Image: Image 3");
}

TEST_F(MainWindowTest, CommandsWithoutAnImageSayWhyOnceAndChangeNothing) {
  const char* items[][2] = {{"&File", "&Save"}, {"&File", "Print"},        {"&File", "&Close"},
                            {"&Edit", "&Undo"}, {"&Edit", "&Start"},       {"&Edit", "&Clear"},
                            {"&Edit", "Se&lection"}, {"&Edit", "S&elect all"}};
  for (const auto& item : items) {
    SCOPED_TRACE(item[1]);
    messenger.messages.clear();
    trigger(item[0], item[1]);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Please select an Image to process."});
  }
  messenger.messages.clear();
  toolButton("mashtab")->trigger();
  EXPECT_EQ(messagesSaying("Please select an Image to process."), 1);
  EXPECT_EQ(dialogs.saveDialogs, 0);
  EXPECT_EQ(window->amountchildforms(), 0);
}

TEST_F(MainWindowTest, WindowsMenuArrangesTheWindows) {
  ImageWindow* a = window->newImage();
  ImageWindow* b = window->newImage();
  trigger("&Windows", "&TileVertical");
  EXPECT_EQ(a->y(), b->y());
  EXPECT_NE(a->x(), b->x());
  trigger("&Windows", "&TileHorizontal");
  EXPECT_EQ(a->x(), b->x());
  EXPECT_NE(a->y(), b->y());
  trigger("&Windows", "&Cascade");
  EXPECT_NE(a->pos(), b->pos());
}

TEST_F(MainWindowTest, HelpOpensTheShippedPageAndTheWebPage) {
  trigger("&Help", "Content");
  ASSERT_EQ(dialogs.urls.size(), 1u);
  const QUrl help(QString::fromStdString(dialogs.urls[0]));
  EXPECT_TRUE(help.isLocalFile());
  EXPECT_TRUE(QFileInfo::exists(help.toLocalFile())) << dialogs.urls[0];
  trigger("&Help", "Zefrin on the &Web");
  EXPECT_EQ(dialogs.urls.back(), kProductWebPage);
}

}  // namespace
}  // namespace zefrin::testing
