#pragma once

namespace curvedesk {

// The two programs built from one source: the full edition and the compact edition, which differs
// in a few lists, buttons and one programmed byte.
enum class Edition { Full, Compact };

}  // namespace curvedesk
