#pragma once
// Characters, character references and punctuation: the Esc menu (references for the characters a browser
// or XML processor acts on, typographic quotes, hard spaces, the general symbol and the code picker), the
// Edit menu's pairs and punctuation, and the two switches for typed characters 128 to 255.

#include <QString>

namespace penwick {

class MenuBuilder;
class TEditForm;

// "&#" + code + ";".
QString CharReference(int code);
// n hard-space references, every tenth item a line break instead (the line breaks count toward n).
QString HardSpaceText(int n);

// The Esc menu.
void EscKeyCodesPickList1Click(TEditForm& editor);
void GeneralSymbol1Click(TEditForm& editor);
void LeftAngleBracket1Click(TEditForm& editor);
void RightAngleBracket1Click(TEditForm& editor);
void Ampersand1Click(TEditForm& editor);
void DoubleQuote1Click(TEditForm& editor);
void LDblQuote1Click(TEditForm& editor);
void RDblQuote1Click(TEditForm& editor);
void LRDblQuote1Click(TEditForm& editor);
void LSnglQuote1Click(TEditForm& editor);
void RSnglQuote1Click(TEditForm& editor);
void HardSpace1Click(TEditForm& editor);

// The Edit menu's punctuation.
void Hyphenator1Click(TEditForm& editor);
void Parentheses1Click(TEditForm& editor);
void Brackets1Click(TEditForm& editor);
void Curlies1Click(TEditForm& editor);
void Quotes1Click(TEditForm& editor);
void Emailitalics1Click(TEditForm& editor);
void Commas1Click(TEditForm& editor);
void Ellipsis1Click(TEditForm& editor);
void Dash1Click(TEditForm& editor);
// Also the XML menu's "Start Tag <|> (^S)" and "End Tag </|> (^X)".
void HTMLStartTag1Click(TEditForm& editor);
void HTMLEndTag1Click(TEditForm& editor);
void HighCharsAsText1Click(TEditForm& editor);
void HighCharsAsCodes1Click(TEditForm& editor);

// The Esc menu, the Edit menu's character items and the RTF menu's curly-brace pair.
void AddCharMenus(MenuBuilder& menus);

}  // namespace penwick
