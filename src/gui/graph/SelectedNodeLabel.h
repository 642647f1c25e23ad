#pragma once

#include <QLabel>

#include "core/document/CurveDocument.h"

namespace curvedesk {

class NodeSelection;

// The status bar's text about the selected node: its plot, number, RPM and angle, following the
// selection and every change of the curve; empty while no node is selected.
class SelectedNodeLabel : public QLabel {
  Q_OBJECT
 public:
  SelectedNodeLabel(CurveDocument& document, NodeSelection& selection, QWidget* parent = nullptr);
  ~SelectedNodeLabel() override;

 private:
  void Refresh();

  CurveDocument& document_;
  NodeSelection& selection_;
  int subscription_ = 0;
};

}  // namespace curvedesk
