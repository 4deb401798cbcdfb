// The status bar in windows of every width: panels give way and cut their text, never draw over each other
// or past the window's edge.

#include <QAction>
#include <QFontMetrics>

#include "app/frame_menus.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using StatusPanelsTest = FrameTest;

const QString kEllipsis(QChar(0x2026));

// The panel's rectangle in the window's coordinates.
QRect PanelRect(TEditForm* editor, int panel) {
  const StatusPanel* widget = editor->StatusBar()->Panel(panel);
  return QRect(widget->mapTo(editor, QPoint(0, 0)), widget->size());
}

// Checks every panel of the window; returns how many show their text cut.
int CheckPanels(TEditForm* editor) {
  const QRect inside = editor->widget()->geometry();
  int cut = 0;
  for (int i = 0; i < StatusPanels::kCount; ++i) {
    SCOPED_TRACE(i);
    const StatusPanel* panel = editor->StatusBar()->Panel(i);
    const QRect rect = PanelRect(editor, i);
    EXPECT_TRUE(inside.contains(rect)) << rect.x() << "+" << rect.width() << " of " << inside.width();
    for (int j = i + 1; j < StatusPanels::kCount; ++j)
      EXPECT_FALSE(rect.intersects(PanelRect(editor, j))) << j;
    EXPECT_TRUE(panel->TextRect().isEmpty() || panel->rect().contains(panel->TextRect()));

    const QString full = editor->StatusBar()->Text(i);
    const QString shown = panel->ShownText();
    EXPECT_LE(QFontMetrics(panel->font()).horizontalAdvance(shown), panel->TextRect().width())
        << shown.toStdString();
    if (shown == full) continue;
    ++cut;
    // Cut at the right: what is left is the start of the text, marked with an ellipsis (or nothing at all
    // when not even the ellipsis fits).
    if (shown.isEmpty()) continue;
    EXPECT_TRUE(shown.endsWith(kEllipsis)) << shown.toStdString();
    EXPECT_TRUE(full.startsWith(shown.chopped(1))) << shown.toStdString() << " of " << full.toStdString();
  }
  return cut;
}

TEST(SharePanelWidthsTest, TextsStayWholeWhileTheyFitThenTheWidestGiveWayFirst) {
  struct Case {
    const char* name;
    std::vector<int> needed;
    int room;
    std::vector<int> widths;
  };
  // Panels that ask for 125, 65 and 35 pixels; the middle one is empty unless the case says otherwise.
  const std::vector<int> wanted = {125, 65, 35};
  const Case cases[] = {
      {"room for all", {60, 10, 30}, 300, {125, 65, 35}},
      {"exactly enough", {60, 10, 30}, 225, {125, 65, 35}},
      {"the empty panel gives way first", {120, 10, 30}, 200, {125, 40, 35}},
      {"every text whole, nothing more", {120, 10, 30}, 160, {120, 10, 30}},
      {"the widest text is cut first", {120, 10, 30}, 100, {60, 10, 30}},
      {"equal shares when nothing fits", {120, 10, 30}, 24, {8, 8, 8}},
      {"the odd pixel goes to the widest", {120, 10, 30}, 25, {9, 8, 8}},
      {"texts wider than wanted are cut to it", {200, 65, 35}, 1000, {125, 65, 35}},
      {"no room", {120, 10, 30}, 0, {0, 0, 0}},
      {"less than no room", {120, 10, 30}, -16, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SharePanelWidths(c.needed, wanted, c.room), c.widths);
  }
  EXPECT_EQ(SharePanelWidths({}, {}, 100), std::vector<int>());
}

TEST_F(StatusPanelsTest, PanelsGiveWayInNarrowWindowsAndCutTheirTextAtTheRight) {
  struct Case {
    const char* name;
    QSize frame;
    int windows;
    bool tiled;
    int windowWidth;  // the active window made this wide, or left as placed
    bool someCut;     // at least one panel cannot show all its text (the texts need about 520 pixels)
  };
  const Case cases[] = {
      {"one window in a wide frame", {1100, 600}, 1, false, 0, false},
      {"one window at the frame's usual width", {640, 480}, 1, false, 0, false},
      {"five tiled windows", {640, 480}, 5, true, 0, true},
      {"five tiled windows in a wide frame", {1280, 800}, 5, true, 0, false},
      {"two windows one under the other", {1100, 600}, 2, true, 0, false},
      {"a window made very narrow", {1100, 600}, 1, false, 240, true},
      {"a window made narrow and wide again", {1100, 600}, 2, true, 900, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    frame_->resize(c.frame);
    for (int i = 0; i < c.windows; ++i) NewWindow();
    if (c.tiled) Trigger("Tile1");
    if (c.windowWidth > 0) {
      frame_->ActiveEditor()->showNormal();
      frame_->ActiveEditor()->resize(240, 300);
      Flush();
      frame_->ActiveEditor()->resize(c.windowWidth, 300);
    }
    Flush();

    bool anyCut = false;
    for (TEditForm* editor : frame_->EditorWindows()) {
      SCOPED_TRACE(editor->windowTitle().toStdString() + " " + std::to_string(editor->width()));
      anyCut |= CheckPanels(editor) > 0;
      // The bar still knows its texts in full.
      EXPECT_EQ(Panel(editor, 3), "WrdWrp: Col 68");
    }
    EXPECT_EQ(anyCut, c.someCut);
    TearDown();
  }
}

}  // namespace
}  // namespace penwick::test
