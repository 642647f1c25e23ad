#pragma once

#include <cstdint>

namespace curvedesk {

// The program's error numbers. Application errors sit in the range of application-defined object
// errors (0x80040000) in blocks: 0x2xx hardware, help, printer and firmware name; 0x4xx files;
// 0x6xx registry; 0x8xx web browser; 0xAxx curve editing rules. The run-time's own file and memory
// error numbers (14, 52 ... 76) are used unchanged.
using ErrorNumber = std::int32_t;

namespace detail {
constexpr ErrorNumber AppErr(std::uint32_t offset) {
  return static_cast<ErrorNumber>(0x80040000u + offset);
}
}  // namespace detail

enum ErrorCode : ErrorNumber {
  // Run-time errors.
  ErrOverflow = 6,
  ErrTypeMismatch = 13,
  ErrOutOfMemory = 14,
  ErrBadFileName = 52,
  ErrBadFileMode = 54,
  ErrFileAlreadyOpen = 55,
  ErrDeviceIO = 57,
  ErrDiskFull = 61,
  ErrInputPastEnd = 62,
  ErrBadFileNameOrNumber = 64,
  ErrDeviceUnavailable = 68,
  ErrDiskNotReady = 71,
  ErrPathFileAccess = 75,
  ErrPathNotFound = 76,

  ErrGeneric = detail::AppErr(0x201),
  ErrHelpViewer = detail::AppErr(0x202),
  ErrPrinter = detail::AppErr(0x203),
  ErrNoComPort = detail::AppErr(0x204),
  ErrBoardNotResponding = detail::AppErr(0x205),
  ErrProgramming = detail::AppErr(0x206),
  ErrReading = detail::AppErr(0x207),
  ErrFirmwareFileName = detail::AppErr(0x208),
  ErrFirmwareFileDamaged = detail::AppErr(0x20A),  // 0x209 stays without a message
  ErrVerify = detail::AppErr(0x20B),

  ErrIniWrite = detail::AppErr(0x401),
  ErrIniRead = detail::AppErr(0x402),
  ErrNotCurveFile = detail::AppErr(0x403),
  ErrCurveVersion = detail::AppErr(0x404),
  ErrCurveCorrupt = detail::AppErr(0x405),
  ErrLimitsCorrupt = detail::AppErr(0x406),
  ErrIgnDescCorrupt = detail::AppErr(0x407),
  ErrIgnNameNotFound = detail::AppErr(0x408),

  ErrRegistryCorrupt = detail::AppErr(0x601),
  ErrRegistryMissing = detail::AppErr(0x602),
  ErrRegistryDenied = detail::AppErr(0x603),

  ErrBrowserLaunch = detail::AppErr(0x801),

  ErrRevLimitTooLow = detail::AppErr(0xA01),
  ErrRevLimitBelowNode = detail::AppErr(0xA02),
  ErrRpmOverRevLimit = detail::AppErr(0xA03),
  ErrFirstNodeRpm = detail::AppErr(0xA04),
  ErrNodesTooCloseRpm = detail::AppErr(0xA05),
  ErrCoilOnMultiple = detail::AppErr(0xA06),
  ErrPrimarySparkMax = detail::AppErr(0xA07),
  ErrNodesTooCloseAngle = detail::AppErr(0xA08),
  ErrRpmMax = detail::AppErr(0xA09),
  ErrAngleMax = detail::AppErr(0xA0A),
  ErrRpmMultiple = detail::AppErr(0xA0B),
  ErrRpmOrder = detail::AppErr(0xA0C),
  ErrAngleOrder = detail::AppErr(0xA0D),
  ErrSparkPlotSpacing = detail::AppErr(0xA0E),
  ErrSparkConfigSaturation = detail::AppErr(0xA0F),
  ErrNodesDoNotFit = detail::AppErr(0xA10),
  ErrNodeSaturation = detail::AppErr(0xA11),
};

}  // namespace curvedesk
