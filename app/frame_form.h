#pragma once
// The frame window: the program's main window holding every editor window, the program-wide settings and
// lists, and the application-wide key filter.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "app/file_commands.h"
#include "editor/frame_link.h"
#include "editor/key_table.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/message_boxes.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QSessionManager;

namespace penwick {

class FrameMenus;
class LinePrinter;
class Recovery;
class TBMForm;

class TFrameForm : public QMainWindow, public FrameLink {
  Q_OBJECT
 public:
  static constexpr int kMinimumWidth = 590;

  // programFolder holds the settings files; arguments are the command-line arguments (without the program).
  TFrameForm(Ui& ui, QString programFolder, QStringList arguments, QWidget* parent = nullptr);
  ~TFrameForm() override;

  // FrameLink
  MessageBoxes& Boxes() override { return boxes_; }
  Settings& AppSettings() override { return settings_; }
  EditorSwitches& Switches() override { return switches_; }
  RunState& Run() override { return run_; }
  std::vector<TEditForm*> EditorWindows() const override;
  void ShowCover(bool shown) override;
  void RequestFlip(bool next) override;
  void NewFile() override { New1Click(); }
  void OpenRtfView(const QString& fileName) override;
  // Edit menu, pop-up menu and printing.
  void RefreshEditState() override;
  QMenu* PopupMenu() override;
  LinePrinter& Printer() override;
  // Replaces the printer (tests print on a printer of their own).
  void SetPrinter(std::unique_ptr<LinePrinter> printer);
  // Keyboard: boilerplate and superboilerplate keys (typing_commands.cpp).
  const KeyTable& Keys() const override { return keys_; }
  KeyTable& Keys() { return keys_; }

  // Frame events.
  void FormActivate();
  bool FormCloseQuery();
  bool FormClose();
  // The application-wide key filter; returns true when the event was handled here.
  bool AppMessage(QObject* target, QEvent* event);
  void GetNext();
  void GetPrev();
  // Log-off: asks as for closing (and writes the settings on Yes); false refuses the log-off.
  bool LogOffQuery();
  // The log-off goes ahead: offers to start Penwick again at the next log-on with the current file.
  void LogOffProceed();

  // Commands.
  void New1Click();
  void Exit1Click();
  // The editor-window creation sequence up to the load: cover shown, next window number set, window created.
  TEditForm* CreateEditorWindow(bool rtfView = false);
  // Opens one file in a new window without the already-open test (command line).
  TEditForm* StartupOpen(const QString& fileName);

  // A click on an editor window's status bar: brings the window with the next number to the front, after
  // the last one window 1.
  void ShiftWindow(int number);

  // What the file and window commands keep between runs of a command.
  struct CommandState {
    FileMenuItems fileItems;  // the File menu's items that follow the lists (file_commands.h)
    // Tile Top 2 of N: whether it holds files, and the full names of the windows it closed.
    bool tile2ofN = false;
    QStringList heldFiles;
    // The flip pair: captions of the windows on top before and after the last quick flip.
    QString flipFirst;
    QString flipSecond;
  };
  CommandState& State() { return state_; }

  TEditForm* ActiveEditor() const;
  QMdiArea* MdiArea() const { return mdi_; }
  QWidget* CoverPanel() const { return Panel1_; }
  FrameMenus& Menus() { return *menus_; }
  const QString& ProgramFolder() const { return programFolder_; }
  SettingsStore& Store() { return store_; }
  // The recovery copies of this run (app/recovery_offer.h offers back those of a run that died).
  Recovery& RecoveryCopies() { return *recovery_; }

  void RunCommand(const std::function<void()>& command) override;

  // --- Bookmark notes ---
  // Opens the bookmark notes pad, or brings the open one forward with its text as it is.
  void Bookmarks1Click();
  TBMForm* BookmarkPad() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void HandleCommandLine();
  // Opens what one command-line name names; false when it names no file at all.
  bool OpenCommandLineName(const QString& name);
  void RunFlip();
  void OnSubWindowActivated(QMdiSubWindow* window);
  void OnCommitData(QSessionManager& manager);
  // Asks every editor window, top first, whether it may close; then "Saving settings".
  bool AskToClose();
  bool WriteSettings();

  MessageBoxes boxes_;
  QString programFolder_;
  SettingsStore store_;
  Settings settings_;
  EditorSwitches switches_;
  RunState run_;
  QStringList arguments_;
  QMdiArea* mdi_ = nullptr;
  QWidget* Panel1_ = nullptr;
  FrameMenus* menus_ = nullptr;
  KeyTable keys_;
  QPointer<TEditForm> lastActive_;
  // Bookmark notes: at most one pad at a time.
  QPointer<TBMForm> bookmarkPad_;

  CommandState state_;

  bool firstActivation_ = false;
  bool writeSettings_ = false;
  bool closing_ = false;
  bool wasMaximized_ = false;
  std::unique_ptr<LinePrinter> printer_;  // made when first used
  std::unique_ptr<Recovery> recovery_;
};

// The frame's bounds from the stored position and size, or the design bounds when the stored ones would not
// show on any of the screens (their available areas given).
QRect FrameBounds(const Settings& settings, const QList<QRect>& screens);

}  // namespace penwick
