#pragma once
// An editor window: one document in its text control, with the nine-panel status bar.

#include <QMdiSubWindow>
#include <QString>
#include <optional>

#include "editor/caret_orientation.h"
#include "editor/recovery_copy.h"
#include "editor/scintilla_widget.h"
#include "platform/document_io.h"
#include "platform/file_io.h"

namespace penwick {

class FrameLink;
class StatusPanels;
class TextControl;
class FindDialog;
class ReplaceDialog;
enum class ReplaceButton;

inline constexpr char kNewFile[] = "New File";

class TEditForm : public QMdiSubWindow, public KeyHandler {
  Q_OBJECT
 public:
  enum class LoadKind {
    kNormal,      // recent-files list updated
    kDirectOpen,  // from a direct-open slot or a desktop: the recent-files list is left alone
    kTemplate,    // the document stays unnamed and enters no list
    kReload,      // the window is already in the open-files list
  };

  // Takes the window number the frame prepared (Run().nextWindowNumber).
  TEditForm(FrameLink& frame, QWidget* parent = nullptr);
  ~TEditForm() override;

  // Reads file F into the window. A missing file is created empty first.
  void Load(const QString& fileName, LoadKind kind = LoadKind::kNormal);

  // File commands. Each returns whether the document was written.
  bool Save1Click();
  bool Saveas1Click();
  void Reload1Click();
  void Close1Click();

  // Asks to save a modified document; false keeps the window open.
  bool FormCloseQuery();
  void FormActivate();

  void SetModified(bool modified);

  bool EditorKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
  void EditorKeyPress(QChar& ch) override;

  const QString& FileName() const { return fileName_; }
  bool IsUnnamed() const;
  int Number() const { return number_; }
  // Sets the window number and rewrites panel 6.
  void SetNumber(int number);
  bool IsRtfView() const { return number_ > 100; }
  const DocumentFormat& Format() const { return format_; }

  TextControl& Text() { return *text_; }
  ScintillaWidget* Editor() const { return editor_; }
  StatusPanels* StatusBar() const { return statusBar_; }
  // Shows the program-wide switches in panels 2 to 5.
  void RefreshSwitchPanels();

  bool IsClosed() const { return closed_; }

  // Closes without asking again (the frame has asked already).
  void CloseApproved();

  FrameLink& Frame() const { return frame_; }
  // The Edit-menu state: asks the frame to enable the Edit and pop-up items from this window's state.
  void Edit1Click();
  // Another window became active (or this one closes): an open Find or Replace dialog closes.
  void FormDeactivate();

  // The window's Find and Replace dialogs, made when first opened (search_commands.h).
  struct SearchDialogs {
    FindDialog* find = nullptr;
    ReplaceDialog* replace = nullptr;
  };
  SearchDialogs& Dialogs() { return dialogs_; }

  // Recovery: what a copy of the document records besides its text; the document as it is now, text
  // included; and a window made from such a copy: the text under its own name and format, modified (the file
  // on disk is not touched).
  DocumentCopy Describe() const;
  DocumentCopy Snapshot() const;
  void Restore(const DocumentCopy& copy);

 signals:
  // The text changed (once per change, after it is complete).
  void Edited();
  // The document no longer needs a recovery copy: it was saved, reloaded or closed.
  void Settled();
  // The status bar was clicked: the frame rotates to another window.
  void StatusBarClicked(int number);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void EditorChange();
  void EditorSelectionChange();
  void UpdateCursorPos();
  // Right-click or the context-menu key in the text.
  void EditorContextMenu(const QPoint& globalPos);
  void FormClose();
  void SetFileName(const QString& fileName);
  bool WriteDocument(const QString& target);
  // Asks before Save replaces a file that another program changed since it was loaded or saved.
  bool MayOverwrite();
  bool LoadFileText(const QString& fileName);
  void ApplyColours();

  FrameLink& frame_;
  ScintillaWidget* editor_ = nullptr;
  TextControl* text_ = nullptr;
  StatusPanels* statusBar_ = nullptr;
  QString fileName_ = kNewFile;
  int number_ = 0;
  DocumentFormat format_;
  // The file as it was when loaded or last saved; none while the window has no file of its own.
  std::optional<FileStamp> diskStamp_;
  int lastSelStart_ = 0;
  bool closeApproved_ = false;
  bool closed_ = false;
  SearchDialogs dialogs_;
  // Keyboard: set by Shift+Return, consumed by the Return character that follows.
  bool repeatIndentMark_ = false;
  // The first half of a character outside the basic plane, until the second half arrives.
  QChar pendingHighSurrogate_;
};

// The name part of a full file name.
QString NamePart(const QString& fileName);
// The save and open dialogs' filter number for a file name: ".txt" 1, ".htm"/".html" 3, ".xml" 4, ".rtf" 5,
// ".tpt" 6, anything else 2 (extension compared without regard to case).
int FilterIndexFor(const QString& fileName);

}  // namespace penwick
