#pragma once
// The Edit menu's clipboard, undo, whole-text and line commands of an editor window, and the state that
// enables them. The clipboard as Paste sees it is only ever plain text.

#include <QString>
#include <optional>

class QMimeData;

namespace penwick {

// The plain text to paste from clipboard data: its text, or, when it carries only HTML or rich text, the
// plain text of that; line breaks made CR LF. Nothing when it holds no text at all (an image, say).
std::optional<QString> PlainTextToPaste(const QMimeData* data);

class TEditForm;

// What enables the items (cheap whatever the document's size: refreshed before every shortcut).
bool CanUndo(TEditForm& e);
bool HasText(TEditForm& e);
bool HasSelection(TEditForm& e);
bool CanPaste(TEditForm& e);
// Asks the clipboard itself: for its change notice only.
bool ClipboardHoldsText();

void Undo1Click(TEditForm& e);
void Cut1Click(TEditForm& e);
void Copy1Click(TEditForm& e);
void Copyall1Click(TEditForm& e);
// Pastes the clipboard's plain text in the editor's own style, as one undo step.
void Paste1Click(TEditForm& e);
void DeleteSelection1Click(TEditForm& e);
void Insertline1Click(TEditForm& e);
void Deleteline1Click(TEditForm& e);
void Selectwholetext1Click(TEditForm& e);

class MenuBuilder;
// The Edit menu's items, and Cut, Copy, Copy All, Paste and Print on the pop-up menu.
void AddEditMenus(MenuBuilder& menus);

}  // namespace penwick
