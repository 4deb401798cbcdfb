#include "markup/js_commands.h"

#include "editor/edit_form.h"
#include "editor/text_control.h"
#include "markup/item_rows.h"
#include "markup/markup_item.h"
#include "markup/xml_text.h"

namespace penwick {

void Script1Click(TEditForm& e) {
  QString language = QStringLiteral("LANGUAGE=\"JavaScript\"");
  if (!AskText(e, "Script Language", "Edit (Left Arrow to be inside quotes):", language)) return;
  e.Text().SetSelLength(0);  // a selection stays, after the block
  ApplyInsertion(e.Text(), ScriptInsertion(language));
}

void OpenWindow1Click(TEditForm& e) {
  QString name = QStringLiteral("newWin");
  if (!AskText(e, "Name for Window", "Enter name to refer to:", name)) return;
  QString address;
  if (!AskText(e, "Web Page for Window", "Enter URL or OK blank:", address)) return;
  e.Text().SetSelLength(0);
  e.Text().ReplaceSelection(OpenWindowText(name, address));
}

void DocumentOpen1Click(TEditForm& e) {
  QString mimeType;
  if (!AskText(e, "Mime Type", "Enter Mime Type or blank:", mimeType)) return;
  e.Text().SetSelLength(0);
  e.Text().ReplaceSelection(DocumentOpenText(mimeType));
}

void Functiontemplate1Click(TEditForm& e) {
  // The caret after "function ", ready for the name.
  ApplyInsertion(e.Text(), {QStringLiteral("function () {\r\n}"), 9});
}

namespace {

constexpr MarkupItem kJsItems[] = {
    {.name = "JSScript1", .caption = "&Script", .command = Script1Click},
    {.name = "JSHidemarks1", .caption = "&Hide-marks", .tags = {"<!--", "//-->", kOpenLine}},
    {.name = "JSComment1", .caption = "Commen&t", .replace = "/*  */", .back = 3},
    {},
    {.name = "JSFunctiontemplate1", .caption = "&Function template", .command = Functiontemplate1Click},
    {.name = "JSArraybuilder1",
     .caption = "Array builder function",
     .replace = "function createArray(numItems) {\r\nthis.length = numItems;\r\nfor (var i = 1; i <= "
                "numItems; i++) {\r\nthis[i] = null }\r\nreturn this\r\n}\r\n"},
    {.name = "JSArrayinstance1",
     .caption = "Array instance",
     .replace =
         "/* fill in instance's name after var & numItems\r\nwith the number of items plus one (length "
         "in 0)*/\r\nvar  = new createArray()",
     .back = 1},
    {},
    {.name = "JSOpenWindow1", .caption = "&Open Window...", .command = OpenWindow1Click},
    {.name = "JSCloseWindow1", .caption = "&Close Window", .tags = {"window.close", "", kBreakAfterStart}},
    {.name = "JSDefaultStatusLine1",
     .caption = "&Default Status Line",
     .tags = {"window.defaultStatus(\"\")", "", 0, 2}},
    {.name = "JSAlertDialog1", .caption = "&Alert Dialog", .tags = {"window.alert(\"\")", "", 0, 2}},
    {.name = "JSConfirmDialog1", .caption = "Confir&m Dialog", .tags = {"window.confirm(\"\")", "", 0, 2}},
    {.name = "JSPromptDialog1", .caption = "&Prompt Dialog", .tags = {"window.prompt(\"\")", "", 0, 2}},
    {},
    {.name = "JSDocumentOpen1", .caption = "Document Ope&n...", .command = DocumentOpen1Click},
    {.name = "JSDocumentWrite1", .caption = "Document &Write", .tags = {"document.write(\"\")", "", 0, 2}},
    {.name = "JSDocumentClear1",
     .caption = "Document Clea&r",
     .tags = {"document.clear()", "", kBreakAfterStart}},
    {.name = "JSDocumentClose1",
     .caption = "Document Close",
     .tags = {"document.close()", "", kBreakAfterStart}},
    {},
    {.name = "JSonLoad1", .caption = "on&Load", .tags = {"onLoad=\"\"", "", 0, 1}},
    {.name = "JSonUnload1", .caption = "on&Unload", .tags = {"onUnload=\"\"", "", 0, 1}},
    {.name = "JSonClick1", .caption = "onClic&k", .tags = {"onclick=\"\"", "", 0, 1}},
    {.name = "JSonMouseOver1", .caption = "onMouseO&ver", .tags = {"onMouseOver=\"\"", "", 0, 1}},
    {.name = "JSonFocus1", .caption = "onFocus", .tags = {"onFocus=\"\"", "", 0, 1}},
    {.name = "JSonBlur1", .caption = "onBlur", .tags = {"onBlur=\"\"", "", 0, 1}},
    {.name = "JSonChange1", .caption = "onChange", .tags = {"onChange=\"\"", "", 0, 1}},
    {.name = "JSonSelect1", .caption = "onSelect", .tags = {"onSelect=\"\"", "", 0, 1}},
    {.name = "JSonSubmit1", .caption = "onSubmit", .tags = {"onSubmit=\"\"", "", 0, 1}},
};

constexpr auto kJsRows = MakeItemRows<kJsItems, MarkupItemClick>();

}  // namespace

void AddJsMenus(MenuBuilder& menus) { menus.AddRows(MenuId::kJs, kJsRows); }

}  // namespace penwick
