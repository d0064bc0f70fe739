#include "res/program_resources.h"

const ResourceTables& ProgramResources() {
  static const ResourceTables tables{
      .strings = ProgramStrings(),
      .menus = ProgramMenus(),
      .accelerators = ProgramAccelerators(),
      .dialogs = ProgramDialogs(),
      .toolBars = ProgramToolBars(),
      .bitmaps = ProgramBitmaps(),
      .icons = ProgramIcons(),
      .version = &ProgramVersion(),
  };
  return tables;
}
