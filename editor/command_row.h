#pragma once
// A menu item as data: the menu registry of the frame builds one action per row, and every group of commands
// (the editor's, the markup menus', the collections', the frame's) lists its items as rows in its own module.

#include <QString>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QMenu;

namespace penwick {

class FrameLink;
class TFrameForm;
class TEditForm;

enum class MenuId {
  kFrameFile,
  kEditorFile,
  kEdit,
  kHtml,
  kEsc,
  kJs,
  kMeta,
  kXml,
  kTagset,
  kRtf,
  kSrch,
  kText,
  kWindow,
  kTools,
  kHelp,
  kPopup,   // the pop-up menu of the text
  kHidden,  // actions that only carry a shortcut
};

// What a command does to the text. A read-only viewing copy runs only kReads commands: the menu registry
// refuses (and greys) the others in one place, so no command checks for a viewing copy itself.
enum class Access {
  kReads,        // runs anywhere
  kWrites,       // changes the text
  kEditingOnly,  // reads only, but belongs to editing windows (the clipboard copies, select whole text)
};

// One menu item. A row without a caption is a separator.
struct MenuRow {
  const char* name = nullptr;     // the item's design name, e.g. "Save1"; also its object name
  const char* caption = nullptr;  // nullptr: separator
  const char* shortcut = "";      // QKeySequence text, e.g. "Ctrl+Shift+F6"
  // Exactly one of these is set: a command of the frame, or a command on the active editor window.
  void (*onFrame)(TFrameForm&) = nullptr;
  void (*onEditor)(TEditForm&) = nullptr;
  // When set, the item shows a check mark from program-wide state.
  bool (*checked)(FrameLink&) = nullptr;
  // When set, the item is enabled only while this holds for the active editor window.
  bool (*enabled)(TEditForm&) = nullptr;
  Access access = Access::kReads;
};

// A user's text (a file name, a tag, a meta name, a tool's path) as a menu caption, shown as it is: an "&"
// is not taken for an access key, and a tab does not move the rest into the shortcut column.
inline QString LiteralCaption(QString text) {
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  return text;
}

// What a module needs to put its rows into the menus: the frame's menu registry implements it.
class MenuBuilder {
 public:
  virtual ~MenuBuilder() = default;
  virtual QMenu* Menu(MenuId id) const = 0;
  // Adds the rows to a menu (or a submenu made with AddSubmenu); returns the actions, nullptr for separators.
  virtual std::vector<QAction*> AddRows(QMenu* menu, std::span<const MenuRow> rows) = 0;
  std::vector<QAction*> AddRows(MenuId id, std::span<const MenuRow> rows) { return AddRows(Menu(id), rows); }
  virtual QMenu* AddSubmenu(QMenu* parent, const QString& caption) = 0;
  // Puts an action that already exists into another menu too (one action, one shortcut).
  virtual void AddExisting(MenuId id, QAction* action) = 0;
  // Only the items whose enabled state depends on the active window (cheap: runs before every shortcut).
  virtual void RefreshEditState() = 0;
  // Items that show a program-wide list (the user's tags and metas): update runs after every refresh (a
  // menu opens, a command ran, the menus were switched), so the items always match the list.
  virtual void FollowLists(std::function<void(FrameLink&)> update) = 0;
};

}  // namespace penwick
