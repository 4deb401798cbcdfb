#include "app/frame_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/frame_form.h"
#include "editor/edit_form.h"

namespace penwick {

namespace {

struct CommandRow {
  Command command;
  const char* caption;
  const char* shortcut;
  // Exactly one of these is set: a frame command, or a command on the active editor window.
  void (*onFrame)(TFrameForm&);
  void (*onEditor)(TEditForm&);
};

const CommandRow kCommands[] = {
    {Command::kNew, "&New", "F4", [](TFrameForm& f) { f.New1Click(); }, nullptr},
    {Command::kExit, "E&xit", "Alt+F4", [](TFrameForm& f) { f.Exit1Click(); }, nullptr},
    {Command::kSave, "&Save", "F2", nullptr, [](TEditForm& e) { e.Save1Click(); }},
    {Command::kSaveAs, "Save &as...", "Shift+F2", nullptr, [](TEditForm& e) { e.Saveas1Click(); }},
    {Command::kReload, "&Reload", "", nullptr, [](TEditForm& e) { e.Reload1Click(); }},
    {Command::kClose, "&Close", "Ctrl+F4", nullptr, [](TEditForm& e) { e.Close1Click(); }},
    // The quick flip runs once the key has been handled.
    {Command::kFlipNext, "Quick flip", "Ctrl+F6", nullptr, [](TEditForm& e) { e.RequestFlip(true); }},
    {Command::kFlipPrevious, "Restore quick flip", "Ctrl+Shift+F6", nullptr,
     [](TEditForm& e) { e.RequestFlip(false); }},
};

}  // namespace

FrameMenus::FrameMenus(TFrameForm& frame) : QObject(&frame), frame_(frame) {
  BuildActions();

  frameFile_ = new QMenu(QStringLiteral("&File"), &frame_);
  frameFile_->addAction(Action(Command::kNew));
  frameFile_->addSeparator();
  frameFile_->addAction(Action(Command::kExit));

  editorFile_ = new QMenu(QStringLiteral("&File"), &frame_);
  editorFile_->addAction(Action(Command::kNew));
  editorFile_->addSeparator();
  editorFile_->addAction(Action(Command::kSave));
  editorFile_->addAction(Action(Command::kSaveAs));
  editorFile_->addAction(Action(Command::kReload));
  editorFile_->addAction(Action(Command::kClose));
  editorFile_->addSeparator();
  editorFile_->addAction(Action(Command::kExit));

  window_ = new QMenu(QStringLiteral("&Window"), &frame_);
  connect(window_, &QMenu::aboutToShow, this, &FrameMenus::FillWindowList);
  tools_ = new QMenu(QStringLiteral("&Tools"), &frame_);
  help_ = new QMenu(QStringLiteral("&Help"), &frame_);
  ShowMenusFor(false);
}

void FrameMenus::BuildActions() {
  for (const CommandRow& row : kCommands) {
    auto* action = new QAction(QString::fromLatin1(row.caption), &frame_);
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    action->setShortcutContext(Qt::WindowShortcut);
    // Every action belongs to the frame so its shortcut works whichever menus are shown.
    frame_.addAction(action);
    actions_[row.command] = action;
    const CommandRow* rowPtr = &row;
    connect(action, &QAction::triggered, this, [this, rowPtr] {
      frame_.RunCommand([this, rowPtr] {
        if (rowPtr->onFrame) {
          rowPtr->onFrame(frame_);
        } else if (TEditForm* editor = frame_.ActiveEditor()) {
          rowPtr->onEditor(*editor);
        }
      });
    });
  }
}

void FrameMenus::ShowMenusFor(bool editorActive) {
  if (shownOnce_ && editorActive == editorMenusShown_) return;
  shownOnce_ = true;
  editorMenusShown_ = editorActive;
  QMenuBar* bar = frame_.menuBar();
  bar->clear();
  bar->addMenu(editorActive ? editorFile_ : frameFile_);
  bar->addMenu(window_);
  bar->addMenu(tools_);
  bar->addMenu(help_);
  RefreshEnabled();
}

void FrameMenus::RefreshEnabled() {
  const bool editor = frame_.ActiveEditor() != nullptr;
  for (Command command : {Command::kSave, Command::kSaveAs, Command::kReload, Command::kClose}) {
    Action(command)->setEnabled(editor);
  }
}

void FrameMenus::FillWindowList() {
  // The open windows by number; the active one checked.
  window_->clear();
  TEditForm* active = frame_.ActiveEditor();
  for (TEditForm* editor : frame_.EditorWindows()) {
    const int number = editor->Number() % 100;
    const QString prefix = number < 10 ? QStringLiteral("&%1 ").arg(number) : QStringLiteral("%1 ").arg(number);
    QAction* item = window_->addAction(prefix + editor->windowTitle());
    item->setCheckable(true);
    item->setChecked(editor == active);
    QMdiArea* area = frame_.MdiArea();
    connect(item, &QAction::triggered, editor, [area, editor] { area->setActiveSubWindow(editor); });
  }
}

}  // namespace penwick
