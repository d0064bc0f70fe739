// Toolbar 128, its bitmap and the icons: order, sizes, palettes, and that
// each image is really drawn.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/core/bitmap_resource.h"
#include "platform/core/icon_resource.h"
#include "platform/core/resource_pictures.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "res/resource.h"

namespace {

constexpr std::size_t kClassicPaletteSize = 16;

const ToolBarResource& MainToolBar() {
  const ToolBarResource* toolBar = FindToolBar(IDR_MAINFRAME);
  EXPECT_NE(toolBar, nullptr);
  return *toolBar;
}

std::vector<unsigned> ImageButtons() {
  std::vector<unsigned> ids;
  for (unsigned id : MainToolBar().buttons) {
    if (id != ID_SEPARATOR) ids.push_back(id);
  }
  return ids;
}

TEST(MainToolBar, ListsTheButtonsInOrderWithTwoSeparators) {
  const std::vector<unsigned> expected = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR,
                                          ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR,
                                          ID_FILE_PRINT, ID_APP_ABOUT};
  const auto buttons = MainToolBar().buttons;
  EXPECT_EQ(std::vector<unsigned>(buttons.begin(), buttons.end()), expected);
  EXPECT_EQ(MainToolBar().buttonWidth, 16);
  EXPECT_EQ(MainToolBar().buttonHeight, 15);
  EXPECT_EQ(FindToolBar(IDR_KORTALTYPE), nullptr);
}

TEST(MainToolBar, ButtonsThatHaveAPromptShowATooltip) {
  // Print has no prompt in the table: its button stays without a tip.
  for (unsigned id : ImageButtons()) {
    const char* prompt = LoadResourceString(id);
    if (id == ID_FILE_PRINT) {
      EXPECT_EQ(prompt, nullptr);
      continue;
    }
    ASSERT_NE(prompt, nullptr) << id;
    const std::string text = prompt;
    const std::size_t newline = text.find('\n');
    ASSERT_NE(newline, std::string::npos) << id;
    EXPECT_FALSE(text.substr(newline + 1).empty()) << id;
  }
}

TEST(ToolBarBitmap, HasOneSixteenColourImagePerButton) {
  const DecodedImage decoded = LoadBitmapResource(IDR_MAINFRAME);
  ASSERT_TRUE(decoded.image) << decoded.error;
  const PixelImage& strip = *decoded.image;
  const int width = MainToolBar().buttonWidth, height = MainToolBar().buttonHeight;
  const std::size_t count = ImageButtons().size();
  EXPECT_EQ(count, 8u);
  EXPECT_EQ(strip.width, width * static_cast<int>(count));
  EXPECT_EQ(strip.height, height);
  EXPECT_EQ(strip.palette.size(), kClassicPaletteSize);

  std::set<std::vector<int>> distinct;
  for (std::size_t g = 0; g < count; ++g) {
    std::vector<int> glyph;
    int drawn = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int px = static_cast<int>(g) * width + x;
        ASSERT_FALSE(strip.IsTransparent(px, y)) << "bitmaps have no see-through pixels";
        glyph.push_back(strip.IndexAt(px, y));
        drawn += strip.ColourAt(px, y) != kButtonFaceColour;
      }
    }
    EXPECT_GT(drawn, 20) << "glyph " << g << " is nearly empty";
    EXPECT_TRUE(distinct.insert(glyph).second) << "glyph " << g << " repeats another";
  }
  EXPECT_FALSE(LoadBitmapResource(IDR_KORTALTYPE).image);
  EXPECT_NE(LoadBitmapResource(IDR_KORTALTYPE).error.find("129"), std::string::npos);
}

TEST(Icons, BothIconsComeInBothSizesWithSeeThroughCorners) {
  for (unsigned id : {IDR_MAINFRAME, IDR_KORTALTYPE}) {
    for (int size : kIconSizes) {
      const DecodedImage decoded = LoadIconImage(id, size);
      ASSERT_TRUE(decoded.image) << id << " at " << size << ": " << decoded.error;
      const PixelImage& icon = *decoded.image;
      EXPECT_EQ(icon.width, size);
      EXPECT_EQ(icon.height, size);
      EXPECT_LE(icon.palette.size(), kClassicPaletteSize);
      EXPECT_TRUE(icon.IsTransparent(0, 0) || icon.IsTransparent(size - 1, 0)) << id << " at " << size;
      int opaque = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) opaque += !icon.IsTransparent(x, y);
      }
      EXPECT_GT(opaque, size * size / 2) << id << " at " << size;
    }
  }
}

TEST(Icons, AbsentIdsAndSizesGiveAClearError) {
  const DecodedImage noIcon = LoadIconImage(130, kLargeIconSize);
  EXPECT_FALSE(noIcon.image);
  EXPECT_NE(noIcon.error.find("130"), std::string::npos);
  const DecodedImage noSize = LoadIconImage(IDR_MAINFRAME, 48);
  EXPECT_FALSE(noSize.image);
  EXPECT_NE(noSize.error.find("48"), std::string::npos);
}

}  // namespace
