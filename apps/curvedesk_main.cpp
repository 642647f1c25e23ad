#include <cstring>
#include <iostream>

#include "core/common/Version.h"
#include "gui/app/SubMain.h"

int main(int argc, char* argv[]) {
  constexpr auto kEdition = CURVEDESK_EDITION_COMPACT ? curvedesk::Edition::Compact : curvedesk::Edition::Full;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << curvedesk::kApplicationTitle << (kEdition == curvedesk::Edition::Compact ? " Compact " : " ")
              << curvedesk::kProgramVersion << "\n";
    return 0;
  }
  return curvedesk::SubMain(kEdition, argc, argv);
}
