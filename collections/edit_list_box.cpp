#include "collections/edit_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace penwick {

EditListBox::EditListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

void EditListBox::SetRows(const QStringList& rows) {
  clear();
  addItems(rows);
}

void EditListBox::SetEditing(bool on, QPushButton* editButton) {
  setEnabled(on);
  editButton->setText(on ? QStringLiteral("&End Edit") : QStringLiteral("&Edit"));
  if (on) {
    setCurrentRow(0);
    setFocus();
  } else {
    clearSelection();
    setCurrentRow(-1);
    editButton->setFocus();
  }
}

QStringList EditListBox::Rows() const {
  QStringList rows;
  for (int i = 0; i < count(); ++i) rows << item(i)->text();
  return rows;
}

void EditListBox::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  pendingEdit_ = event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr;
}

void EditListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  const bool onRow = itemAt(event->position().toPoint()) == currentItem() && currentItem();
  if (pendingEdit_ && onRow && event->button() == Qt::LeftButton) {
    pendingEdit_ = false;
    RequestEdit();
  }
}

void EditListBox::keyPressEvent(QKeyEvent* event) {
  pendingEdit_ = false;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter edits the selected row and goes no further (the dialog's default button stays put).
    RequestEdit();
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void EditListBox::RequestEdit() {
  if (!isEnabled() || !currentItem() || !currentItem()->isSelected()) return;
  emit EditRequested(currentRow());
}

}  // namespace penwick
