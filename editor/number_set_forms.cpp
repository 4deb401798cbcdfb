#include "editor/number_set_forms.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penwick {

std::optional<int> SettingFromEntry(const QString& entry) {
  if (entry.isEmpty() || entry.size() > 2) return std::nullopt;
  for (QChar ch : entry) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
  }
  const int value = entry.toInt();
  if (value < 1 || value > 99) return std::nullopt;
  return value;
}

TNumberSetForm::TNumberSetForm(const QString& caption, const QString& label, int value, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  label_ = new QLabel(label, this);
  label_->setObjectName(QStringLiteral("Label1"));
  QFont bold = label_->font();
  bold.setBold(true);
  label_->setFont(bold);
  edit_ = new QLineEdit(QString::number(value), this);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setMaxLength(2);
  edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("OKBtn"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("CancelBtn"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(label_);
  entryRow->addWidget(edit_);
  entryRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entryRow);
  layout->addLayout(buttons);
  edit_->selectAll();
  edit_->setFocus();
}

std::optional<int> TNumberSetForm::Value() const { return SettingFromEntry(edit_->text()); }

TWrapSetForm::TWrapSetForm(int column, QWidget* parent)
    : TNumberSetForm(QStringLiteral("Word-wrap Column"), QStringLiteral("Word-wrapped at column"), column,
                     parent) {}

TTabSetForm::TTabSetForm(int interval, QWidget* parent)
    : TNumberSetForm(QStringLiteral("Tab Stop Interval"), QStringLiteral("Tab stops at multiples of"),
                     interval, parent) {}

}  // namespace penwick
