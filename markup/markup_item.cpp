#include "markup/markup_item.h"

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "markup/set_tags.h"
#include "ui/message_boxes.h"

namespace penwick {

void MarkupItemClick(TEditForm& editor, const MarkupItem& item) {
  if (item.command) {
    item.command(editor);
  } else if (item.replace) {
    const QString text = QString::fromLatin1(item.replace);
    ApplyInsertion(editor.Text(), {text, static_cast<int>(text.size()) - item.back});
  } else {
    SetTags(editor.Text(), {QString::fromLatin1(item.tags.start), QString::fromLatin1(item.tags.end),
                            item.tags.flags, item.tags.back});
  }
}

bool AskText(TEditForm& editor, const char* caption, const char* prompt, QString& value) {
  return editor.Frame().Boxes().InputQuery(QString::fromLatin1(caption), QString::fromLatin1(prompt), value);
}

}  // namespace penwick
