// Decoding of the text form of images, including faulty sources.

#include <gtest/gtest.h>

#include "platform/core/pixel_image.h"

namespace {

TEST(DecodePixelRows, MapsSymbolsToPaletteIndicesAndSeeThrough) {
  const char* rows[] = {"kw.", "rbk"};
  const DecodedImage decoded = DecodePixelRows(rows, StandardColourKey());
  ASSERT_TRUE(decoded.image) << decoded.error;
  const PixelImage& image = *decoded.image;
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.palette.size(), 16u);
  EXPECT_EQ(image.ColourAt(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(image.ColourAt(1, 0), RGB(255, 255, 255));
  EXPECT_TRUE(image.IsTransparent(2, 0));
  EXPECT_EQ(image.ColourAt(0, 1), RGB(255, 0, 0));
  EXPECT_EQ(image.ColourAt(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(image.IndexAt(2, 1), image.IndexAt(0, 0));
}

TEST(DecodePixelRows, StandardKeyIsTheClassicSixteenColoursOnce) {
  int opaque = 0;
  for (const ColourKeyEntry& entry : StandardColourKey()) opaque += entry.colour.has_value();
  EXPECT_EQ(opaque, 16);
  const char* everySymbol[] = {"kmgonptsdrlybfcw."};
  const DecodedImage decoded = DecodePixelRows(everySymbol, StandardColourKey());
  ASSERT_TRUE(decoded.image) << decoded.error;
  for (int a = 0; a < 16; ++a) {
    for (int b = a + 1; b < 16; ++b) {
      EXPECT_NE(decoded.image->ColourAt(a, 0), decoded.image->ColourAt(b, 0)) << a << " " << b;
    }
  }
}

TEST(DecodePixelRows, FaultySourcesAreRejectedWithTheirPlace) {
  const char* ragged[] = {"kkk", "kk"};
  DecodedImage decoded = DecodePixelRows(ragged, StandardColourKey());
  EXPECT_FALSE(decoded.image);
  EXPECT_NE(decoded.error.find("row 2"), std::string::npos) << decoded.error;

  const char* unknown[] = {"kkk", "kQk"};
  decoded = DecodePixelRows(unknown, StandardColourKey());
  EXPECT_FALSE(decoded.image);
  EXPECT_NE(decoded.error.find("'Q' at row 2, column 2"), std::string::npos) << decoded.error;

  const char* missing[] = {"kk", nullptr};
  EXPECT_FALSE(DecodePixelRows(missing, StandardColourKey()).image);

  const char* empty[] = {""};
  EXPECT_FALSE(DecodePixelRows(empty, StandardColourKey()).image);
  EXPECT_FALSE(DecodePixelRows({}, StandardColourKey()).image);

  const ColourKeyEntry twice[] = {{'a', RGB(1, 2, 3)}, {'a', RGB(4, 5, 6)}};
  const char* one[] = {"a"};
  decoded = DecodePixelRows(one, twice);
  EXPECT_FALSE(decoded.image);
  EXPECT_NE(decoded.error.find("twice"), std::string::npos);
}

}  // namespace
