#pragma once
// The QScintilla widget behind every editor window, with the fixes that keep typing cheap in huge documents
// and with its key and input-method events routed through the editor's own key handlers.

#include <Qsci/qsciscintilla.h>

namespace penwick {

// Receives the control's key events before the control acts on them.
class KeyHandler {
 public:
  virtual ~KeyHandler() = default;
  // A key goes down (key as VirtualKey names it). Returning true cancels the key: the control does not see
  // it.
  virtual bool EditorKeyDown(int key, Qt::KeyboardModifiers modifiers) = 0;
  // A character is about to be typed, printable or a control character (Tab, Return, Backspace). Setting ch
  // to 0 swallows it; another character replaces it.
  virtual void EditorKeyPress(QChar& ch) = 0;
};

class ScintillaWidget : public QsciScintilla {
  Q_OBJECT
 public:
  explicit ScintillaWidget(QWidget* parent = nullptr);

  void SetKeyHandler(KeyHandler* handler) { keyHandler_ = handler; }

  // Delivers a key as if the user had pressed it (key handlers included).
  void SendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text = {});

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  // The modifiers of the key whose characters are being handled (none for input-method text).
  Qt::KeyboardModifiers KeyModifiers() const { return keyModifiers_; }

 signals:
  // Right-click or the context-menu key: the pop-up menu is wanted at globalPos.
  void ContextMenuRequested(const QPoint& globalPos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void KeepOnlyMovementKeys();
  // Runs each character of text through EditorKeyPress; returns what is left to type.
  QString FilterTyped(const QString& text);

  KeyHandler* keyHandler_ = nullptr;
  Qt::KeyboardModifiers keyModifiers_;
};

// Replaces QScintilla's accessibility bridge, which counts characters from the document start on every edit
// and caret move, with a plain editable-text accessible object. Call once an editor widget exists.
void InstallCheapAccessibility();

}  // namespace penwick
