#pragma once
// The program's resources, written in the framework's formats, and the one
// set of tables the program hands the framework at start-up.

#include <span>

#include "platform/core/resource_registry.h"

// Every toolbar button image, in the toolbar and in its bitmap.
inline constexpr int kToolBarButtonWidth = 16;
inline constexpr int kToolBarButtonHeight = 15;

// All of them, for AfxSetResourceTables.
const ResourceTables& ProgramResources();

// One table each, in its own file.
std::span<const StringEntry> ProgramStrings();
std::span<const MenuResource> ProgramMenus();
std::span<const AcceleratorTable> ProgramAccelerators();
std::span<const DialogTemplate> ProgramDialogs();
std::span<const ToolBarResource> ProgramToolBars();
std::span<const BitmapResource> ProgramBitmaps();
std::span<const IconResource> ProgramIcons();
const VersionBlock& ProgramVersion();
