#include "platform/core/resource_registry.h"

#include <cerrno>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

// Like the rest of the framework, the registry belongs to the one thread that
// runs the program: the tables are set at start-up and looked up from its
// message loop, never from another thread. So nothing here takes a lock,
// neither for the tables nor for what was already reported.

namespace {

void ReportMissingResource(const char* kind, unsigned id) {
  static std::set<std::pair<std::string, unsigned>> reported;
  if (!reported.emplace(kind, id).second) return;
  std::fprintf(stderr, "%s: there is no %s %u among the program's resources\n", program_invocation_short_name,
               kind, id);
}

ResourceTables& Registered() {
  static ResourceTables tables;
  return tables;
}

template <typename Resource>
const Resource* FindById(std::span<const Resource> table, unsigned id, const char* kind) {
  for (const Resource& resource : table) {
    if (resource.id == id) return &resource;
  }
  ReportMissingResource(kind, id);
  return nullptr;
}

const char* FindString(unsigned id) {
  for (const StringEntry& entry : Registered().strings) {
    if (id >= entry.first && id <= entry.last) return entry.text;
  }
  return nullptr;
}

}  // namespace

void AfxSetResourceTables(const ResourceTables& tables) { Registered() = tables; }

const char* LoadResourceString(unsigned id) {
  const char* text = FindString(id);
  if (text == nullptr) ReportMissingResource("string", id);
  return text;
}

const char* FindPromptString(unsigned id) { return FindString(id); }

const MenuResource* FindMenu(unsigned id) { return FindById(Registered().menus, id, "menu"); }

const AcceleratorTable* FindAcceleratorTable(unsigned id) {
  return FindById(Registered().accelerators, id, "accelerator table");
}

const DialogTemplate* FindDialogTemplate(unsigned id) { return FindById(Registered().dialogs, id, "dialog"); }

const ToolBarResource* FindToolBar(unsigned id) { return FindById(Registered().toolBars, id, "toolbar"); }

const BitmapResource* FindBitmap(unsigned id) { return FindById(Registered().bitmaps, id, "bitmap"); }

const IconResource* FindIcon(unsigned id) { return FindById(Registered().icons, id, "icon"); }

const VersionBlock* FindVersionBlock() {
  if (Registered().version == nullptr) ReportMissingResource("version block", 1);  // a program has one, number 1
  return Registered().version;
}
