#include "core/document/GraphClipboard.h"

namespace curvedesk {

void PasteGraph(SensorStateGraph& target, const SensorStateGraph& copy) {
  std::string note = std::move(target.GraphInfo);
  target = copy;
  target.GraphInfo = std::move(note);
}

}  // namespace curvedesk
