#include "markup/meta_commands.h"

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
#include "markup/item_rows.h"
#include "markup/set_tags.h"
#include "markup/tagset_commands.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kWritingMetadataText[] =
    "Metadata is writing about writing: who wrote a page, what it is, what language it is in, what it is "
    "about and where it belongs. It goes into the head of an HTML page as meta statements, one per line, "
    "each a name and a content, and readers never see it; search engines, catalogues and your own tools "
    "do.\n\n"
    "The Meta menu writes them. META... asks a name and a content of your choosing. The Virtual "
    "Encyclopedia items write the names of a cataloguing scheme, each asking its content. The widely used "
    "items write the names search engines look for; classification, description and keywords leave the "
    "caret between the content's quotes for you to type.\n\n"
    "Up to five names of your own go on the menu with Add User Defined and come off with Remove User "
    "Defined; save the settings when closing Penwick to keep them. With The Changer on (F8) every "
    "statement ends well-formed, in \" />\".";

const char kEncyclopediaText[] =
    "The Virtual Encyclopedia is a scheme for cataloguing web pages as articles of one great reference "
    "work. Each page says, in meta statements in its head, who made it, what it is and where it belongs:\n\n"
    "creator: the author or body responsible for the page;\n"
    "type: the kind of object the page is (article, essay, list, image, ...);\n"
    "language: the code of the language the page is written in (en, de, fr, ...);\n"
    "knowledgepath: the page's place among the subjects, as a path of categories from the widest to the "
    "narrowest, for example Science/Biology/Botany;\n"
    "localitypath: the page's place in the world, as a path from the widest region to the narrowest, for "
    "example Europe/France/Paris.\n\n"
    "Each item asks for the content and writes the whole statement on a line of its own.";

MessageBoxes& Boxes(FrameLink& frame) { return frame.Boxes(); }

void Inform(FrameLink& frame, const QString& caption, const QString& text) {
  Boxes(frame).Show(caption, text, MsgType::kInformation, MsgButtons::kOk);
}

bool Changer(TEditForm& e) { return e.Frame().Switches().changer; }

bool Ask(TEditForm& e, const QString& caption, const QString& prompt, QString& value) {
  return Boxes(e.Frame()).InputQuery(caption, prompt, value);
}

// The start of a statement with the caret between its content quotes.
void InsertEmptyStatement(TEditForm& e, const QString& name) {
  const QString close = MetaClose(Changer(e));
  SetTags(e.Text(), {QStringLiteral("<meta name=\"") + name + QStringLiteral("\" content=\"") + close,
                     QString(), 0, static_cast<int>(close.size())});
}

void InsertStatement(TEditForm& e, const QString& name, const QString& content) {
  SetTags(e.Text(), {MetaStatement(name, content, Changer(e)), QString(), 0, 0});
}

}  // namespace

QString MetaClose(bool changer) { return changer ? QStringLiteral("\" />") : QStringLiteral("\">"); }

QString MetaStatement(const QString& name, const QString& content, bool changer) {
  return QStringLiteral("<meta name=\"") + name + QStringLiteral("\" content=\"") + content +
         MetaClose(changer) + QStringLiteral("\r\n");
}

void AddUserMeta(FrameLink& frame) {
  UserMetas& metas = frame.AppSettings().userMetas;
  const auto slot = std::find_if(metas.begin(), metas.end(), [](const QString& m) { return m.isEmpty(); });
  if (slot == metas.end()) {
    Inform(frame, QStringLiteral("Can't add Meta"), QStringLiteral("All 5 slots are full"));
    return;
  }
  QString answer;
  if (!Boxes(frame).InputQuery(QStringLiteral("Add Meta template"),
                               QStringLiteral("Enter the NAME value (no quotes):"), answer)) {
    return;
  }
  // A blank answer leaves the slot free.
  *slot = answer.trimmed();
}

