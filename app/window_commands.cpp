// The Window menu: tile, tile the top two, cascade, arrange icons, and the Alt+digit window keys.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "app/frame_form.h"
#include "app/switch_win_dialog.h"
#include "app/tile_layout.h"
#include "editor/edit_form.h"
#include "editor/update_lock.h"

namespace penwick {

namespace {

const char kTile2ofNText[] =
    "Tile places two or three windows one under another and four in quadrants. This command tiles only the "
    "top two windows: the others are closed, their full file names are kept, and this menu item gets a "
    "check mark.\n\n"
    "Choose the checked item again to re-open the held files (in new windows with new numbers); the file "
    "you are working in stays active.";

const char kReminderText[] =
    "To Re-open the files closed so the top two could be tiled, click this same menu item which is now "
    "checked to indicate files are being held.";

const char kReopeningText[] =
    "When the top two files were tiled to allow you to see both at once, other files were closed. These "
    "will now be re-opened.";

// Every child window, top of the stacking order first.
QList<QMdiSubWindow*> TopFirst(const QMdiArea& area) {
  QList<QMdiSubWindow*> order = area.subWindowList(QMdiArea::StackingOrder);
  std::reverse(order.begin(), order.end());
  return order;
}

bool IsLive(QMdiSubWindow* window) {
  auto* editor = qobject_cast<TEditForm*>(window);
  return !window->isHidden() && !(editor && editor->IsClosed());
}

// Places the windows that are not minimised: the active one first, then down the stacking order.
void TileWindows(QMdiArea& area) {
  std::vector<QMdiSubWindow*> tiles;
  int iconHeight = 0;
  for (QMdiSubWindow* window : TopFirst(area)) {
    if (!IsLive(window)) continue;
    if (window->isMinimized()) {
      iconHeight = std::max(iconHeight, window->height());
      continue;
    }
    tiles.push_back(window);
  }
  if (tiles.empty()) return;
  QRect space = area.viewport()->rect();
  // Icons of minimised windows keep their row at the bottom.
  if (iconHeight > 0 && space.height() > 2 * iconHeight) space.setHeight(space.height() - iconHeight);
  for (QMdiSubWindow* window : tiles) {
    if (window->isMaximized()) window->showNormal();
  }
  const std::vector<QRect> rects = TileRects(static_cast<int>(tiles.size()), space);
  for (size_t i = 0; i < tiles.size(); ++i) tiles[i]->setGeometry(rects[i]);
}

// Lines up the icons of minimised windows along the bottom, left to right, row above row.
void ArrangeIcons(QMdiArea& area) {
  const QRect space = area.viewport()->rect();
  QList<QMdiSubWindow*> icons;
  for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
    if (IsLive(window) && window->isMinimized()) icons << window;
  }
  int x = 0;
  int bottom = space.bottom() + 1;
  for (QMdiSubWindow* icon : icons) {
    const QSize size = icon->size();
    if (x > 0 && x + size.width() > space.width()) {
      x = 0;
      bottom -= size.height();
    }
    icon->move(x, bottom - size.height());
    x += size.width();
  }
}

}  // namespace

std::vector<QRect> TileRects(int count, const QRect& space) {
  std::vector<QRect> rects;
  if (count <= 0) return rects;
  // Up to three windows one under another at full width; four in quadrants; more in columns of about equal
  // height, the later columns taking one window more when they do not divide evenly.
  const int columns = count <= 3 ? 1 : static_cast<int>(std::sqrt(static_cast<double>(count)));
  const int perColumn = count / columns;
  const int longer = count % columns;
  for (int column = 0; column < columns; ++column) {
    const int rows = perColumn + (column >= columns - longer ? 1 : 0);
    const int left = space.left() + column * space.width() / columns;
    const int right = space.left() + (column + 1) * space.width() / columns;
    for (int row = 0; row < rows; ++row) {
      const int top = space.top() + row * space.height() / rows;
      const int bottom = space.top() + (row + 1) * space.height() / rows;
      rects.emplace_back(left, top, right - left, bottom - top);
    }
  }
  return rects;
}

