#include "editor/status_panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace penwick {

namespace {
// Widths in pixels of panels 0..8.
constexpr std::array<int, StatusPanels::kCount> kWidths = {125, 65, 75, 90, 35, 80, 75, 55, 55};
}  // namespace

StatusPanel::StatusPanel(int designWidth, Qt::Alignment alignment, QWidget* parent)
    : QFrame(parent), designWidth_(designWidth), alignment_(alignment) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // Clicks go to the bar as a whole.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusPanel::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

QRect StatusPanel::TextRect() const {
  QRect rect = contentsRect().adjusted(kIndent, 0, -kIndent, 0);
  if (rect.width() < 0) rect.setWidth(0);
  return rect;
}

QString StatusPanel::ShownText() const {
  const QFontMetrics metrics = fontMetrics();
  const int width = TextRect().width();
  // elidedText measures in fractions of a pixel and may come out a pixel wider than asked.
  QString shown = metrics.elidedText(text_, Qt::ElideRight, width);
  for (int less = 1; less < 4 && metrics.horizontalAdvance(shown) > width; ++less) {
    shown = metrics.elidedText(text_, Qt::ElideRight, width - less);
  }
  return shown;
}

int StatusPanel::NeededWidth() const {
  return fontMetrics().horizontalAdvance(text_) + 2 * frameWidth() + 2 * kIndent + 2;
}

QSize StatusPanel::sizeHint() const {
  // The widths suit the usual texts; a wider text (a larger font, a long length) asks for more.
  return {std::max(designWidth_, NeededWidth()), fontMetrics().height() + 2 * frameWidth()};
}

QSize StatusPanel::minimumSizeHint() const { return {0, sizeHint().height()}; }

void StatusPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawText(TextRect(), static_cast<int>(alignment_ | Qt::AlignVCenter), ShownText());
}

namespace {

// Shares room among panels that want these widths: the narrowest first, each taking what it wants if
// that is no more than an equal share of what is left.
std::vector<int> FillUpTo(const std::vector<int>& wanted, int room) {
  std::vector<size_t> order(wanted.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return wanted[a] < wanted[b]; });
  std::vector<int> widths(wanted.size(), 0);
  int left = std::max(0, room);
  int sharing = static_cast<int>(wanted.size());
  for (size_t i : order) {
    widths[i] = std::min(std::max(0, wanted[i]), left / sharing);
    left -= widths[i];
    --sharing;
  }
  return widths;
}

}  // namespace

std::vector<int> SharePanelWidths(const std::vector<int>& needed, const std::vector<int>& wanted, int room) {
  std::vector<int> first(wanted.size());
  for (size_t i = 0; i < wanted.size(); ++i) first[i] = std::min(needed.at(i), wanted[i]);
  std::vector<int> widths = FillUpTo(first, room);
  int left = room;
  std::vector<int> rest(wanted.size());
  for (size_t i = 0; i < wanted.size(); ++i) {
    left -= widths[i];
    rest[i] = wanted[i] - widths[i];
  }
  const std::vector<int> extra = FillUpTo(rest, left);
  for (size_t i = 0; i < wanted.size(); ++i) widths[i] += extra[i];
  return widths;
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
  for (int i = 0; i < kCount; ++i) {
    panels_[i] = new StatusPanel(kWidths[i], i == 1 ? Qt::AlignHCenter : Qt::AlignLeft, this);
  }
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setFixedHeight(sizeHint().height());
  LayOut();
}

QSize StatusPanels::sizeHint() const {
  int width = 2 * kMargin + (kCount - 1) * kSpacing;
  for (const StatusPanel* panel : panels_) width += panel->sizeHint().width();
  return {width, panels_[0]->sizeHint().height() + 2 * kMargin};
}

QSize StatusPanels::minimumSizeHint() const { return {0, sizeHint().height()}; }

void StatusPanels::SetText(int panel, const QString& text) {
  if (panel < 0 || panel >= kCount) return;
  StatusPanel* target = panels_[panel];
  if (target->Text() == text) return;
  const int neededBefore = target->NeededWidth();
  const QSize hintBefore = target->sizeHint();
  target->SetText(text);
  // A text of another width may change how the room is shared.
  if (target->NeededWidth() != neededBefore) LayOut();
  if (target->sizeHint() != hintBefore) updateGeometry();
}

QString StatusPanels::Text(int panel) const {
  return panel >= 0 && panel < kCount ? panels_[panel]->Text() : QString();
}

void StatusPanels::LayOut() {
  std::vector<int> needed;
  std::vector<int> wanted;
  for (const StatusPanel* panel : panels_) {
    needed.push_back(panel->NeededWidth());
    wanted.push_back(panel->sizeHint().width());
  }
  const std::vector<int> widths =
      SharePanelWidths(needed, wanted, width() - 2 * kMargin - (kCount - 1) * kSpacing);
  const int panelHeight = height() - 2 * kMargin;
  int x = kMargin;
  for (int i = 0; i < kCount; ++i) {
    panels_[i]->setGeometry(x, kMargin, widths[i], panelHeight);
    x += widths[i] + kSpacing;
  }
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void StatusPanels::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QWidget::mousePressEvent(event);
}

}  // namespace penwick
