#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr char kAppTitle[] = "Penwick";

QString StandardCaption(MsgType type) {
  switch (type) {
    case MsgType::kWarning:
      return QStringLiteral("Warning");
    case MsgType::kError:
      return QStringLiteral("Error");
    case MsgType::kInformation:
      return QStringLiteral("Information");
    case MsgType::kConfirmation:
      return QStringLiteral("Confirm");
    case MsgType::kCustom:
      break;
  }
  return QString::fromLatin1(kAppTitle);
}

// Puts text at the head of items unless it is there already, dropping later copies of it.
void PutAtHead(const QString& text, QStringList& items) {
  if (!items.isEmpty() && items.first() == text) return;
  items.prepend(text);
  for (qsizetype i = items.size() - 1; i >= 1; --i) {
    if (items[i] == text) items.removeAt(i);
  }
}

}  // namespace

MsgResult MessageBoxes::Show(const QString& text, MsgType type, MsgButtons buttons) {
  // The caption serves one box only, so it is taken before the box can run code that sets another.
  const QString caption = caption_.isEmpty() ? StandardCaption(type) : caption_;
  caption_.clear();
  return ui_.ShowMessage(caption, text, type, buttons);
}

MsgResult MessageBoxes::Show(const QString& caption, const QString& text, MsgType type, MsgButtons buttons) {
  SetCaption(caption);
  return Show(text, type, buttons);
}

void MessageBoxes::ShowError(const QString& text) {
  // Not the program-wide caption: a platform error may come between setting it and the box it is meant for.
  ui_.ShowMessage(QString::fromLatin1(kAppTitle), text, MsgType::kError, MsgButtons::kOk);
}

bool MessageBoxes::InputWithHistory(const QString& caption, const QString& prompt, QString& value,
                                    QStringList& history) {
  const QStringList items = HistoryItemsOnOpen(value, history);
  const std::optional<QString> answer = ui_.AskWithHistory(caption, prompt, value, items);
  if (!answer) return false;
  value = *answer;
  history = HistoryAfterOk(*answer, items);
  return true;
}

bool MessageBoxes::InputQuery(const QString& caption, const QString& prompt, QString& value) {
  const std::optional<QString> answer = ui_.AskText(caption, prompt, value);
  if (!answer) return false;
  value = *answer;
  return true;
}

QStringList HistoryItemsOnOpen(const QString& value, const QStringList& history) {
  if (history.isEmpty()) return {value};
  QStringList items = history;
  PutAtHead(value, items);
  return items;
}

QStringList HistoryAfterOk(const QString& fieldText, const QStringList& items) {
  QStringList list = items;
  PutAtHead(fieldText, list);
  // An empty field is accepted as the value but never remembered.
  list.removeAll(QString());
  return list;
}

}  // namespace penwick
