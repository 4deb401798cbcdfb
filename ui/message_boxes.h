#pragma once
// The captioned message box and the two input boxes, as plain code above the Ui seam.

#include <QString>
#include <QStringList>

#include "ui/ui.h"

namespace penwick {

class MessageBoxes {
 public:
  explicit MessageBoxes(Ui& ui) : ui_(ui) {}

  // The program-wide message caption: applies to the next box shown, which clears it.
  void SetCaption(const QString& caption) { caption_ = caption; }
  const QString& Caption() const { return caption_; }

  // Shows a box with the caption set before (cleared now) or the standard caption of its type:
  // "Warning", "Error", "Information", "Confirm", or the application title "Penwick" for kCustom.
  MsgResult Show(const QString& text, MsgType type, MsgButtons buttons);
  // Shorthand: sets the caption and shows the box.
  MsgResult Show(const QString& caption, const QString& text, MsgType type, MsgButtons buttons);
  // The application's error box for platform errors (bad integer, failed write, failed read): caption
  // "Penwick", error icon, OK.
  void ShowError(const QString& text);

  // The input box with history. Returns true on OK: value := the accepted text, history := the accepted
  // value at the head, the other entries in their order, no empty entries. On Cancel nothing changes.
  bool InputWithHistory(const QString& caption, const QString& prompt, QString& value, QStringList& history);
  // The plain input box: at most 255 characters. Returns true on OK with value edited.
  bool InputQuery(const QString& caption, const QString& prompt, QString& value);

  Ui& ui() { return ui_; }

 private:
  Ui& ui_;
  QString caption_;
};

// The history list rules on their own, for the dialog and for tests.
// Items of the drop-down list when the box opens with value and history.
QStringList HistoryItemsOnOpen(const QString& value, const QStringList& history);
// The history after OK with the field text accepted, given the drop-down items.
QStringList HistoryAfterOk(const QString& fieldText, const QStringList& items);

}  // namespace penwick
