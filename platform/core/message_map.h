#pragma once
// Message maps: per-class tables that bind window messages and command ids
// to member handlers. Each table names its base class's table, so a message
// a class does not bind is looked up in its base class. The tables are data:
// one can ask whether anything handles a command without calling it.

#include "platform/core/messages.h"

class CCmdTarget;

// Calls one member handler; the entry's macro knows the handler's signature.
using MessageThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
  UINT message = 0;  // WM_* number, or WM_COMMAND for commands
  int code = 0;      // for WM_COMMAND: CN_COMMAND or CN_UPDATE_COMMAND_UI
  UINT firstId = 0;  // for WM_COMMAND: the command ids handled, inclusive
  UINT lastId = 0;
  MessageThunk handler = nullptr;  // null ends a table
};

struct MessageMap {
  const MessageMap* (*baseMap)();  // null for the root
  const MessageMapEntry* entries;
};

// First entry for a window message, searching the class and then its bases.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message);
// First entry for a command id and notification code, searching likewise.
const MessageMapEntry* FindCommandEntry(const MessageMap* map, UINT id, int code);

#define DECLARE_MESSAGE_MAP()                                \
 public:                                                     \
  const MessageMap* GetMessageMap() const override;          \
                                                             \
 protected:                                                  \
  static const MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                      \
      {0, 0, 0, 0, nullptr}};                                                  \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
  }

// int OnCreate(LPCREATESTRUCT)
#define ON_WM_CREATE()                                                                  \
  {WM_CREATE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {                \
     return static_cast<ThisClass*>(t)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l)); \
   }},

// void OnDestroy()
#define ON_WM_DESTROY()                                              \
  {WM_DESTROY, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->OnDestroy();                         \
     return 0;                                                        \
   }},

// void OnSize(UINT type, int cx, int cy)
#define ON_WM_SIZE()                                                         \
  {WM_SIZE, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     static_cast<ThisClass*>(t)->OnSize(UINT(w), LOWORD(l), HIWORD(l));     \
     return 0;                                                               \
   }},

// BOOL OnEraseBkgnd(CDC*)
#define ON_WM_ERASEBKGND()                                                     \
  {WM_ERASEBKGND, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {   \
     return static_cast<ThisClass*>(t)->OnEraseBkgnd(reinterpret_cast<CDC*>(w)); \
   }},

// void OnPaint()
#define ON_WM_PAINT()                                              \
  {WM_PAINT, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->OnPaint();                         \
     return 0;                                                      \
   }},

// void OnClose()
#define ON_WM_CLOSE()                                              \
  {WM_CLOSE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->OnClose();                         \
     return 0;                                                      \
   }},

// void OnLButtonDown(UINT flags, Point point)
#define ON_WM_LBUTTONDOWN()                                                              \
  {WM_LBUTTONDOWN, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {          \
     static_cast<ThisClass*>(t)->OnLButtonDown(UINT(w), Point{GET_X_LPARAM(l), GET_Y_LPARAM(l)}); \
     return 0;                                                                           \
   }},

// void OnKeyDown(UINT key, UINT repeats, UINT flags)
#define ON_WM_KEYDOWN()                                                         \
  {WM_KEYDOWN, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     static_cast<ThisClass*>(t)->OnKeyDown(UINT(w), UINT(l & 0xFFFF), UINT(l >> 16)); \
     return 0;                                                                 \
   }},

// void memberFxn()
#define ON_COMMAND(id, memberFxn)                                              \
  {WM_COMMAND, CN_COMMAND, (id), (id), [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->memberFxn();                                  \
     return 0;                                                                 \
   }},

// void memberFxn(CCmdUI*)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                              \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (id), (id), [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT { \
     static_cast<ThisClass*>(t)->memberFxn(reinterpret_cast<CCmdUI*>(l));                \
     return 0;                                                                           \
   }},

// void memberFxn(UINT id), for every command from firstId to lastId
#define ON_COMMAND_RANGE(firstId, lastId, memberFxn)                                           \
  {WM_COMMAND, CN_COMMAND, (firstId), (lastId), [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->memberFxn(UINT(w));                                           \
     return 0;                                                                                  \
   }},

// LRESULT memberFxn(WPARAM, LPARAM), for a message of the framework's own
#define ON_MESSAGE(message, memberFxn)                                          \
  {(message), 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {       \
     return static_cast<ThisClass*>(t)->memberFxn(w, l);                        \
   }},
