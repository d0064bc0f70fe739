#include "platform/core/message_map.h"

namespace {

template <class Match>
const MessageMapEntry* FindEntry(const MessageMap* map, Match match) {
  for (; map != nullptr; map = map->baseMap ? map->baseMap() : nullptr) {
    for (const MessageMapEntry* entry = map->entries; entry->handler != nullptr; ++entry) {
      if (match(*entry)) return entry;
    }
  }
  return nullptr;
}

}  // namespace

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message) {
  return FindEntry(map, [message](const MessageMapEntry& e) { return e.message == message && message != WM_COMMAND; });
}

const MessageMapEntry* FindCommandEntry(const MessageMap* map, UINT id, int code) {
  return FindEntry(map, [id, code](const MessageMapEntry& e) {
    return e.message == WM_COMMAND && e.code == code && e.firstId <= id && id <= e.lastId;
  });
}
