#include <QImage>
#include <QMenu>
#include <QToolBar>
#include <set>

#include "app/toolbar_icons.h"
#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using ToolbarIconsTest = AppTest;

TEST_F(ToolbarIconsTest, EveryButtonShowsItsOwnIconAtBothScales) {
  std::set<QByteArray> seen;
  for (QToolBar* bar : {window->toolbar1(), window->toolbar2()}) {
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    for (QAction* action : bar->actions()) {
      if (action->isSeparator()) continue;
      SCOPED_TRACE(action->objectName().toStdString());
      ASSERT_FALSE(action->icon().isNull());
      EXPECT_EQ(action->icon().pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48));
      const QImage image = action->icon().pixmap(QSize(24, 24), 1.0).toImage();
      const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
      EXPECT_TRUE(seen.insert(pixels).second) << "looks like another button";
    }
  }
}

TEST_F(ToolbarIconsTest, ChosenDropDownItemPutsItsIconOnTheButton) {
  QAction* shape = toolButton("selectorshape");
  QAction* freehand = shape->menu()->actions().at(2);
  ASSERT_FALSE(freehand->icon().isNull());
  freehand->trigger();
  EXPECT_EQ(shape->text().toStdString(), "Freehand");
  EXPECT_EQ(shape->icon().pixmap(QSize(24, 24), 1.0).toImage(), freehand->icon().pixmap(QSize(24, 24), 1.0).toImage());
  EXPECT_TRUE(toolbarIcon(u"no such key").isNull());
  EXPECT_TRUE(selectionKindIcon(6).isNull());
}

}  // namespace
}  // namespace zefrin::testing
