#pragma once
// The editor window's nine-panel status bar.

#include <QFrame>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace penwick {

// One sunken panel of the status bar. It asks for its design width (more when its text needs it) and
// gives way when the window is narrower: the text is then cut at the right with "…", never drawn past
// the panel's edge.
class StatusPanel : public QFrame {
  Q_OBJECT
 public:
  StatusPanel(int designWidth, Qt::Alignment alignment, QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }
  // The text as drawn: the whole text when it fits, else its start and "…".
  QString ShownText() const;
  // Where the text is drawn, inside the frame.
  QRect TextRect() const;
  // The width that shows the whole text.
  int NeededWidth() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kIndent = 2;

  int designWidth_;
  Qt::Alignment alignment_;
  QString text_;
};

// How wide each panel may be when the panels share room pixels (spacing already taken off). wanted is the
// width a panel asks for, needed the part of it that its text takes. All get what they want when there is
// room; otherwise every text is shown whole while the room allows, and what is short is taken from the
// widest first, down to an equal share, so that short texts such as "INS" stay readable longest.
std::vector<int> SharePanelWidths(const std::vector<int>& needed, const std::vector<int>& wanted, int room);

class StatusPanels : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCount = 9;
  explicit StatusPanels(QWidget* parent = nullptr);

  void SetText(int panel, const QString& text);
  // The panel's whole text, however much of it fits.
  QString Text(int panel) const;
  const StatusPanel* Panel(int panel) const { return panels_.at(static_cast<size_t>(panel)); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static constexpr int kMargin = 1;
  static constexpr int kSpacing = 2;

  // Places the panels side by side from the left, each as wide as the room allows.
  void LayOut();

  std::array<StatusPanel*, kCount> panels_{};
};

}  // namespace penwick
