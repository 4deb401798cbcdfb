#pragma once
// Moving the caret over the nearest tag, the two switches for well-formed markup (The Changer and Paragraph
// only), and rewriting the tags of a whole document in lower case for XHTML.

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "editor/key_table.h"

namespace penwick {

class TEditForm;
class MenuBuilder;

// Ctrl+.: the caret goes just after the first ">" at or after it; it stays when there is none.
void SkipclosestEndTag1Click(TEditForm& e);
// Ctrl+Shift+.: the caret goes just before the first "<" before it; it stays when there is none.
void BackoverinnerStarttag1Click(TEditForm& e);
// F8 and Shift+F8: turn a switch on (after saying what it does) or off.
void TheChanger1Click(TEditForm& e);
void paragraphonly1Click(TEditForm& e);
// Every letter A-Z of the document's tags, outside quoted values, in lower case; one undoable step.
void TagToLowerCase1Click(TEditForm& e);

// The text with its tags lowered, byte for byte the same length: text outside tags, "<!" and "<?" tags
// and double-quoted values (up to a ">" met inside them) keep every byte; other tags lower A-Z only.
QByteArray LowerCaseTags(QByteArrayView utf8);

// Ctrl+. and Ctrl+Shift+. as chords of the text.
std::vector<KeyRow> TagNavigationKeyRows();
// The items on the Edit, Tagset, XML, Text and pop-up menus.
void AddTagNavigationMenus(MenuBuilder& menus);
// The Changer in the pop-up menu, after the superboilerplates.
void AddChangerPopupItem(MenuBuilder& menus);

}  // namespace penwick
