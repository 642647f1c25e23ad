#include "gui/ignition/BoardSession.h"

namespace curvedesk {

BoardSession::BoardSession(SerialLink& link, const std::string& comSettings, ProtocolTimings timings, QObject* parent)
    : QObject(parent), programmer_(link, comSettings, timings) {}

BoardSession::Job::Job(BoardSession& session) : session_(session) {
  if (session_.jobs_++ == 0) emit session_.busyChanged(true);
}

BoardSession::Job::~Job() {
  if (--session_.jobs_ == 0) emit session_.busyChanged(false);
}

}  // namespace curvedesk
