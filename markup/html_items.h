#pragma once
// The HTML menu as data: one row per item, in menu order, for the top level and its three submenus.

#include "markup/complex_html_commands.h"
#include "markup/html_commands.h"

namespace penwick {

inline constexpr Notice kTableNotice = {
    "Writing a table",
    "The <table> tag contains the bare border param. And no cellpadding or cellspacing. Keep your usual "
    "params && values in a boilerplate set for importing as the active boilerplate set."};

inline constexpr Notice kFormNotice = {"Writing a form",
                                       "You write forms into text with javaScript to have popnotes or to "
                                       "open windows using buttons. Keep method "
                                       "or action values in boilerplate. Add input tags separatey."};

inline constexpr TagText kCommentTags = {"<!-- ", " -->", kWrapSelection, 4};

inline constexpr char kTableMenuTitle[] = "&Table elements";
inline constexpr char kFormMenuTitle[] = "&Form elements";
inline constexpr char kFramesetMenuTitle[] = "Frameset elements";

inline constexpr HtmlItem kHtmlItems[] = {
    {.name = "HTMLComment1", .caption = "Comment", .tags = kCommentTags},
    {},
    {.name = "HTMLBlock1", .caption = "HT&ML Block", .tags = {"<html>", "</html>", kOpenLine}, .numpad = 7},
    {.name = "HTMLHeadBlock1",
     .caption = "Hea&d Block",
     .tags = {"<head>", "</head>", kOpenLine},
     .numpad = 9},
    {.name = "HTMLTitle1", .caption = "Title", .tags = {"<title></title>", "", 0, 8}, .numpad = 8},
    {.name = "HTMLBodyBlock1",
     .caption = "Bod&y Block",
     .tags = {"<body>", "</body>", kOpenLine},
     .numpad = 3},
    {},
    {.name = "HTMLHeading1", .caption = "Heading...", .shortcut = "Ctrl+H", .command = Heading1Click},
    {.name = "HTMLCustomline1", .caption = "C&ustom line...", .command = Customline1Click, .numpad = 6},
    {.name = "HTMLHorizline1",
     .caption = "&Horiz. line",
     .tags = {"<hr>", "", kBreakAfterStart},
     .changerStart = "<hr />",
     .numpad = 4},
    {.name = "HTMLLinebreak1",
     .caption = "Line brea&k",
     .shortcut = "Ctrl+K",
     .tags = {"<br>", "", kBreakAfterStart},
     .changerStart = "<br />"},
    {.name = "HTMLParagraph1", .caption = "&Paragraph", .shortcut = "Ctrl+P", .command = Paragraph1Click},
    {.name = "HTMLLineindent1", .caption = "&Line indent", .tags = {"<dt><dd>"}},
    {},
    {.name = "HTMLCenter1",
     .caption = "&Center",
     .tags = {"<center>", "</center>", kOpenLine | kWrapSelection},
     .numpad = 5},
    {.name = "HTMLPreformat1",
     .caption = "Pr&eformat",
     .shortcut = "Ctrl+M",
     .tags = {"<pre>", "</pre>", kOpenLine | kWrapSelection}},
    {.name = "HTMLBlockQuote1",
     .caption = "Block &Quote",
     .shortcut = "Ctrl+Q",
     .tags = {"<blockquote>", "</blockquote>", kWrapSelection, 13}},
    {},
    {.name = "HTMLItalics1",
     .caption = "Italic&s",
     .shortcut = "Ctrl+I",
     .tags = {"<i>", "</i>", kWrapSelection, 4}},
    {.name = "HTMLBold1",
     .caption = "B&old",
     .shortcut = "Ctrl+B",
     .tags = {"<b>", "</b>", kWrapSelection, 4}},
    {.name = "HTMLUnderline1",
     .caption = "Unde&rline",
     .shortcut = "Ctrl+U",
     .tags = {"<u>", "</u>", kWrapSelection, 4}},
    {},
    {.name = "HTMLAnchor1", .caption = "&Anchor...", .command = Anchor1Click, .numpad = 1},
    {.name = "HTMLImage1", .caption = "&Image...", .command = Image1Click, .numpad = 2},
    {},
    {.name = "HTMLBulletedlist1", .caption = "&Bulleted list", .command = Bulletedlist1Click},
    {.name = "HTMLNumberedlist1", .caption = "&Numbered list", .command = Numberedlist1Click},
    {.name = "HTMLListitem1",
     .caption = "List item",
     .shortcut = "Ctrl+J",
     .tags = {"<li>", "</li>", kWrapSelection, 5}},
    {},
};

inline constexpr HtmlItem kTableItems[] = {
    {.name = "HTMLTableFrame1",
     .caption = "Table Frame",
     .shortcut = "Ctrl+T",
     .tags = {"<table border=\"1\">", "</table>", kOpenLine},
     .notice = &kTableNotice},
    {.name = "HTMLRowFrame1",
     .caption = "&Row Frame",
     .shortcut = "Ctrl+R",
     .tags = {"<tr>", "</tr>", kOpenLine | kWrapSelection}},
    {.name = "HTMLHeadercell1",
     .caption = "Header &cell Frame",
     .shortcut = "Ctrl+C",
     .tags = {"<th>", "</th>", kWrapSelection, 5}},
    {.name = "HTMLRowcell1",
     .caption = "Row cel&l Frame",
     .shortcut = "Ctrl+L",
     .tags = {"<td>", "</td>", kWrapSelection, 5}},
    {},
    {.name = "nxmTableFrame2", .caption = "&n x m Table Frame", .command = nxmTableFrame1Click},
};

inline constexpr HtmlItem kFormItems[] = {
    {.name = "HTMLFormFrame1",
     .caption = "&Form Frame",
     .shortcut = "Ctrl+F",
     .tags = {"<form method=\"\" action=\"\">", "</form>", kOpenLine},
     .notice = &kFormNotice},
    {.name = "HTMLSubmitbutton1",
     .caption = "&Submit button",
     .tags = {"<input type=\"submit\" value=\"\">", "", 0, 2},
     .changerStart = "<input type=\"submit\" value=\"\" />",
     .changerBack = 4},
    {.name = "HTMLResetbutton1",
     .caption = "Reset butto&n",
     .tags = {"<input type=\"reset\" value=\"\">", "", 0, 2},
     .changerStart = "<input type=\"reset\" value=\"\" />",
     .changerBack = 4},
    {.name = "HTMLTextfield1",
     .caption = "&Text field",
     .tags = {"<input type=\"text\" name=\"\" size=\"\" maxlength=\"\" value=\"\">", "", 0, 2},
     .changerStart = "<input type=\"text\" name=\"\" size=\"\" maxlength=\"\" value=\"\" />",
     .changerBack = 4},
    // The caret ends inside the name quotes: 29 characters back from the end.
    {.name = "HTMLTextAreafield1",
     .caption = "Text&Area field",
     .tags = {"<textarea name=\"\" rows=\"\" cols=\"\">", "</textarea>", 0, 29}},
    {.name = "HTMLRadiobutton1",
     .caption = "&Radio button",
     .tags = {"<input type=\"radio\" name=\"\" value=\"\">", "", 0, 11},
     .changerStart = "<input type=\"radio\" name=\"\" value=\"\" />",
     .changerBack = 13},
    {.name = "HTMLCheckbox1",
     .caption = "&Checkbox",
     .tags = {"<input type=\"checkbox\" name=\"\" value=\"\">", "", 0, 11},
     .changerStart = "<input type=\"checkbox\" name=\"\" value=\"\" />",
     .changerBack = 13},
    {.name = "HTMLButton1",
     .caption = "&Button",
     .tags = {"<input type=\"button\" value=\"\" onClick=\"\">", "", 0, 13},
     .changerStart = "<input type=\"button\" value=\"\" onClick=\"\" />",
     .changerBack = 15},
    {.name = "HTMLDropdownmenu1",
     .caption = "&Drop-down menu",
     .tags = {"<select name=\"\" size=\"\">", "</select>", kOpenLine | kWrapSelection}},
    {.name = "HTMLMenuitem1", .caption = "Menu &item", .tags = {"<option value=\"\"></option>", "", 0, 9}},
    {.name = "HTMLMenuStack1", .caption = "Menu Stac&k", .command = MenuStack1Click},
    {.name = "ButtonStack2", .caption = "Button &Stack", .command = ButtonStack2Click},
};

inline constexpr HtmlItem kFramesetItems[] = {
    {.name = "HTMLFramesetRows1",
     .caption = "Frameset w/&Rows",
     .tags = {"<frameset rows=\"\">", "</frameset>", kOpenLine | kWrapSelection}},
    {.name = "HTMLFramesetColumns1",
     .caption = "Frameset w/&Colums",
     .tags = {"<frameset cols=\"\">", "</frameset>", kOpenLine | kWrapSelection}},
    {.name = "HTMLFramesetBoth1",
     .caption = "Frameset w/&Both",
     .tags = {"<frameset rows=\"\" cols=\"\">", "</frameset>", kOpenLine | kWrapSelection}},
    {.name = "HTMLFrame1",
     .caption = "&Frame",
     .tags = {"<frame src=\"\" name=\"\">", "", kWrapSelection, 10},
     .changerStart = "<frame src=\"\" name=\"\" />",
     .changerBack = 12},
    {.name = "HTMLNameattribute1",
     .caption = "&Name attribute",
     .tags = {"name=\"\"", "", kWrapSelection, 1}},
    {.name = "HTMLScrollingattribute1",
     .caption = "&Scrolling attribute",
     .tags = {"scrolling=\"\"", "", kWrapSelection, 1}},
    {.name = "HTMLNoresizeattribute1",
     .caption = "No &resize attribute",
     .tags = {"noresize=\"\"", "", kWrapSelection, 1}},
    {.name = "HTMLMarginattributes1",
     .caption = "&Margin Attributes",
     .tags = {"marginwidth=\"\" marginheight=\"\"", "", kWrapSelection, 17}},
    {.name = "HTMLNoframes1",
     .caption = "N&o frames element",
     .tags = {"<noframes>", "</noframes>", kWrapSelection, 11}},
    {},
    {.name = "AsymSymFramesetFrame2",
     .caption = "&Asym/Sym Frameset Frame",
     .command = AsymSymFramesetFrame1Click},
};

// The pop-up menu's comment item.
inline constexpr HtmlItem kHtmlPopupItems[] = {
    {.name = "HTMLXMLComment1", .caption = "&HTML/XML Comment", .tags = kCommentTags},
};

}  // namespace penwick
