#include "markup/xml_commands.h"

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"
#include "markup/char_commands.h"
#include "markup/item_rows.h"
#include "markup/markup_item.h"
#include "markup/xml_text.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kXmlText[] =
    "With XML you write documents in a tagset of your own: the elements, their attributes and entities "
    "are declared in a document type definition (DTD), inside the document or in a file of its own, and "
    "every element is well-formed: each start tag has its end tag, and an empty element ends in \"/>\".\n\n"
    "The items below this label write the declarations, processing instructions, tags and comments of XML. "
    "Start Tag and End Tag are the Edit menu's Ctrl+S and Ctrl+X.\n\n"
    "The Tagset menu holds the prolog, the XML link and image elements, entity references and the CDATA "
    "section, and up to fifteen tags of your own tagset, each typed with the caret between its start and "
    "end tag. Switch The Changer on (F8) to have the HTML items write well-formed elements too.";

// The item's answers are inserted at the caret; a selection stays, after them.
void InsertAtCaret(TEditForm& e, const Insertion& insertion) {
  e.Text().SetSelLength(0);
  ApplyInsertion(e.Text(), insertion);
}

Insertion Plain(const QString& text) { return {text, static_cast<int>(text.size())}; }

}  // namespace

void XMLLabel1Click(TEditForm& e) {
  e.Frame().Boxes().Show(QStringLiteral("EXtensible Markup:"), QString::fromLatin1(kXmlText),
                         MsgType::kInformation, MsgButtons::kOk);
}

void Prolog1Click(TEditForm& e) {
  PrologAnswers answers;
  answers.attributes = QStringLiteral("STANDALONE=\"no\" ENCODING=\"UTF-8\"");
  if (!AskText(e, "STANDALONE=\"\" ENCODING=\"\"",
               "Enter \"yes\" or \"no\" (blank implies =\"no\"):", answers.attributes)) {
    return;
  }
  if (!AskText(e, "Document Type", "Enter the Document Type:", answers.documentType)) return;
  answers.kind = QStringLiteral("SYSTEM");
  if (!AskText(e, "Declarations", "Enter PUBLIC, SYSTEM or []:", answers.kind)) return;
  if (PrologAsksIdentifier(answers.kind) &&
      !AskText(e, "PUBLIC Identifier", "Enter PUBLIC Identifier (in quotes):", answers.identifier)) {
    return;
  }
  if (PrologAsksLocation(answers.kind) &&
      !AskText(e, "Location (add [] for internal decls)", "Enter location (in quotes):", answers.location)) {
    return;
  }
  InsertAtCaret(e, PrologInsertion(answers));
}

void LinkElement1Click(TEditForm& e) {
  QString element;
  if (!AskText(e, "Link element", "Enter Element (wXML-LINK decl)", element)) return;
  QString attributes = QStringLiteral("href=\"");
  if (!AskText(e, "Attributes List", "Enter Attributes =\"value\"s (end with / if empty el)", attributes)) {
    return;
  }
  QString clickText;
  if (!AskText(e, "Text to Click", "Enter text to be screened for clicking", clickText)) return;
  InsertAtCaret(e, Plain(LinkElementText(element, attributes, clickText)));
}

void LinkGroup1Click(TEditForm& e) {
  QString element = QStringLiteral("GROUP");
  if (!AskText(e, "Link-Group element", "Enter Element (wXML-LINK decl of \"GROUP\"):", element)) return;
  QString steps = QStringLiteral("STEPS=\"1\"");
  if (!AskText(e, "Processing Steps", "Enter STEPS=\"#\":", steps)) return;
  InsertAtCaret(e, LinkGroupInsertion(element, steps));
}

void ImageElement1Click(TEditForm& e) {
  QString element;
  if (!AskText(e, "Image element", "Enter Element (w/SRC=\"\", etc. decl)", element)) return;
  QString attributes = QStringLiteral("SRC=\"");
  if (!AskText(e, "Attributes List", "Enter Attributes && =\"Value\"s (w/file notation, etc. decl)",
               attributes)) {
    return;
  }
  InsertAtCaret(e, Plain(QLatin1Char('<') + element + QLatin1Char(' ') + attributes + QLatin1Char('>')));
}

namespace {

// The "|" of a caption shows where the caret lands.
constexpr MarkupItem kXmlItems[] = {
    {},
    {.name = "XMLProcessing1",
     .caption = "Processing instructions <?|?>",
     .tags = {"<?", "?>", kWrapSelection, 2}},
    {.name = "XMLDeclarations1", .caption = "Declarations <!|>", .tags = {"<!", ">", kWrapSelection, 1}},
    {.name = "XMLElement1", .caption = "<!ELEMENT |>", .tags = {"<!ELEMENT ", ">", kWrapSelection, 1}},
    {.name = "XMLElementEmpty1",
     .caption = "<!ELEMENT | EMPTY>",
     .tags = {"<!ELEMENT ", " EMPTY>", kWrapSelection, 7}},
    {.name = "XMLElementAll1",
     .caption = "<!ELEMENT | ALL>",
     .tags = {"<!ELEMENT ", " ALL>", kWrapSelection, 5}},
    {.name = "XMLAttlist1", .caption = "<!ATTLIST |>", .tags = {"<!ATTLIST ", ">", kWrapSelection, 1}},
    {.name = "XMLEntity1", .caption = "<!ENTITY |>", .tags = {"<!ENTITY ", ">", kWrapSelection, 1}},
    {.name = "XMLNotation1", .caption = "<!NOTATION |>", .tags = {"<!NOTATION ", ">", kWrapSelection, 1}},
    {},
    {.name = "XMLStartTag1", .caption = "Start Tag <|> (^S)", .command = HTMLStartTag1Click},
    {.name = "XMLEndTag1", .caption = "End Tag </|> (^X)", .command = HTMLEndTag1Click},
    {.name = "XMLEmptyTag1", .caption = "Empty Tag <|/>", .tags = {"<", "/>", kWrapSelection, 2}},
    {.name = "XMLComment1", .caption = "Comment <!-- | -->", .tags = {"<!-- ", " -->", kWrapSelection, 4}},
};

constexpr MarkupItem kTagsetItems[] = {
    {},
    {.name = "Prolog1", .caption = "&Prolog            (^NP7 w/Changer)", .command = Prolog1Click},
    {.name = "EntityReference1", .caption = "E&ntity Reference", .tags = {"&;", "", 0, 1}},
    {.name = "LinkElement1", .caption = "&Link Element  (^NP1 w/Changer)", .command = LinkElement1Click},
    {.name = "LinkGroup1", .caption = "Link &Group", .command = LinkGroup1Click},
    {.name = "ImageElement1", .caption = "&Image Element", .command = ImageElement1Click},
    {.name = "CDATAframe1", .caption = "CDATA fra&me", .tags = {"<![CDATA[]]>", "", 0, 3}},
};

constexpr auto kXmlRows = MakeItemRows<kXmlItems, MarkupItemClick>();
constexpr auto kTagsetRows = MakeItemRows<kTagsetItems, MarkupItemClick>();

// The label reads only: it explains the section below it.
const MenuRow kLabelRow[] = {
    {"XMLLabel1", "eXtensible Markup...:", "", nullptr, XMLLabel1Click},
};

}  // namespace

void AddXmlMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kXml, std::span<const MenuRow>(kXmlRows).first(1));
  menus.AddRows(MenuId::kXml, kLabelRow);
  menus.AddRows(MenuId::kXml, std::span<const MenuRow>(kXmlRows).subspan(1));
  menus.AddRows(MenuId::kTagset, kTagsetRows);
}

}  // namespace penwick
