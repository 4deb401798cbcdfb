#include "markup/rtf_commands.h"

#include "markup/item_rows.h"
#include "markup/markup_item.h"

namespace penwick {

namespace {

// The groups end on a line of their own with an empty line above it for the caret. The closing brace is
// inserted with the rest, never typed, so overwrite mode cannot eat the character after the caret.
constexpr MarkupItem kRtfItems[] = {
    {},
    {.name = "RTFTopicBlock1", .caption = "Topic Block", .replace = "{\\rtf1\\ansi\r\n\r\n}", .back = 3},
    {.name = "RTFFontTable1", .caption = "Font Table", .replace = "{\\fonttbl\r\n\r\n}", .back = 3},
    {.name = "RTFColorTable1", .caption = "Color Table", .replace = "{\\colortbl;\r\n\r\n}", .back = 3},
    {.name = "RTFdeff1", .caption = "\\deff", .replace = "\\deff"},
    {.name = "RTFPicturebyRef1", .caption = "Picture by Ref.", .replace = "\\{bmc .bmp\\}", .back = 6},
    {},
    {.name = "RTFsuper1", .caption = "\\super", .replace = "\\super "},
    {.name = "RTFfootnote1", .caption = "{\\&footnote", .replace = "{\\footnote }", .back = 1},
    {.name = "RTFpage1", .caption = "\\&page", .replace = "\\page "},
    {.name = "RTFpar1", .caption = "\\pa&r", .replace = "\\par "},
    {.name = "RTFtab1", .caption = "\\&tab", .replace = "\\tab "},
    {.name = "RTFline1", .caption = "\\&line", .replace = "\\line "},
    {.name = "RTFplain1", .caption = "\\plai&n", .replace = "\\plain "},
    {.name = "RTFkeep1", .caption = "\\&keep", .replace = "\\keep "},
    {.name = "RTFstrike1", .caption = "\\strike", .replace = "\\strike "},
    {.name = "RTFul1", .caption = "\\&ul", .replace = "\\ul "},
    {.name = "RTFuldb1", .caption = "\\ul&db", .replace = "\\uldb "},
    {.name = "RTFv1", .caption = "\\&v  (hidden)", .replace = "\\v "},
};

constexpr auto kRtfRows = MakeItemRows<kRtfItems, MarkupItemClick>();

}  // namespace

void AddRtfControlWordMenus(MenuBuilder& menus) { menus.AddRows(MenuId::kRtf, kRtfRows); }

}  // namespace penwick
