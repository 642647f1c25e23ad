#include <QApplication>
#include <cstring>
#include <iostream>

#include "core/common/Version.h"
#include "core/model/AppContext.h"

int main(int argc, char* argv[]) {
  constexpr auto kEdition = CURVEDESK_EDITION_COMPACT ? curvedesk::Edition::Compact : curvedesk::Edition::Full;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << curvedesk::kApplicationTitle << (kEdition == curvedesk::Edition::Compact ? " Compact " : " ")
                << curvedesk::kProgramVersion << "\n";
      return 0;
    }
  }
  QApplication app(argc, argv);
  curvedesk::AppContext context;
  context.edition = kEdition;
  return 0;
}
