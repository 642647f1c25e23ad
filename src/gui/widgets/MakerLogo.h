#pragma once

#include <QWidget>

namespace curvedesk {

// The logo kept hidden in the main window (picLogo) for printing.
class MakerLogo : public QWidget {
  Q_OBJECT
 public:
  explicit MakerLogo(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {96, 96}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace curvedesk
