#pragma once
// The clipboard as the editor window's Paste sees it: only ever plain text.

#include <QString>
#include <optional>

class QMimeData;

namespace penwick {

// The plain text to paste from clipboard data: its text, or, when it carries only HTML or rich text, the
// plain text of that; line breaks made CR LF. Nothing when it holds no text at all (an image, say).
std::optional<QString> PlainTextToPaste(const QMimeData* data);

}  // namespace penwick
