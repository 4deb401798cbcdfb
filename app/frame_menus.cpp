#include "app/frame_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include "app/frame_form.h"
#include "editor/clipboard_commands.h"
#include "editor/display_commands.h"
#include "editor/edit_form.h"
#include "editor/print_commands.h"
#include "editor/rtf_view.h"
#include "editor/search_commands.h"
#include "editor/switch_commands.h"
#include "markup/char_commands.h"
#include "markup/complex_html_commands.h"
#include "markup/html_commands.h"
#include "markup/js_commands.h"
#include "markup/meta_commands.h"
#include "markup/rtf_commands.h"
#include "markup/tag_navigation.h"
#include "markup/tagset_commands.h"
#include "markup/xml_commands.h"

namespace penwick {

namespace {

struct MenuTitle {
  MenuId id;
  const char* title;
};

// In menu-bar order. Each title has an access key of its own, but for the fixed "HTM&L" and "Too&ls":
// Alt+L pressed again moves on to the other.
constexpr MenuTitle kMenuTitles[] = {
    {MenuId::kFrameFile, "&File"}, {MenuId::kEditorFile, "&File"}, {MenuId::kEdit, "&Edit"},
    {MenuId::kHtml, "HTM&L"},      {MenuId::kEsc, "Es&c"},         {MenuId::kJs, "&JS"},
    {MenuId::kMeta, "&Meta"},      {MenuId::kXml, "&XML"},         {MenuId::kTagset, "Ta&gset"},
    {MenuId::kRtf, "&RTF"},        {MenuId::kSrch, "&Srch"},       {MenuId::kText, "&Text"},
    {MenuId::kWindow, "&Window"},  {MenuId::kTools, "Too&ls"},     {MenuId::kHelp, "&Help"},
    {MenuId::kPopup, "Pop-up"},    {MenuId::kHidden, "Hidden"},
};

bool IsEditorMenu(MenuId id) { return id >= MenuId::kEditorFile && id <= MenuId::kText; }

}  // namespace

FrameMenus::FrameMenus(TFrameForm& frame) : QObject(&frame), frame_(frame) {
  for (const MenuTitle& title : kMenuTitles) {
    auto* menu = new QMenu(QString::fromLatin1(title.title), &frame_);
    menus_[title.id] = menu;
    connect(menu, &QMenu::aboutToShow, this, &FrameMenus::Refresh);
  }
  connect(Menu(MenuId::kWindow), &QMenu::aboutToShow, this, &FrameMenus::FillWindowList);
  AddFileMenus(*this);
  AddEditMenus(*this);
  AddTypingMenus(*this);
  AddSuperboilerplateMenus(*this);
  // The pop-up menu's items in their order: ... superboilerplates, The Changer, comment, then the searches.
  AddChangerPopupItem(*this);
  AddToolsMenu(*this);
  AddHtmlMenus(*this);
  AddJsMenus(*this);
  AddRtfControlWordMenus(*this);
  AddCharMenus(*this);
  AddComplexHtmlMenus(*this);
  AddSearchMenus(*this);
  AddDisplayMenus(*this);
  AddTagNavigationMenus(*this);
  AddXmlMenus(*this);
  AddTagsetMenus(*this);
  AddMetaMenus(*this);
  AddBookmarkMenus(*this);
  AddSearchPopupItems(*this);
  AddHelpMenu(*this);
  AddWindowMenus(*this);
  ShowMenusFor(false);
}

namespace {

// A caption that writes its key after a run of blanks ("Cur&lies            Ctrl+}", "&Prolog   (^NP7
// w/Changer)") shows the key in the shortcut column, where keys line up, instead of zig-zagging in the
// proportional menu font.
QString MenuText(const char* caption) {
  static const QRegularExpression kKeyHint(QStringLiteral(R"(^(.*\S)\s{2,}((?:Ctrl\+|\(\^)\S.*)$)"));
  QString text = QString::fromLatin1(caption);
  const QRegularExpressionMatch match = kKeyHint.match(text);
  if (match.hasMatch()) text = match.captured(1) + QLatin1Char('\t') + match.captured(2);
  return text;
}

}  // namespace

QAction* FrameMenus::MakeAction(const MenuRow& row) {
  auto* action = new QAction(MenuText(row.caption), &frame_);
  if (row.name) action->setObjectName(QString::fromLatin1(row.name));
  if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
  action->setShortcutContext(Qt::WindowShortcut);
  action->setCheckable(row.checked != nullptr);
  // Every action belongs to the frame so its shortcut works whichever menus are shown.
  frame_.addAction(action);
  rows_.emplace_back(action, &row);
  connect(action, &QAction::triggered, this, [this, rowPtr = &row] {
    frame_.RunCommand([this, rowPtr] {
      if (rowPtr->onFrame) {
        rowPtr->onFrame(frame_);
      } else if (TEditForm* editor = frame_.ActiveEditor(); editor && Allowed(*rowPtr, *editor)) {
        rowPtr->onEditor(*editor);
      }
    });
    Refresh();
  });
  return action;
}

std::vector<QAction*> FrameMenus::AddRows(QMenu* menu, std::span<const MenuRow> rows) {
  std::vector<QAction*> actions;
  for (const MenuRow& row : rows) {
    if (!row.caption) {
      menu->addSeparator();
      actions.push_back(nullptr);
      continue;
    }
    QAction* action = MakeAction(row);
    menu->addAction(action);
    actions.push_back(action);
  }
  return actions;
}

QMenu* FrameMenus::AddSubmenu(QMenu* parent, const QString& caption) {
  QMenu* submenu = parent->addMenu(caption);
  connect(submenu, &QMenu::aboutToShow, this, &FrameMenus::Refresh);
  return submenu;
}

void FrameMenus::AddExisting(MenuId id, QAction* action) { Menu(id)->addAction(action); }

void FrameMenus::FollowLists(std::function<void(FrameLink&)> update) {
  connect(this, &FrameMenus::Refreshed, this, [this, update = std::move(update)] { update(frame_); });
}

QAction* FrameMenus::Find(const QString& name) const {
  for (const auto& [action, row] : rows_) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

void FrameMenus::ShowMenusFor(bool editorActive) {
  if (shownOnce_ && editorActive == editorMenusShown_) return;
  shownOnce_ = true;
  editorMenusShown_ = editorActive;
  QMenuBar* bar = frame_.menuBar();
  bar->clear();
  for (const MenuTitle& title : kMenuTitles) {
    const MenuId id = title.id;
    if (id == MenuId::kPopup || id == MenuId::kHidden) continue;
    if (id == MenuId::kFrameFile && editorActive) continue;
    if (IsEditorMenu(id) && !editorActive) continue;
    // Menus whose commands do not exist yet are not shown; Window, Tools and Help always are.
    if (IsEditorMenu(id) && Menu(id)->actions().isEmpty()) continue;
    bar->addMenu(Menu(id));
  }
  Refresh();
}

void FrameMenus::Refresh() {
  TEditForm* editor = frame_.ActiveEditor();
  for (const auto& [action, row] : rows_) {
    if (row->onEditor) action->setEnabled(editor && Allowed(*row, *editor));
    if (row->checked) action->setChecked(row->checked(frame_));
  }
  emit Refreshed();
}

void FrameMenus::RefreshEditState() {
  TEditForm* editor = frame_.ActiveEditor();
  for (const auto& [action, row] : rows_) {
    if (row->enabled || row->access != Access::kReads) action->setEnabled(editor && Allowed(*row, *editor));
  }
}

bool FrameMenus::Allowed(const MenuRow& row, TEditForm& editor) {
  // The one place that keeps every writing command off a read-only viewing copy.
  if (row.access != Access::kReads && editor.IsRtfView()) return false;
  return !row.enabled || row.enabled(editor);
}

void FrameMenus::FillWindowList() {
  // The open windows by number; the active one checked.
  QMenu* window = Menu(MenuId::kWindow);
  for (QAction* action : window->actions()) {
    if (action->property("windowListItem").toBool()) {
      window->removeAction(action);
      action->deleteLater();
    }
  }
  TEditForm* active = frame_.ActiveEditor();
  const std::vector<TEditForm*> editors = frame_.EditorWindows();
  // Windows 1 to 9 take their number as access key, unless an item of the menu already answers it
  // ("Tile Top &2 of N Windows"): that window shows its number without the key.
  QSet<QKeySequence> taken;
  for (QAction* action : window->actions()) {
    if (action->isVisible()) taken.insert(QKeySequence::mnemonic(action->text()));
  }
  if (!editors.empty() && !window->actions().isEmpty()) {
    QAction* separator = window->addSeparator();
    separator->setProperty("windowListItem", true);
  }
  for (TEditForm* editor : editors) {
    const int number = editor->Number() % 100;
    const QString keyed = QStringLiteral("&%1 ").arg(number);
    const QString prefix = number < 10 && !taken.contains(QKeySequence::mnemonic(keyed))
                               ? keyed
                               : QStringLiteral("%1 ").arg(number);
    QAction* item = window->addAction(prefix + editor->windowTitle());
    item->setProperty("windowListItem", true);
    item->setCheckable(true);
    item->setChecked(editor == active);
    QMdiArea* area = frame_.MdiArea();
    connect(item, &QAction::triggered, editor, [area, editor] { area->setActiveSubWindow(editor); });
  }
}

// --- File menus -------------------------------------------------------------------------------------------

namespace {

const MenuRow kSharedFileRows[] = {
    {"New1", "&New", "F4", [](TFrameForm& f) { f.New1Click(); }},
    {"Exit1", "E&xit", "Alt+F4", [](TFrameForm& f) { f.Exit1Click(); }},
};

const MenuRow kEditorFileRows[] = {
    {"Save1", "&Save", "F2", nullptr, [](TEditForm& e) { e.Save1Click(); }, nullptr, HasText},
    {"Saveas1", "Sa&ve as...", "Shift+F2", nullptr, [](TEditForm& e) { e.Saveas1Click(); }, nullptr, HasText},
    {"Reload1", "Re&load", "", nullptr, [](TEditForm& e) { e.Reload1Click(); }},
    {"Close1", "&Close", "Ctrl+F4", nullptr, [](TEditForm& e) { e.Close1Click(); }},
};

// The quick flip between the two top windows; it runs once the key has been handled.
const MenuRow kFlipRows[] = {
    {"FlipNext", "Quick flip", "Ctrl+F6", nullptr, [](TEditForm& e) { e.Frame().RequestFlip(true); }},
    {"FlipPrevious", "Restore quick flip", "Ctrl+Shift+F6", nullptr,
     [](TEditForm& e) { e.Frame().RequestFlip(false); }},
};

}  // namespace

void AddFileMenus(FrameMenus& menus) {
  QMenu* scratch = menus.Menu(MenuId::kHidden);
  const std::vector<QAction*> shared = menus.AddRows(scratch, kSharedFileRows);
  QAction* newItem = shared[0];
  QAction* exitItem = shared[1];
  scratch->removeAction(newItem);
  scratch->removeAction(exitItem);

  menus.AddExisting(MenuId::kFrameFile, newItem);
  AddOpenItems(menus, MenuId::kFrameFile);
  AddDirectOpenItems(menus, MenuId::kFrameFile);
  menus.Menu(MenuId::kFrameFile)->addSeparator();
  menus.AddExisting(MenuId::kFrameFile, exitItem);
  AddReopenItems(menus, MenuId::kFrameFile);

  menus.AddExisting(MenuId::kEditorFile, newItem);
  AddOpenItems(menus, MenuId::kEditorFile);
  menus.Menu(MenuId::kEditorFile)->addSeparator();
  menus.AddRows(MenuId::kEditorFile, kEditorFileRows);
  AddRtfMenus(menus);
  AddPrintItems(menus);
  menus.Menu(MenuId::kEditorFile)->addSeparator();
  AddDirectOpenItems(menus, MenuId::kEditorFile);
  menus.Menu(MenuId::kEditorFile)->addSeparator();
  menus.AddExisting(MenuId::kEditorFile, exitItem);
  AddReopenItems(menus, MenuId::kEditorFile);

  menus.AddRows(MenuId::kHidden, kFlipRows);
}

}  // namespace penwick
