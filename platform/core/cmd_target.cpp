#include "platform/core/cmd_target.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMap* CCmdTarget::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
  const MessageMapEntry* entry = FindCommandEntry(GetMessageMap(), id, code);
  if (entry == nullptr) return FALSE;
  if (handlerInfo != nullptr) {
    handlerInfo->target = this;
    handlerInfo->entry = entry;
    return TRUE;
  }
  entry->handler(this, WPARAM(id), reinterpret_cast<LPARAM>(extra));
  return TRUE;
}

bool CCmdTarget::HasCommandHandler(UINT id) {
  AFX_CMDHANDLERINFO info;
  return OnCmdMsg(id, CN_COMMAND, nullptr, &info) != FALSE;
}
