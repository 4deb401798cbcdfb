#include "editor/find_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penwick {

SearchDialog::SearchDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  setModal(false);
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  fields_ = new QGridLayout;
  findField_ = new QLineEdit(this);
  findField_->setObjectName(QStringLiteral("FindText"));
  auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
  findLabel->setBuddy(findField_);
  fields_->addWidget(findLabel, 0, 0);
  fields_->addWidget(findField_, 0, 1);
  left->addLayout(fields_);
  wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
  matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
  left->addWidget(wholeWord_);
  left->addWidget(matchCase_);
  left->addStretch();
  columns->addLayout(left, 1);

  buttons_ = new QVBoxLayout;
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  buttons_->addWidget(cancel_);
  buttons_->addStretch();
  columns->addLayout(buttons_);
  findNext_ = AddButton(QStringLiteral("&Find Next"), ReplaceButton::kFindNext);
  findNext_->setDefault(true);
  findField_->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
}

QPushButton* SearchDialog::AddButton(const QString& caption, ReplaceButton button) {
  auto* push = new QPushButton(caption, this);
  // Above Cancel, in the order added.
  buttons_->insertWidget(buttons_->indexOf(cancel_), push);
  connect(push, &QPushButton::clicked, this, [this, button] { emit Pressed(button); });
  return push;
}

QString SearchDialog::FindText() const { return findField_->text(); }

void SearchDialog::SetFindText(const QString& text) {
  findField_->setText(text);
  findField_->selectAll();
}

SearchOptions SearchDialog::Options() const { return {wholeWord_->isChecked(), matchCase_->isChecked()}; }

FindDialog::FindDialog(QWidget* parent) : SearchDialog(QStringLiteral("Find"), parent) {
  setObjectName(QStringLiteral("FindDialog1"));
}

ReplaceDialog::ReplaceDialog(QWidget* parent) : SearchDialog(QStringLiteral("Replace"), parent) {
  setObjectName(QStringLiteral("ReplaceDialog1"));
  replaceField_ = new QLineEdit(this);
  replaceField_->setObjectName(QStringLiteral("ReplaceText"));
  auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
  replaceLabel->setBuddy(replaceField_);
  Fields()->addWidget(replaceLabel, 1, 0);
  Fields()->addWidget(replaceField_, 1, 1);
  replace_ = AddButton(QStringLiteral("&Replace"), ReplaceButton::kReplace);
  replaceAll_ = AddButton(QStringLiteral("Replace &All"), ReplaceButton::kReplaceAll);
  setTabOrder(FindField(), replaceField_);
}

QString ReplaceDialog::ReplaceText() const { return replaceField_->text(); }

void ReplaceDialog::SetReplaceText(const QString& text) { replaceField_->setText(text); }

}  // namespace penwick
