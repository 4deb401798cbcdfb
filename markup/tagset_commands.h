#pragma once
// The user's own part of the Tagset menu: fifteen slots of tags or tag pairs, one list for the whole program
// (Settings::tagSlots, stored with the settings). Add Tag fills the lowest empty slot, Remove Tag empties
// one, and each filled slot is an item that types its tags around the selection or at the caret.

#include <QChar>
#include <QString>
#include <array>
#include <optional>
#include <span>

namespace penwick {

class FrameLink;
class MenuBuilder;
class MessageBoxes;
class TEditForm;

// Asks which of the filled slots to take out (the list offers what the slots hold, not menu captions).
// Returns the trimmed answer; nothing for Cancel, a blank answer or no filled slot at all.
std::optional<QString> ChooseFilledSlot(MessageBoxes& boxes, const QString& caption, const QString& prompt,
                                        std::span<const QString> entries);

inline constexpr int kTagSlots = 15;
using TagSlots = std::array<QString, kTagSlots>;

// The slot's access key: "1" to "9" for slots 1 to 9, "A" to "F" for slots 10 to 15 (index 0 to 14).
QChar TagSlotKey(int index);
// The slot text Add Tag stores for an answer: "p" gives "<p></p>", "br>" (an HTML empty element) gives
// "<br>", "img src=\"\" /" (an XML one) gives "<img src=\"\" />"; attributes stay in the start tag only.
// Surrounding blanks and "<" typed against the advice go; a blank answer gives nothing.
std::optional<QString> TagSlotText(const QString& answer);
// The menu caption of a filled slot: "&1 - <p></p>"; an "&" of the slot shows as itself.
QString TagSlotCaption(int index, const QString& slotText);
// The lowest empty slot, or nullopt when all are filled.
std::optional<int> FirstEmptySlot(const TagSlots& slots);

void Installedtags1Click(TEditForm& e);
void AddTag1Click(TEditForm& e);
void RemoveTag1Click(TEditForm& e);
// Types slot index (0 to 14): a pair around the selection or with the caret between its tags, a single tag
// after the selection.
void TagClicker(TEditForm& e, int index);

void AddTagsetMenus(MenuBuilder& menus);

}  // namespace penwick
