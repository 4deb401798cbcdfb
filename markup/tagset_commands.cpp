#include "markup/tagset_commands.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "markup/set_tags.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kInstalledText[] =
    "The Tagset menu holds up to fifteen tags or tag pairs of your own, each on a slot keyed 1 to 9 and A "
    "to F: with the menu open (Alt+G), the key types the slot's tags.\n\n"
    "Add Tag puts a new tag on the first empty slot. Type the tag's content without \"<\" and \">\": the "
    "element name and any attributes, for example p or a href=\"\". Penwick writes the start tag and the "
    "end tag. For an XML empty element end the content with \"/\" (br /); for an HTML empty element end it "
    "with \">\" (br>); either gives a single tag.\n\n"
    "Choosing a slot's item types both tags with the caret between them, or puts the selected text "
    "between them. A single tag goes in after the selection.\n\n"
    "Remove Tag empties a slot: pick its text from the list. The other slots keep their places.\n\n"
    "The tagset lives with Penwick's settings: answer Yes to \"Saving settings\" when you close Penwick "
    "to keep it for the next time.";

MessageBoxes& Boxes(TEditForm& e) { return e.Frame().Boxes(); }

void Inform(TEditForm& e, const QString& caption, const QString& text) {
  Boxes(e).Show(caption, text, MsgType::kInformation, MsgButtons::kOk);
}

}  // namespace

QChar TagSlotKey(int index) { return index < 9 ? QChar(u'1' + index) : QChar(u'A' + (index - 9)); }

std::optional<QString> TagSlotText(const QString& answer) {
  QString s = answer.trimmed();
  // The tag's own brackets are Penwick's to write; a typed "<" would only double them.
  while (s.startsWith(u'<')) s = s.mid(1).trimmed();
  // Only a closing mark at the end makes an empty element: a "/" inside an attribute value (a path, an
  // address) belongs to the value, and the pair keeps its end tag.
  bool empty = false;
  if (s.endsWith(u'>')) {
    s.chop(1);
    empty = true;
  }
  if (s.endsWith(u'/')) empty = true;
  if (s.trimmed().isEmpty() || s.trimmed() == QStringLiteral("/")) return std::nullopt;
  QString text = QStringLiteral("<") + s + QStringLiteral(">");
  if (!empty) {
    const qsizetype blank = std::find_if(s.begin(), s.end(), [](QChar c) { return c.isSpace(); }) - s.begin();
    text += QStringLiteral("</") + s.left(blank) + QStringLiteral(">");
  }
  return text;
}

QString TagSlotCaption(int index, const QString& slotText) {
  return QStringLiteral("&") + TagSlotKey(index) + QStringLiteral(" - ") + LiteralCaption(slotText);
}

std::optional<int> FirstEmptySlot(const TagSlots& tags) {
  const auto it = std::find_if(tags.begin(), tags.end(), [](const QString& s) { return s.isEmpty(); });
  if (it == tags.end()) return std::nullopt;
  return static_cast<int>(it - tags.begin());
}

void Installedtags1Click(TEditForm& e) {
  Inform(e, QStringLiteral("Installing a tagset"), QString::fromLatin1(kInstalledText));
}

void AddTag1Click(TEditForm& e) {
  TagSlots& tags = e.Frame().AppSettings().tagSlots;
  const std::optional<int> slot = FirstEmptySlot(tags);
  if (!slot) {
    Inform(e, QStringLiteral("Can't add a tag"),
           QStringLiteral("All the fifteen available slots are filled. Use Remove Tag to clear a slot or use "
                          "boilerplate cylinders for other tags and tag-pairs (or anything else) you use in "
                          "writing documents using this tagset."));
    return;
  }
  Inform(e, QStringLiteral("Add a tag to tagset"),
         QStringLiteral("Tag will go into slot %1\n\nTo Key the menu item, Alt+G, %2. (For boilerplate, you "
                        "have Ctrl+TopNum# hot keys. But only eight at a time and the cursor is not placed "
                        "between tags.)")
             .arg(*slot + 1)
             .arg(TagSlotKey(*slot)));
  QString answer;
  if (!Boxes(e).InputQuery(QStringLiteral("Add a tag to tagset"),
                           QStringLiteral("sTag Content (no < or >)(\"empty\": XML, /; HTML, >):"), answer)) {
    return;
  }
  // A blank answer is a Cancel: the slot stays empty.
  if (const std::optional<QString> text = TagSlotText(answer)) tags[*slot] = *text;
}