void RemoveUserMeta(FrameLink& frame) {
  UserMetas& metas = frame.AppSettings().userMetas;
  const std::optional<QString> answer =
      ChooseFilledSlot(Boxes(frame), QStringLiteral("Delete a user defined meta"),
                       QStringLiteral("Select the meta to Delete"), metas);
  if (!answer) return;
  const auto it = std::find(metas.begin(), metas.end(), *answer);
  if (it == metas.end()) {
    Inform(frame, QStringLiteral("Can't Remove Meta"), QStringLiteral("Not here. Check typing."));
    return;
  }
  it->clear();
}

void ShowWritingMetadata(FrameLink& frame) {
  Inform(frame, QStringLiteral("writing metadata"), QString::fromLatin1(kWritingMetadataText));
}

void METAtags1Click(TEditForm& e) {
  QString name;
  if (!Ask(e, QStringLiteral("Name for Meta Tag"), QStringLiteral("Name (don't add quotes):"), name)) return;
  QString content;
  if (!Ask(e, QStringLiteral("Content for Meta Tag"), QStringLiteral("Content (don't add quotes):"),
           content)) {
    return;
  }
  InsertStatement(e, name, content);
}

void UserMetaClick(TEditForm& e, int index) {
  if (index < 0 || index >= kUserMetas) return;
  const QString name = e.Frame().AppSettings().userMetas[index];
  if (!name.isEmpty()) InsertEmptyStatement(e, name);
}

