#pragma once
// The program's resources as the framework finds them: the program hands its
// tables over once at start-up (its application object does, before
// InitInstance), and the framework looks up each menu, string, dialog,
// toolbar, bitmap and icon by id among them. A lookup that misses writes
// "PROGRAM: there is no KIND ID among the program's resources" on stderr,
// the first time for each kind and id, and gives nothing; the caller
// carries on without it.

#include <span>

#include "platform/core/accelerator_table.h"
#include "platform/core/bitmap_resource.h"
#include "platform/core/dialog_template.h"
#include "platform/core/icon_resource.h"
#include "platform/core/menu_resource.h"
#include "platform/core/string_table.h"
#include "platform/core/toolbar_resource.h"
#include "platform/core/version_block.h"

// Views of tables the program keeps for as long as the framework runs.
struct ResourceTables {
  std::span<const StringEntry> strings;
  std::span<const MenuResource> menus;
  std::span<const AcceleratorTable> accelerators;
  std::span<const DialogTemplate> dialogs;
  std::span<const ToolBarResource> toolBars;
  std::span<const BitmapResource> bitmaps;
  std::span<const IconResource> icons;
  const VersionBlock* version = nullptr;
};

// Replaces what was registered; empty tables take everything away.
void AfxSetResourceTables(const ResourceTables& tables);

// Each gives nullptr when the registered tables lack the id.
const char* LoadResourceString(unsigned id);
const MenuResource* FindMenu(unsigned id);
const AcceleratorTable* FindAcceleratorTable(unsigned id);
const DialogTemplate* FindDialogTemplate(unsigned id);
const ToolBarResource* FindToolBar(unsigned id);
const BitmapResource* FindBitmap(unsigned id);
const IconResource* FindIcon(unsigned id);
const VersionBlock* FindVersionBlock();

// A command's prompt, or nullptr; many commands have none, so a miss is not
// reported.
const char* FindPromptString(unsigned id);
