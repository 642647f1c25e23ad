#pragma once

#include <QSettings>

namespace curvedesk {

// A settings file format that keeps the kinds of registry values, for systems without a registry:
//
//   [Software\Korvane\Tarvo\1.0\Vista]
//   "ComPort"=dword:00000001
//   "LastFileA"="/home/me/curves/a.crv"
//
// Numbers (Qt int/uint values) are written as dword, everything else as strings; reading gives back
// a uint for a dword and a QString for a string. Backslashes and quotes in strings are escaped.
QSettings::Format RegFileFormat();

// True when the file at the path can be read but is not in this format. Asked of the file itself:
// QSettings keeps what it read and reads a file again only once it has changed.
bool IsDamagedRegFile(const QString& path);

}  // namespace curvedesk
