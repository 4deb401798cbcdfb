#pragma once
// RTF on screen and on disk: the viewing copy, a read-only window that shows an .rtf file formatted, and the
// export of a document with its on-screen colours as an RTF file beside it.

#include <vector>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace penwick {

class TEditForm;
class TextControl;
class MenuBuilder;

void ViewinRTFmode1Click(TEditForm& e);
void ExportasRTFfile1Click(TEditForm& e);

// Puts a document read as RTF into a viewing copy's control: its text, each character format a style of the
// control, table rows as lines of cells separated by tabs. Leaves the control read-only.
void ShowRtfDocument(TextControl& text, const RtfDocument& document);

// The coloured stretches of the control's text (blue, red), in UTF-16 units of TextControl::Text().
std::vector<RtfColourSpan> ColourSpans(TextControl& text);

// Export on the editor's File menu, View in RTF mode on the RTF menu.
void AddRtfMenus(MenuBuilder& menus);

}  // namespace penwick