std::optional<QString> ChooseFilledSlot(MessageBoxes& boxes, const QString& caption, const QString& prompt,
                                        std::span<const QString> entries) {
  QStringList choices;
  for (const QString& slot : entries) {
    if (!slot.isEmpty()) choices << slot;
  }
  if (choices.isEmpty()) return std::nullopt;
  QString answer = choices.first();
  if (!boxes.InputWithHistory(caption, prompt, answer, choices)) return std::nullopt;
  answer = answer.trimmed();
  if (answer.isEmpty()) return std::nullopt;
  return answer;
}

void RemoveTag1Click(TEditForm& e) {
  TagSlots& tags = e.Frame().AppSettings().tagSlots;
  const std::optional<QString> answer =
      ChooseFilledSlot(Boxes(e), QStringLiteral("Remove a user defined Tag"),
                       QStringLiteral("Select the Tag to Remove"), tags);
  if (!answer) return;
  const auto it = std::find(tags.begin(), tags.end(), *answer);
  if (it != tags.end()) it->clear();
}

void TagClicker(TEditForm& e, int index) {
  if (index < 0 || index >= kTagSlots) return;
  const QString t = e.Frame().AppSettings().tagSlots[index];
  if (t.isEmpty()) return;
  const qsizetype p = t.indexOf(u'>') + 1;  // the length of the start tag; 0 without a ">"
  if (p == 0) {
    Inform(
        e, QStringLiteral("Menu Item text corrupted"),
        QStringLiteral("The menu item text is corrupted. Do a Remove Tag copying the Start tag exactly (the "
                       "> is missing) and re-Add content."));
    return;
  }
  TextControl& text = e.Text();
  if (p < t.size()) {
    // A pair: around the selection (caret after the end tag), or with the caret between the two tags.
    const QString endTag = t.mid(p);
    SetTags(text, {t.left(p), endTag, kWrapSelection, static_cast<int>(endTag.size())});
    return;
  }
  // A single tag goes in after the selection, which stays in the text.
  if (text.SelLength() > 0) text.SetSelStart(text.SelStart() + text.SelLength());
  SetTags(text, {t, QString(), 0, 0});
}

namespace {

template <int i>
void TagNumClick(TEditForm& e) {
  TagClicker(e, i);
}

template <int... i>
constexpr std::array<MenuRow, sizeof...(i)> SlotRows(std::integer_sequence<int, i...>) {
  // Named TagNum1 .. TagNum15; the captions come from the slots when the menu is brought up to date.
  constexpr const char* kNames[] = {"TagNum1",  "TagNum2",  "TagNum3",  "TagNum4",  "TagNum5",
                                    "TagNum6",  "TagNum7",  "TagNum8",  "TagNum9",  "TagNum10",
                                    "TagNum11", "TagNum12", "TagNum13", "TagNum14", "TagNum15"};
  return {MenuRow{kNames[i], "", "", nullptr, &TagNumClick<i>, nullptr, nullptr, Access::kWrites}...};
}

constexpr auto kSlotRows = SlotRows(std::make_integer_sequence<int, kTagSlots>{});

// Add and Remove change no text, but belong to editing windows, never to a viewing copy.
const MenuRow kTagsetRows[] = {
    {},
    {"Installedtags1", "Installed tags...:", "", nullptr, Installedtags1Click},
    {"AddTag1", "Add &Tag (15)", "", nullptr, AddTag1Click, nullptr, nullptr, Access::kEditingOnly},
    {"RemoveTag1", "&Remove Tag", "", nullptr, RemoveTag1Click, nullptr, nullptr, Access::kEditingOnly},
};

struct SlotItems {
  QAction* separator = nullptr;
  std::vector<QAction*> items;
};

// Shows an item for each filled slot, captioned with its key and text, and hides the others.
void Tagset1Click(FrameLink& frame, const SlotItems& menu) {
  const TagSlots& tags = frame.AppSettings().tagSlots;
  bool any = false;
  for (int i = 0; i < kTagSlots; ++i) {
    QAction* item = menu.items[i];
    const bool filled = !tags[i].isEmpty();
    item->setText(filled ? TagSlotCaption(i, tags[i]) : QString());
    item->setVisible(filled);
    any = any || filled;
  }
  menu.separator->setVisible(any);
}

}  // namespace

void AddTagsetMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kTagset, kTagsetRows);
  SlotItems slotItems;
  slotItems.separator = menus.Menu(MenuId::kTagset)->addSeparator();
  slotItems.separator->setVisible(false);
  slotItems.items = menus.AddRows(MenuId::kTagset, kSlotRows);
  for (QAction* item : slotItems.items) item->setVisible(false);
  menus.FollowLists([slotItems](FrameLink& frame) { Tagset1Click(frame, slotItems); });
}

}  // namespace penwick
