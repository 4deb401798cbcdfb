#include "app/switch_win_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "ui/history_input_dialog.h"

namespace penwick {

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 214;
constexpr int kListWidth = 281;
constexpr int kListHeight = 145;

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int kLineEditTextMargin = 2;

}  // namespace

PathField::PathField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  // The width comes from the dialog, never from the path.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void PathField::SetPath(const QString& path) {
  path_ = path;
  setToolTip(path);
  ShowPath();
}

void PathField::ShowPath() {
  QString shown = path_;
  if (!hasFocus()) {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    // One pixel more for elidedText, which measures in fractions and may come out a pixel wider.
    shown = fontMetrics().elidedText(path_, Qt::ElideMiddle,
                                     std::max(0, contents.width() - 2 * kLineEditTextMargin - 1));
  }
  setText(shown);
  setCursorPosition(0);
}

void PathField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  ShowPath();
}

void PathField::focusInEvent(QFocusEvent* event) {
  ShowPath();
  QLineEdit::focusInEvent(event);
}

void PathField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  ShowPath();
}

TSwitchWin::TSwitchWin(TFrameForm& frame, QWidget* parent) : QDialog(parent), frame_(frame) {
  setWindowTitle(QStringLiteral("Switch Active Editor"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

  PathList_ = new QListWidget(this);
  PathList_->setObjectName(QStringLiteral("PathList"));
  PathList_->setSelectionMode(QAbstractItemView::SingleSelection);
  PathList_->setFrameShape(QFrame::Box);
  PathList_->setFixedSize(kListWidth, kListHeight);

  auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  auto* label = new QLabel(QStringLiteral("Current Active File:"), this);
  Edit1_ = new PathField(this);
  Edit1_->setObjectName(QStringLiteral("Edit1"));

  // The current file gets the dialog's whole width: a full path rarely fits beside the buttons.
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PathList_, 0, Qt::AlignHCenter);
  layout->addWidget(label);
  layout->addWidget(Edit1_);
  layout->addLayout(buttons);
  // Taller than the usual size only when the font asks for it.
  setFixedSize(kClientWidth, std::max(kClientHeight, layout->sizeHint().height()));

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
  Edit1_->SetPath(frame_.Run().currentFile);
}

void TSwitchWin::OKBtnClick() {
  const int row = PathList_->currentRow();
  if (row < 0 || row >= static_cast<int>(windows_.size())) {
    frame_.Boxes().ui().Beep();
    return;
  }
  BringEditorToFront(frame_, windows_[static_cast<size_t>(row)]);
  accept();
}

}  // namespace penwick
