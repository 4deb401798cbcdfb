#include "tools/clipboard_viewer.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penwick {

TClipboardViewer::TClipboardViewer(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Clipboard"));
  auto* layout = new QVBoxLayout(this);
  Label1_ = new QLabel(this);
  layout->addWidget(Label1_);
  Memo1_ = new QPlainTextEdit(this);
  Memo1_->setReadOnly(true);
  Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(Memo1_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ClearBtn_ = new QPushButton(QStringLiteral("C&lear Clipboard"), this);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setDefault(true);
  buttons->addWidget(ClearBtn_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(560, 360);

  connect(ClearBtn_, &QPushButton::clicked, this, &TClipboardViewer::ClearBtnClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardViewer::ClipboardChanged);
  ClipboardChanged();
}

void TClipboardViewer::ClipboardChanged() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const bool empty = !data || data->formats().isEmpty();
  const bool hasText = !empty && data->hasText();
  Label1_->setText(hasText ? QStringLiteral("Text on the Clipboard:")
                   : empty ? QStringLiteral("The Clipboard is empty.")
                           : QStringLiteral("The Clipboard holds no text."));
  Memo1_->setPlainText(hasText ? data->text() : QString());
  ClearBtn_->setEnabled(!empty);
}

void TClipboardViewer::ClearBtnClick() {
  QGuiApplication::clipboard()->clear();
  ClipboardChanged();  // some clipboards tell of the change only later
}

}  // namespace penwick
