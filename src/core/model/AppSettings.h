#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace curvedesk {

// The registry-backed settings, held in memory from start-up to shut-down.
struct AppSettings {
  std::string s2gAppDir;        // folder of the ignition descriptions and the limits file
  std::string CompanyWebPage;
  std::string ComSettings;      // "19200,n,8,1"
  std::array<std::string, 4> LastFiles;
  std::string LastFileOrder;
  std::int32_t ComPort = 1;
  std::string ComPortsList;
  std::string ComDevice;        // chosen device path where ports are paths (core/ignition/SerialPortSettings.h)
  std::int32_t MainTop = 1000;   // twips
  std::int32_t MainLeft = 1000;  // twips
  std::string DefCurveFilePath;
  std::string DefFirmwareFilePath;
  bool VerifyAfterWrite = true;  // programming reads the ignition back and compares
  bool NodeTableVisible = false;  // the main window shows the node table beside the graph
};

}  // namespace curvedesk
