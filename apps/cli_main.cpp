#include <cstring>
#include <iostream>

#include "core/common/Version.h"

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "curvedesk-cli " << curvedesk::kProgramVersion << "\n";
    return 0;
  }
  std::cerr << "usage: curvedesk-cli --version\n";
  return 1;
}
