#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "core/graph/GraphEditor.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// The nodes selected in the graph and the node table of one window. It is view state, not part of
// the curve: undo does not bring it back and files do not store it. The current node is the one the
// graph's keys act on; the others are marked with it (cells selected in the table).
class NodeSelection : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  const std::optional<NodeRef>& Current() const { return current_; }
  // Every selected node, the current one included.
  const std::vector<NodeRef>& Nodes() const { return nodes_; }

  // Only this node, as current.
  void Select(const NodeRef& node);
  // These nodes; current, when given, is added to them.
  void SetSelection(std::vector<NodeRef> nodes, std::optional<NodeRef> current);
  void Clear();
  // Forgets the nodes the graph does not show (fewer nodes or sparks, another curve).
  void KeepShown(const SensorStateGraph& graph);

 signals:
  void changed();

 private:
  void Change(std::vector<NodeRef> nodes, std::optional<NodeRef> current);

  std::vector<NodeRef> nodes_;
  std::optional<NodeRef> current_;
};

}  // namespace curvedesk