void Tile1Click(TFrameForm& f) {
  f.ShowCover(true);
  TileWindows(*f.MdiArea());
  f.ShowCover(false);
}

void Cascade1Click(TFrameForm& f) {
  f.ShowCover(true);
  f.MdiArea()->cascadeSubWindows();
  f.ShowCover(false);
}

void Arrangeicons1Click(TFrameForm& f) {
  f.ShowCover(true);
  ArrangeIcons(*f.MdiArea());
  f.ShowCover(false);
}

void Tile2ofN1Click(TFrameForm& f) {
  if (f.State().tile2ofN) {
    // Held files come back whatever is open now, so they can never be stranded behind the check mark.
    if (f.State().heldFiles.isEmpty()) return;
    f.Boxes().Show(QStringLiteral("Re-opening windows closed "), QString::fromLatin1(kReopeningText),
                   MsgType::kInformation, MsgButtons::kOk);
    const QPointer<TEditForm> wasActive = f.ActiveEditor();
    const QStringList held = f.State().heldFiles;
    f.State().heldFiles.clear();
    f.State().tile2ofN = false;
    for (const QString& name : held) {
      // A file the user has opened again meanwhile is not opened twice.
      if (!IsAlreadyOpen(f, name, /*quiet=*/true)) ReopenIt(f, name);
    }
    UpdateLock lock(&f);
    BringEditorToFront(f, wasActive);
    return;
  }
  const size_t count = f.EditorWindows().size();
  if (count < 2) return;
  if (count == 2) {
    Tile1Click(f);
    return;
  }
  f.Boxes().Show(QStringLiteral("Tile Top 2 of N Windows"), QString::fromLatin1(kTile2ofNText),
                 MsgType::kInformation, MsgButtons::kOk);
  std::vector<QPointer<TEditForm>> below;
  int position = 0;
  for (QMdiSubWindow* window : TopFirst(*f.MdiArea())) {
    auto* editor = qobject_cast<TEditForm*>(window);
    if (!editor || editor->IsClosed()) continue;
    // Unnamed windows and RTF viewing copies cannot be re-opened by name: they stay open.
    if (position++ >= 2 && !editor->IsUnnamed() && !editor->IsRtfView()) below.emplace_back(editor);
  }
  for (const QPointer<TEditForm>& editor : below) {
    if (!editor) continue;
    // Each window's own full name, held only once the window has really closed (it may refuse).
    const QString name = editor->FileName();
    if (editor->close()) f.State().heldFiles << name;
  }
  // The check mark says that files are held: with none held (every window below refused to close, or could
  // not be reopened by name) a mark would leave the item doing nothing for the rest of the run.
  if (!f.State().heldFiles.isEmpty()) {
    f.State().tile2ofN = true;
    f.Boxes().Show(QStringLiteral("Reminder"), QString::fromLatin1(kReminderText), MsgType::kInformation,
                   MsgButtons::kOk);
  }
  Tile1Click(f);
}

void WinGet_1Click(TFrameForm& f, int tag) {
  if (tag == 0) {
    TSwitchWin dialog(*&f, &f);
    dialog.FormActivate();
    f.Boxes().ui().ExecModal(dialog);
    return;
  }
  const std::vector<TEditForm*> editors = f.EditorWindows();
  if (tag >= 1 && tag <= static_cast<int>(editors.size())) {
    UpdateLock lock(&f);
    for (QMdiSubWindow* window : TopFirst(*f.MdiArea())) {
      auto* editor = qobject_cast<TEditForm*>(window);
      if (editor && !editor->IsClosed() && editor->Number() % 100 == tag) {
        BringEditorToFront(f, editor);
        break;
      }
    }
    return;
  }
  f.Boxes().ui().Beep();
  f.Boxes().Show(QStringLiteral("Window call"), QStringLiteral("No Win # %1 Exists.").arg(tag),
                 MsgType::kWarning, MsgButtons::kOk);
}

void Altgetswindow1Click(TFrameForm& f) {
  if (!f.EditorWindows().empty()) WinGet_1Click(f, 0);
}

}  // namespace penwick
