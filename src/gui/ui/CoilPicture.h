#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "core/model/Edition.h"

namespace curvedesk {

// A drawing of one ignition coil type, named after its coil key (PictureKX1 shows "KX-1").
class CoilPicture : public QWidget {
  Q_OBJECT
 public:
  enum class Shape { Canister, TwinCanister, DualTower, Resistor, Pack, HexStack, QuadStack };

  CoilPicture(const QString& objectName, const QString& coilType, Shape shape, QWidget* parent = nullptr);

  const QString& CoilType() const { return coilType_; }
  QSize sizeHint() const override { return {150, 104}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString coilType_;
  Shape shape_;
};

// The pictures of the coils the edition offers, in the coil list's order, each hidden.
std::vector<CoilPicture*> MakeCoilPictures(Edition edition);

}  // namespace curvedesk
