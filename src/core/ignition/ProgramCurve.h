#pragma once

#include <string>

#include "core/common/Prompter.h"
#include "core/ignition/ImageVerification.h"
#include "core/ignition/LogSink.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/ProgressSink.h"
#include "core/model/Edition.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// Caption of the log and progress windows of a programming run.
inline constexpr const char* kProgramCurveCaption = "Programming curve data ...";

// Writes the curve into the ignition: wakes the board, sends the common block and the four slots
// paced by the board and ends the transfer, logging every byte and advancing the progress; the
// timing table is read from tablePath. On success the message "Ignition programmed successfully"
// goes through the prompter, then the log gets its closing lines. On any error the log gets the
// ERROR banner and the message, and the same error is raised again; records already sent stay in
// the board. The caller opens the log and progress windows before and closes them after, also
// when it raises. The bytes are the given edition's.
//
// With verification on, the end record is followed by a read transfer that reads the curve area
// back and compares it with what was written, before "PROGRAMMING COMPLETED.": a difference is
// logged byte by byte and raises ErrVerify. The writing takes the first part of the progress bar,
// the reading the rest.
void ProgramCurve(const CurveData& curve, const std::string& tablePath, Programmer& programmer, LogSink& log,
                  ProgressSink& progress, Prompter& prompter, Edition edition = Edition::Full,
                  Verification verification = Verification::On);

}  // namespace curvedesk
