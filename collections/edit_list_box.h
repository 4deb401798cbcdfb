#pragma once
// The list box of the dialogs that edit entries in place: a mouse press on a row, or Enter, asks for the row
// to be edited; the arrow keys only move the selection.

#include <QListWidget>

class QPushButton;

namespace penwick {

class EditListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit EditListBox(QWidget* parent = nullptr);

  // Rows as given, the old ones gone.
  void SetRows(const QStringList& rows);
  QStringList Rows() const;
  // Edit mode on: the list enabled with row 1 selected, and the Edit button reading "&End Edit". Off: no row
  // selected, the list disabled, the button reading "&Edit" and focused.
  void SetEditing(bool on, QPushButton* editButton);

 signals:
  // The user pressed a row or Enter on the selected row; never sent without a row.
  void EditRequested(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RequestEdit();

  // Set by a mouse press on a row, cleared by any key: a press that ends on the row it began on edits it.
  bool pendingEdit_ = false;
};

}  // namespace penwick
