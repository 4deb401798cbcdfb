#include "editor/status_panels.h"

#include <QHBoxLayout>
#include <QMouseEvent>

namespace penwick {

namespace {
// Widths in pixels of panels 0..8.
constexpr std::array<int, StatusPanels::kCount> kWidths = {125, 65, 75, 90, 35, 80, 75, 55, 55};
}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(2);
  for (int i = 0; i < kCount; ++i) {
    auto* label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(kWidths[i]);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(2);
    if (i == 1) label->setAlignment(Qt::AlignCenter);
    // Clicks go to the bar as a whole.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    panels_[i] = label;
    layout->addWidget(label);
  }
  layout->addStretch(1);
  setFixedHeight(sizeHint().height());
}

void StatusPanels::SetText(int panel, const QString& text) {
  if (panel < 0 || panel >= kCount || panels_[panel]->text() == text) return;
  QLabel* label = panels_[panel];
  label->setText(text);
  // The widths suit the usual texts; a wider text (a larger font, a long length) widens its panel.
  const int needed =
      label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth() + 2 * label->indent() + 2;
  if (needed > label->width()) label->setFixedWidth(needed);
}

QString StatusPanels::Text(int panel) const {
  return panel >= 0 && panel < kCount ? panels_[panel]->text() : QString();
}

void StatusPanels::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QWidget::mousePressEvent(event);
}

}  // namespace penwick
