#pragma once
// The editor window's nine-panel status bar.

#include <QLabel>
#include <QWidget>
#include <array>

namespace penwick {

class StatusPanels : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCount = 9;
  explicit StatusPanels(QWidget* parent = nullptr);

  void SetText(int panel, const QString& text);
  QString Text(int panel) const;

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::array<QLabel*, kCount> panels_{};
};

}  // namespace penwick
