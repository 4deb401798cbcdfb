#include "collections/boilerplate_keys.h"

#include "collections/superboilerplates.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "settings/settings.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {
constexpr int kSlots = 8;
}  // namespace

QString BoilerplatePrompt(int number) {
  return QStringLiteral("Use: Ctrl+%1 types | Ctrl+Shift+%1 changes.").arg(number);
}

bool AskBoilerplate(MessageBoxes& boxes, Settings& settings, int number) {
  if (number < 1 || number > kSlots) return false;
  QString value = settings.boilerplates[number - 1];
  if (!boxes.InputQuery(QStringLiteral("Boilerplate"), BoilerplatePrompt(number), value)) return false;
  settings.boilerplates[number - 1] = value;
  return true;
}

void BoilerplateChord(FrameLink& frame, TEditForm& editor, int number, bool change) {
  if (number < 1 || number > kSlots) return;
  const QString& slot = frame.AppSettings().boilerplates[number - 1];
  if (change || slot.isEmpty()) {
    AskBoilerplate(frame.Boxes(), frame.AppSettings(), number);
    return;
  }
  editor.Text().ReplaceSelection(slot);
}

std::vector<KeyRow> BoilerplateKeyRows() {
  using Kind = KeyRow::Kind;
  return {
      {Kind::kTopRowDigit, 0, 1, 8, Qt::ControlModifier | Qt::AltModifier, Qt::ShiftModifier,
       [](TEditForm& e, int n) { GetSBPlates(e.Frame(), e, n); }},
      {Kind::kTopRowDigit, 0, 1, 8, Qt::ControlModifier, Qt::NoModifier,
       [](TEditForm& e, int n) { BoilerplateChord(e.Frame(), e, n, false); }},
      {Kind::kTopRowDigit, 0, 1, 8, Qt::ControlModifier | Qt::ShiftModifier, Qt::NoModifier,
       [](TEditForm& e, int n) { BoilerplateChord(e.Frame(), e, n, true); }},
  };
}

}  // namespace penwick
