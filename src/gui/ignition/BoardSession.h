#pragma once

#include <QObject>
#include <string>

#include "core/ignition/Programmer.h"
#include "core/ignition/SerialLink.h"

namespace curvedesk {

// The program's one way to the board: the serial link, the protocol in front of it, and whether a
// job is using them. The windows of a job are not modal and the link keeps windows alive while it
// waits, so the windows disable every command that starts a job while one runs.
class BoardSession : public QObject {
  Q_OBJECT
 public:
  BoardSession(SerialLink& link, const std::string& comSettings, ProtocolTimings timings = {},
               QObject* parent = nullptr);

  Programmer& Board() { return programmer_; }
  bool Busy() const { return jobs_ > 0; }

  // Marks a job as running for its lifetime; jobs started inside a job (the Read after a service
  // function) only count.
  class Job {
   public:
    explicit Job(BoardSession& session);
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

   private:
    BoardSession& session_;
  };

 signals:
  void busyChanged(bool busy);

 private:
  Programmer programmer_;
  int jobs_ = 0;
};

}  // namespace curvedesk