namespace {

// A named statement: with a box caption, the answer is its content and the whole line goes in; without
// one, the caret waits between the content's quotes.
struct MetaItem {
  const char* name = nullptr;
  const char* caption = nullptr;
  const char* shortcut = "";
  const char* meta = "";
  const char* askCaption = nullptr;
};

void MetaItemClick(TEditForm& e, const MetaItem& item) {
  const QString name = QString::fromLatin1(item.meta);
  if (!item.askCaption) {
    InsertEmptyStatement(e, name);
    return;
  }
  QString content;
  if (!Ask(e, QString::fromLatin1(item.askCaption), QStringLiteral("Content= (don't add quotes):"),
           content)) {
    return;
  }
  InsertStatement(e, name, content);
}

constexpr MetaItem kEncyclopediaItems[] = {
    {.name = "creator1", .caption = "&creator...", .meta = "creator", .askCaption = "creator for Meta Tag"},
    {.name = "type1", .caption = "&type...", .meta = "type", .askCaption = "Object Type for Meta Tag"},
    {.name = "language1",
     .caption = "&language...",
     .meta = "language",
     .askCaption = "Language Code for Meta Tag"},
    {.name = "knowledgepath1",
     .caption = "&knowledgepath...",
     .meta = "knowledgepath",
     .askCaption = "Category Path for Meta Tag"},
    {.name = "localitypath1",
     .caption = "l&ocalitypath...",
     .meta = "localitypath",
     .askCaption = "Category Path for Meta Tag"},
};

constexpr MetaItem kWidelyUsedItems[] = {
    {.name = "author1",
     .caption = "&author...",
     .meta = "author",
     .askCaption = "Author's Name for Meta Tag"},
    {.name = "classification1", .caption = "cla&ssification", .meta = "classification"},
    {.name = "description1", .caption = "&description...", .meta = "description"},
    {.name = "keywords1", .caption = "key&words...", .meta = "keywords"},
};

constexpr auto kEncyclopediaRows = MakeItemRows<kEncyclopediaItems, MetaItemClick>();
constexpr auto kWidelyUsedRows = MakeItemRows<kWidelyUsedItems, MetaItemClick>();

void Metadatatags1Click(TEditForm& e) { ShowWritingMetadata(e.Frame()); }
void AddUserDefinedClick(TEditForm& e) { AddUserMeta(e.Frame()); }
void RemoveUserDefined1Click(TEditForm& e) { RemoveUserMeta(e.Frame()); }

void VirtualEncyclopedia1Click(TEditForm& e) {
  Inform(e.Frame(), QStringLiteral("Virtual Encyclopedia <meta>-statements"),
         QString::fromLatin1(kEncyclopediaText));
}

void Widelyused1Click(TEditForm& e) {
  Inform(
      e.Frame(), QStringLiteral("Widely used ,meta>-statements"),
      QStringLiteral("These are statements that seem to be used frequently, particularly by search "
                     "engines (i.e., \"keywords\"), so they're here to ease the strain on the five you can "
                     "tailor yourself and which will go below these. "));
}

void UserDefinedClick(TEditForm& e) {
  Inform(e.Frame(), QStringLiteral("User Defined <meta>-statements"),
         QStringLiteral("You should know about these as they are here because you put them here or they were "
                        "put here for you."));
}

template <int i>
void UserMetaNumClick(TEditForm& e) {
  UserMetaClick(e, i);
}

// The labels and the user's list read only; the list is the program's, not the window's text.
const MenuRow kTopRows[] = {
    {"Metadatatags1", "Metadata tags...:", "", nullptr, Metadatatags1Click},
    {"METAtags1", "&META... (General tag)", "", nullptr, METAtags1Click, nullptr, nullptr, Access::kWrites},
    {"AddUserDefined", "&Add User Defined (5)", "", nullptr, AddUserDefinedClick},
    {"RemoveUserDefined1", "&Remove User Defined", "", nullptr, RemoveUserDefined1Click},
    {},
    {"VirtualEncyclopedia1", "Virtual Encyclopedia...:", "", nullptr, VirtualEncyclopedia1Click},
};

const MenuRow kWidelyUsedLabel[] = {
    {},
    {"Widelyused1", "Widely used...:", "", nullptr, Widelyused1Click},
};

const MenuRow kUserRows[] = {
    {"UserDefined", "User Defined...:", "", nullptr, UserDefinedClick},
    {"UserMeta1", "", "", nullptr, UserMetaNumClick<0>, nullptr, nullptr, Access::kWrites},
    {"UserMeta2", "", "", nullptr, UserMetaNumClick<1>, nullptr, nullptr, Access::kWrites},
    {"UserMeta3", "", "", nullptr, UserMetaNumClick<2>, nullptr, nullptr, Access::kWrites},
    {"UserMeta4", "", "", nullptr, UserMetaNumClick<3>, nullptr, nullptr, Access::kWrites},
    {"UserMeta5", "", "", nullptr, UserMetaNumClick<4>, nullptr, nullptr, Access::kWrites},
};

struct UserItems {
  QAction* separator = nullptr;
  QAction* label = nullptr;
  std::vector<QAction*> items;
};

// Shows an item for each stored name; the separator and the label only when there is one.
void META1Click(FrameLink& frame, const UserItems& menu) {
  const UserMetas& metas = frame.AppSettings().userMetas;
  bool any = false;
  for (int i = 0; i < kUserMetas; ++i) {
    const bool filled = !metas[i].isEmpty();
    menu.items[i]->setText(filled ? LiteralCaption(metas[i]) : QString());
    menu.items[i]->setVisible(filled);
    any = any || filled;
  }
  menu.separator->setVisible(any);
  menu.label->setVisible(any);
}

}  // namespace

void AddMetaMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kMeta, kTopRows);
  menus.AddRows(MenuId::kMeta, kEncyclopediaRows);
  menus.AddRows(MenuId::kMeta, kWidelyUsedLabel);
  menus.AddRows(MenuId::kMeta, kWidelyUsedRows);
  UserItems user;
  user.separator = menus.Menu(MenuId::kMeta)->addSeparator();
  std::vector<QAction*> rows = menus.AddRows(MenuId::kMeta, kUserRows);
  user.label = rows.front();
  user.items.assign(rows.begin() + 1, rows.end());
  user.separator->setVisible(false);
  for (QAction* row : rows) row->setVisible(false);
  menus.FollowLists([user](FrameLink& frame) { META1Click(frame, user); });
}

}  // namespace penwick
