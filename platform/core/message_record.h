#pragma once
// Platform-internal: watches every event the toolkit dispatches and keeps
// the one that tells the loop most about whether idle work is due again.

#include <QObject>

#include "platform/core/messages.h"

class MessageRecord : public QObject {
 public:
  // Installed on the application object; created once, on first use.
  static MessageRecord& Instance();

  // Starts a queue pass; Summary() then describes that pass.
  void BeginPass();
  MSG Summary() const { return summary_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MessageRecord();
  MSG summary_{};
  bool sawIdleWorthy_ = false;
};

// Paint, update and timer events leave idle work as it was; so does a
// mouse move, unless it moved (which IsIdleMessage decides).
bool IsPaintOrTimer(UINT message);
