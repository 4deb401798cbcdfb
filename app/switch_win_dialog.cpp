#include "app/switch_win_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "ui/history_input_dialog.h"

namespace penwick {

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 214;
constexpr int kListWidth = 281;
constexpr int kListHeight = 145;

}  // namespace

TSwitchWin::TSwitchWin(TFrameForm& frame, QWidget* parent) : QDialog(parent), frame_(frame) {
  setWindowTitle(QStringLiteral("Switch Active Editor"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  setFixedSize(kClientWidth, kClientHeight);

  PathList_ = new QListWidget(this);
  PathList_->setObjectName(QStringLiteral("PathList"));
  PathList_->setSelectionMode(QAbstractItemView::SingleSelection);
  PathList_->setFrameShape(QFrame::Box);
  PathList_->setFixedSize(kListWidth, kListHeight);

  auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  auto* label = new QLabel(QStringLiteral("Current Active File:"), this);
  Edit1_ = new QLineEdit(this);
  Edit1_->setObjectName(QStringLiteral("Edit1"));
  Edit1_->setReadOnly(true);

  auto* current = new QVBoxLayout;
  current->addWidget(label);
  current->addWidget(Edit1_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(okButton, 0, Qt::AlignBottom);
  bottom->addWidget(cancelButton, 0, Qt::AlignBottom);
  bottom->addLayout(current, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PathList_, 0, Qt::AlignHCenter);
  layout->addLayout(bottom);

  connect(okButton, &QPushButton::clicked, this, &TSwitchWin::OKBtnClick);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  // A double-click on an entry chooses it, as OK does.
  connect(PathList_, &QListWidget::itemActivated, this, &TSwitchWin::OKBtnClick);
  CentreOnScreen(*this, nullptr);
}

void TSwitchWin::FormActivate() {
  PathList_->clear();
  windows_.clear();
  TEditForm* active = frame_.ActiveEditor();
  // The windows in number order, so entry i is window i + 1.
  for (TEditForm* editor : frame_.EditorWindows()) {
    PathList_->addItem(editor->IsUnnamed() ? QString::fromLatin1(kNewFile) : editor->FileName());
    windows_.emplace_back(editor);
    if (editor == active) PathList_->setCurrentRow(PathList_->count() - 1);
  }
  Edit1_->setText(frame_.Run().currentFile);
  Edit1_->setCursorPosition(0);
}

void TSwitchWin::OKBtnClick() {
  const int row = PathList_->currentRow();
  if (row < 0 || row >= static_cast<int>(windows_.size())) {
    frame_.Boxes().ui().Beep();
    return;
  }
  frame_.BringEditorToFront(windows_[static_cast<size_t>(row)]);
  accept();
}

}  // namespace penwick
