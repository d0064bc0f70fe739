#pragma once
// The base of everything that receives messages or commands: it owns the
// root of the message-map chain and answers commands from its map.

#include "platform/core/message_map.h"
#include "platform/core/object.h"

class CCmdTarget;
class CCmdUI;

// Filled instead of calling the handler, to ask who would handle a command.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* target = nullptr;
  const MessageMapEntry* entry = nullptr;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Runs (or, with handlerInfo, only finds) the handler of a command or of
  // its update question. True when one was found.
  virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);

  // Whether this target, or whatever it routes commands to, handles the command.
  bool HasCommandHandler(UINT id);

  virtual const MessageMap* GetMessageMap() const;

 protected:
  static const MessageMap* GetThisMessageMap();
};
