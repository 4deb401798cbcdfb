#include "collections/slot_set_dialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "collections/edit_list_box.h"
#include "collections/sets_file.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(true);
  return button;
}

int PlaceAxis(int size, int frameStart, int frameSize) {
  return size < frameSize ? frameStart + (frameSize - size) / 2 : frameStart + 20;
}

}  // namespace

QPoint PlaceOver(QSize dialog, QRect frame) {
  return {PlaceAxis(dialog.width(), frame.left(), frame.width()),
          PlaceAxis(dialog.height(), frame.top(), frame.height())};
}

SlotSetDialog::SlotSetDialog(MessageBoxes& boxes, std::span<QString> entries, const QString& folder,
                             const SlotSetTexts& texts, QWidget* parent)
    : QDialog(parent),
      boxes_(boxes),
      slots_(entries),
      texts_(texts),
      setsPath_(QDir(folder).filePath(QString::fromLatin1(texts.fileName))) {
  setWindowTitle(QString::fromLatin1(texts.caption));
  list_ = new EditListBox(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setToolTip(QString::fromLatin1(texts.listHint));
  list_->setEnabled(false);
  list_->setMinimumSize(420, 240);
  connect(list_, &EditListBox::EditRequested, this, &SlotSetDialog::ListBox1Click);

  exitBtn_ = MakeButton(QStringLiteral("E&xit"), QString::fromLatin1(texts.exitName), this);
  importBtn_ = MakeButton(QStringLiteral("&Import"), QStringLiteral("ImportButton"), this);
  exportBtn_ = MakeButton(QStringLiteral("Ex&port"), QStringLiteral("ExportButton"), this);
  helpBtn_ = MakeButton(QStringLiteral("&Help"), QString::fromLatin1(texts.helpName), this);
  editBtn_ = MakeButton(QStringLiteral("&Edit"), QStringLiteral("EditBtn"), this);
  connect(exitBtn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(importBtn_, &QPushButton::clicked, this, &SlotSetDialog::ImportButtonClick);
  connect(exportBtn_, &QPushButton::clicked, this, &SlotSetDialog::ExportButtonClick);
  connect(helpBtn_, &QPushButton::clicked, this, &SlotSetDialog::HelpClick);
  connect(editBtn_, &QPushButton::clicked, this, &SlotSetDialog::EditBtnClick);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {exitBtn_, importBtn_, exportBtn_, helpBtn_, editBtn_})
    buttons->addWidget(button);
  auto* panel = new QLabel(QString::fromLatin1(texts.panel), this);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  layout->addWidget(panel);
  exitBtn_->setDefault(true);
}

void SlotSetDialog::Fill() {
  const int selected = list_->currentRow();
  QStringList rows;
  for (int i = 0; i < static_cast<int>(slots_.size()); ++i) rows << RowText(i);
  list_->SetRows(rows);
  if (editing_ && selected >= 0) list_->setCurrentRow(selected);
}

void SlotSetDialog::showEvent(QShowEvent* event) {
  Fill();
  if (QWidget* frame = parentWidget()) move(PlaceOver(frameGeometry().size(), frame->frameGeometry()));
  QDialog::showEvent(event);
}

void SlotSetDialog::EditBtnClick() {
  if (!editing_) ExplainEditing();
  editing_ = !editing_;
  list_->SetEditing(editing_, editBtn_);
}

void SlotSetDialog::ListBox1Click(int row) {
  if (!editing_ || row < 0 || row >= static_cast<int>(slots_.size())) return;
  EditSlot(row);
  list_->item(row)->setText(RowText(row));
  if (KeepRowAfterEdit()) {
    list_->setCurrentRow(row);
  } else {
    list_->clearSelection();
  }
}

void SlotSetDialog::ExportButtonClick() {
  QString name;
  if (!boxes_.InputQuery(QString::fromLatin1(texts_.exportCaption), QString::fromLatin1(texts_.exportPrompt),
                         name)) {
    return;
  }
  QString error;
  if (!ExportSet(setsPath_, SetName(name), QString::fromLatin1(texts_.keyPrefix), slots_, &error)) {
    boxes_.ShowError(error);
    return;
  }
  boxes_.Show(QString::fromLatin1(texts_.exported), MsgType::kCustom, MsgButtons::kOk);
}

void SlotSetDialog::ImportButtonClick() {
  QString typed;
  if (!boxes_.InputQuery(QString::fromLatin1(texts_.importCaption), QString::fromLatin1(texts_.importPrompt),
                         typed)) {
    return;
  }
  const QString name = SetName(typed);
  const QString file = QString::fromLatin1(texts_.fileName);
  const QString unchanged = QString::fromLatin1(texts_.unchanged);
  QString error;
  // Nothing is lost to a typing slip: a set that is not there changes no slot, and the dialog stays.
  switch (ImportSet(setsPath_, name, QString::fromLatin1(texts_.keyPrefix), slots_, &error)) {
    case ImportOutcome::kImported:
      accept();
      return;
    case ImportOutcome::kNoFile:
      boxes_.Show(QString::fromLatin1(texts_.importCaption),
                  QStringLiteral("There is no %1 yet, so there is no set to import: the first export creates "
                                 "it.\n\n%2")
                      .arg(QDir::toNativeSeparators(setsPath_), unchanged),
                  MsgType::kInformation, MsgButtons::kOk);
      return;
    case ImportOutcome::kNoSet:
      boxes_.Show(QString::fromLatin1(texts_.importCaption),
                  QStringLiteral("%1 holds no set named \"%2\".\n\n%3").arg(file, name, unchanged),
                  MsgType::kInformation, MsgButtons::kOk);
      return;
    case ImportOutcome::kUnreadable:
      boxes_.ShowError(error + QStringLiteral("\n\n") + unchanged);
      return;
  }
}

void SlotSetDialog::HelpClick() {
  if (openHelp_) openHelp_(texts_.helpContext);
}

}  // namespace penwick
