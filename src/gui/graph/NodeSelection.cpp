#include "gui/graph/NodeSelection.h"

#include <algorithm>

#include "core/graph/NodeKeySteps.h"

namespace curvedesk {

void NodeSelection::Select(const NodeRef& node) { Change({node}, node); }

void NodeSelection::SetSelection(std::vector<NodeRef> nodes, std::optional<NodeRef> current) {
  if (current && std::find(nodes.begin(), nodes.end(), *current) == nodes.end()) nodes.push_back(*current);
  Change(std::move(nodes), current);
}

void NodeSelection::Clear() { Change({}, std::nullopt); }

void NodeSelection::KeepShown(const SensorStateGraph& graph) {
  std::vector<NodeRef> shown = nodes_;
  std::erase_if(shown, [&](const NodeRef& node) { return !IsShownNode(graph, node); });
  std::optional<NodeRef> current = current_;
  if (current && !IsShownNode(graph, *current)) current.reset();
  Change(std::move(shown), current);
}

void NodeSelection::Change(std::vector<NodeRef> nodes, std::optional<NodeRef> current) {
  if (nodes == nodes_ && current == current_) return;
  nodes_ = std::move(nodes);
  current_ = current;
  emit changed();
}

}  // namespace curvedesk
