#pragma once

#include "core/model/AppContext.h"

namespace curvedesk {

// The program's entry point for one edition: the installer switches, or the windowed program with
// the settings file of this user. Returns the process exit code.
int SubMain(Edition edition, int argc, char** argv);

}  // namespace curvedesk
