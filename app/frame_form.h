#pragma once
// The frame window: the program's main window holding every editor window, the program-wide settings and
// lists, and the application-wide key filter.

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/message_boxes.h"
#include "app/settings.h"
#include "app/settings_store.h"
#include "editor/frame_link.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QSessionManager;

namespace penwick {

class FrameMenus;

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
  // Keyboard: boilerplate and superboilerplate keys (typing_commands.cpp).
  void BoilerplateKey(TEditForm& editor, int number, bool change) override;
  void ShowSuperBoilerplates(TEditForm& editor, int number) override;

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

  TEditForm* ActiveEditor() const;
  QMdiArea* MdiArea() const { return mdi_; }
  QWidget* CoverPanel() const { return Panel1_; }
  FrameMenus& Menus() { return *menus_; }
  const QString& ProgramFolder() const { return programFolder_; }
  const QString& HelpFile() const { return helpFile_; }
  // The flip pair: captions of the windows on top before and after the last quick flip.
  const QString& FlipFirst() const { return flipFirst_; }
  const QString& FlipSecond() const { return flipSecond_; }

  // Runs a command inside the error boundary: a failure is shown in the error box, the program goes on.
  void RunCommand(const std::function<void()>& command);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void HandleCommandLine();
  void RunFlip();
  void OnSubWindowActivated(QMdiSubWindow* window);
  void OnCommitData(QSessionManager& manager);
  // Asks every editor window, top first, whether it may close; then "Saving settings".
  bool AskToClose();
  bool WriteSettings();

  MessageBoxes boxes_;
  QString programFolder_;
  QString helpFile_ = QStringLiteral("penwick.hlp");
  SettingsStore store_;
  Settings settings_;
  EditorSwitches switches_;
  RunState run_;
  QStringList arguments_;
  QMdiArea* mdi_ = nullptr;
  QWidget* Panel1_ = nullptr;
  FrameMenus* menus_ = nullptr;
  TEditForm* lastActive_ = nullptr;

  bool firstActivation_ = false;
  bool writeSettings_ = false;
  bool closing_ = false;
  bool wasMaximized_ = false;
  QString flipFirst_;
  QString flipSecond_;
};

}  // namespace penwick
