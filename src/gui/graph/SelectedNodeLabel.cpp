#include "gui/graph/SelectedNodeLabel.h"

#include "core/graph/NodeKeySteps.h"
#include "core/graph/NodeTable.h"
#include "gui/graph/NodeSelection.h"

namespace curvedesk {

SelectedNodeLabel::SelectedNodeLabel(CurveDocument& document, NodeSelection& selection, QWidget* parent)
    : QLabel(parent), document_(document), selection_(selection) {
  setObjectName(QStringLiteral("lblSelectedNode"));
  subscription_ = document_.Subscribe([this](const DocumentChange&) { Refresh(); });
  connect(&selection_, &NodeSelection::changed, this, &SelectedNodeLabel::Refresh);
  Refresh();
}

SelectedNodeLabel::~SelectedNodeLabel() { document_.Unsubscribe(subscription_); }

void SelectedNodeLabel::Refresh() {
  const std::optional<NodeRef>& node = selection_.Current();
  const bool shown = document_.IsOpen() && node && IsShownNode(document_.ShownGraph(), *node);
  setText(shown ? QString::fromStdString(SelectedNodeText(document_.ShownGraph(), *node)) : QString());
}

}  // namespace curvedesk
