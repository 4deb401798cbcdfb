// The essays' texts. They describe ways of working, so they speak of the menus and keys by their captions.

#include "tools/getting_started.h"

#include <QString>

#include "ui/message_boxes.h"

namespace penwick {

namespace {

const Essay kEssays[kEssayCount] = {
    {"Getting started: writing", "Getting started: writing",
     "Penwick is a plain writer's tool: a writing machine with a mouse. There are no toolbars, no rulers and "
     "no formatting to fight with; the page is plain text, one byte per character, and what you type is what "
     "is saved.\n\n"
     "Everything else sits in the menus and on keys: the markup of HTML, XML, script and RTF, the "
     "boilerplates, the search and the tools. Learn the keys for what you use every day, and the menus show "
     "the rest when you need it."},
    {"    writing with selected text", "writing with selected text",
     "Select a word or a passage first, then choose a tag: Penwick puts the start tag before the selection "
     "and the end tag after it, and your words stay as they were.\n\n"
     "The paired items of the HTML menu (italics, bold, headings, paragraphs, links), the slots of the "
     "Tagset menu and the pairs of the Edit menu (brackets, quotes, parentheses) wrap a selection this way. "
     "Items that make something on their own, such as a line, an image or a table, insert at the caret and "
     "replace a selection, so Penwick warns first when a selection would be typed over."},
    {"    writing with European keyboards", "writing with European keyboards",
     "Switch keyboard layouts in your desktop as usual; Penwick types what the layout gives.\n\n"
     "Characters 128 to 255 (accented letters, the pound sign, the section mark) break the 7-bit rule of "
     "plain e-mail, so Penwick does not type them until you say how. The Edit menu has two settings: "
     "\"Enable high one-byte chars as text\" types them as they are, and \"Enable high one-byte chars as "
     "HTML/XML codes\" writes each as a character reference such as &#233;. At most one is on, and neither "
     "is saved."},
    {"Getting started: html'd writing", "Getting started: HTML'd writing",
     "An HTML page is a plain-text page with its punctuation written in tags. You type it in Penwick as "
     "plain text, and a browser shows it formatted: headings, paragraphs, lists and links.\n\n"
     "Written this way a letter becomes an e-letter: it reads well as text, and any browser or mail program "
     "that shows HTML shows it laid out. Tools/Browsers opens the page you are writing in a browser to see "
     "it so."},
    {"    writing with input box punctuation", "writing with \"input box\" punctuation",
     "Tags with attributes (links, images, tables, frame sets) are asked for in a series of small input "
     "boxes, one question at a time, instead of one big form dialog.\n\n"
     "Each box says what it wants; type the value, or press Enter to take the one offered, and Cancel at any "
     "box leaves the text as it was. The answers become the attributes of the tag, written where the caret "
     "is."},
    {"    writing with the format pad", "writing with the \"format pad\"",
     "Tagging is punctuation: the start and end marks are typed together, and the caret is left between "
     "them, ready for the words.\n\n"
     "The numeric pad with Ctrl held is a format pad for the main block tags: Ctrl+1 an anchor, 2 an image, "
     "3 the body block, 4 a horizontal line, 5 centring, 6 a custom line, 7 the HTML block, 8 the title and "
     "9 the head block. The HTML menu names each key beside its item."},
    {"Getting started: advanced writing", "Getting started: Advanced writing",
     "Larger projects repeat themselves: the same heading line, the same signature, the same table "
     "skeleton.\n\n"
     "Penwick keeps eight one-line boilerplates on Ctrl+1 to Ctrl+8, exported and imported as named sets; "
     "eight multi-line superboilerplates on Ctrl+Alt+1 to Ctrl+Alt+8; crib sheets, files of ready-made "
     "pieces, open in other windows; and templates, .tpt files opened with File/Open Template as the "
     "framework of a new page."},
    {"    writing boilerplate sets (in file)", "writing boilerplate sets (in file)",
     "bplates.set in Penwick's folder is an INI file: each set is a section headed by its name in square "
     "brackets, holding the eight keys BPlate1 to BPlate8.\n\n"
     "You can write sets in it by hand, in Penwick, and import them with the Import button of Boilerplate "
     "Sets (Ctrl+F11). A sample set:\n\n"
     "[letters]\nBPlate1=Dear \nBPlate2=With kind regards,\nBPlate3=<p>\nBPlate4=</p>\nBPlate5=<br>\n"
     "BPlate6=&nbsp;\nBPlate7=<hr>\nBPlate8=P.S. "},
    {"    writing crib sheets", "writing crib sheets",
     "A crib sheet is a file of ready-made fragments: table layouts, link lists, the heads of your pages, "
     "favourite phrases.\n\n"
     "Keep it open in another editor window, copy what you need and paste it into the page you are "
     "writing. Window/Tile, Alt+1 to Alt+9 and the quick flip (Ctrl+F6) move between the page and its crib "
     "sheets."},
    {"    writing templates (frameworks)", "writing templates (frameworks)",
     "Some writing goes best in a framework laid out ahead: the head and body of a page, the parts of a "
     "report, the fields of a form letter.\n\n"
     "Save such a framework as a .tpt file. File/Open Template (Shift+F5) opens it, and you fill it in and "
     "save it under the new page's name, so the template stays as it was for next time."},
    {"    writing bookmark notes", "writing bookmark notes",
     "Go to line (F6) remembers the line numbers you went to, so they serve as bookmarks while Penwick "
     "runs.\n\n"
     "For bookmarks that last, use the bookmark notes pad (Srch/Bookmarks): write the file, the line number "
     "and a word on what is there, in short lines. Select a number and press the button, and the active "
     "window goes to that line. The notes are kept in the settings from one run to the next."},
    {"    writing metadata", "writing metadata",
     "Metadata is writing about writing: who wrote the page, what it is about, which words describe it, "
     "how it is coded.\n\n"
     "The Meta menu types META statements into the head of a page: author, description, keywords and "
     "others, the encyclopedia of widely used metas, and five names of your own (Add User Defined)."},
    {"    writing beyond HTML", "writing beyond HTML",
     "Tagsets are punctuation systems. HTML is one, fixed by others; XML lets you make your own, named "
     "for what your text holds.\n\n"
     "Penwick's Tagset menu keeps fifteen tags of your choosing, and the XML menu types declarations, "
     "processing instructions and comments, so moving on from HTML to XML is a change of tags, not of "
     "tools."},
    {"    writing HTML(ex) tagsets", "writing HTML(ex) tagsets ",
     "The Tagset menu holds up to fifteen tags you add yourself, each on Alt+G and its key 1 to 9 or A to "
     "F.\n\n"
     "Use it for the HTML and script tags the menus leave out: pairs such as <abbr> and </abbr>, HTML "
     "empties such as <wbr>, XML empties written with \" />\", and tags with attributes already set, such "
     "as <span class=\"note\">. Tagset Menu Sets (Shift+F11) saves and loads whole sets."},
    {"Getting started: conceptualizing", "Getting started: conceptualizing",
     "A web document is not a page of paper. It is a scroll whose width changes with every window it is "
     "read in: lines rewrap, and there is no bottom of the page.\n\n"
     "Write for the scroll: short paragraphs, headings to find one's way, and no layout that depends on "
     "one width of window."},
    {"    writing \"personal\" copies", "writing \"personal copies\" (of publcns)",
     "Web publications are often hard to read: narrow columns, crowded margins, pages cut in pieces.\n\n"
     "Make your own readable copy: save the page, open it in Penwick, remove what is in the way, join the "
     "pieces, and keep the result on your disk for reading in your browser. It is your personal copy, for "
     "your own use."},
    {"    writing eBooks", "writing eBooks",
     "A browser binds an e-book: a set of HTML files joined by links, and often by frames, one frame for "
     "the title, one for the contents, one for the text.\n\n"
     "Penwick's own eManual (Shift+F1) is made this way. The HTML menu's frame sets and links, and the "
     "Window menu's tiling of the files side by side, are all it takes to write one."},
    {"Getting started: xml'd writing", "Getting started: XML'd writing",
     "The XML menu has two sections.\n\n"
     "The upper one is for well-formed, XHTML-style HTML: The Changer (F8), which writes empty elements "
     "closed with \" />\" and gives every element its end tag, Paragraph only (Shift+F8), and the composite "
     "HTML items (tables, frame sets, block quotes).\n\n"
     "The lower one, eXtensible Markup, types the XML declaration, processing instructions, declarations "
     "for document type definitions, tags and comments."},
    {"    writing links into documents", "writing XML links into documents",
     "The Tagset menu's Link Element item writes an XML link into the document. A series of input boxes "
     "asks for the element's name, its attributes (the link's href) and the text to click, and the element "
     "is written at the caret.\n\n"
     "With The Changer on, Ctrl+numeric pad 1 runs Link Element instead of the HTML anchor."},
    {"    writing definitions && styles", "writing document definitions & Styles ",
     "The lower section of the XML menu types the pieces of document type definitions: element, attribute "
     "list and entity declarations, and the internal prolog that holds them in the document itself.\n\n"
     "DTD work repeats itself, so keep the declarations you use as boilerplates, crib sheets and .tpt "
     "templates, and build new definitions from them."},
    {"    writing prologs", "writing XML prologs ",
     "The Tagset menu's Prolog item writes the prolog of an XML document: the XML declaration and the "
     "document type line, asked for in input boxes (standalone and encoding, document type, PUBLIC or "
     "SYSTEM, identifier, location).\n\n"
     "With The Changer on, Ctrl+numeric pad 7 runs Prolog instead of the HTML block."},
    {"    writing XML tagsets", "writing XML tagsets ",
     "The fifteen Tagset slots are for the tags you type most often, one key each; boilerplates and crib "
     "sheets are for the longer pieces and the ones you need only now and then.\n\n"
     "A list in your own XML, for example, takes two slots, <list> and </list> as one pair and <item> and "
     "</item> as another; a glossary list takes <glossary> and <entry>. The item's key types the pair "
     "around the selection."},
    {"    writing an XML \"editor\"", "writing an XML \"editor\"",
     "XML editors offer trees of elements, lists of allowed attributes and checks against the document "
     "type.\n\n"
     "Writing is another matter: the words come first, and the tags are their punctuation. Penwick keeps "
     "the writing plain and fast, and leaves validating to the tools made for it, which you can start from "
     "Tools/Toolbox."},
};

}  // namespace

std::span<const Essay, kEssayCount> GettingStartedEssays() {
  return std::span<const Essay, kEssayCount>(kEssays);
}

void GettingStartedClick(MessageBoxes& boxes, int index) {
  if (index < 0 || index >= kEssayCount) return;
  const Essay& essay = kEssays[index];
  boxes.Show(QString::fromUtf8(essay.boxCaption), QString::fromUtf8(essay.text), MsgType::kInformation,
             MsgButtons::kOk);
}

}  // namespace penwick
