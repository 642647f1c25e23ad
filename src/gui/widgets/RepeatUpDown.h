#pragma once

#include <QTimer>
#include <QWidget>

namespace curvedesk {

// A small up/down control with two arrows. A press on the upper half steps up, on the lower half
// steps down; holding the button repeats the step after 300 ms and then every 50 ms until release.
class RepeatUpDown : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFirstRepeatMs = 300;
  static constexpr int kRepeatMs = 50;

  explicit RepeatUpDown(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  const QTimer& RepeatTimer() const { return tmrRepeat_; }

 signals:
  void Step(bool up);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Repeat();

  QTimer tmrRepeat_;
  bool up_ = true;
  bool pressed_ = false;
};

}  // namespace curvedesk
