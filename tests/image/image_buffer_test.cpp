#include <gtest/gtest.h>

#include <vector>

#include "core/image/image_buffer.h"

namespace tessera {
namespace {

TEST(ImageBuffer, CreationChecksTheSize) {
  EXPECT_FALSE(CreateImage(0, 10));
  EXPECT_FALSE(CreateImage(10, -1));
  EXPECT_FALSE(CreateImage(65535, 65535));
  auto image = CreateImage(3, 2);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixelCount(), 6u);
  EXPECT_FALSE(HasAlpha(*image));
  image->setPixelAt(2, 0, MakePixel(0, 0, 0, 1));
  EXPECT_TRUE(HasAlpha(*image));
  // Bottom-up: the top row is the last row in memory.
  EXPECT_EQ(image->pixels()[5], MakePixel(0, 0, 0, 1));
  auto topDown = CreateImageTopDown(3, 2);
  topDown->setPixelAt(2, 0, 7);
  EXPECT_EQ(topDown->pixels()[2], 7u);
}

TEST(ImageBuffer, PremultiplyAndUnpremultiplyTruncateExactly) {
  for (int a = 0; a < 256; ++a) {
    for (int x = 0; x < 256; ++x) {
      const std::uint32_t pre = PremultiplyPixel(MakePixel(x, x, 255 - x, a));
      ASSERT_EQ(BlueOfPixel(pre), x * a / 255) << x << " " << a;
      ASSERT_EQ(RedOfPixel(pre), (255 - x) * a / 255) << x << " " << a;
      ASSERT_EQ(AlphaOfPixel(pre), a);
      if (x <= a) {
        const std::uint32_t straight = UnpremultiplyPixel(MakePixel(x, 0, 0, a));
        ASSERT_EQ(BlueOfPixel(straight), a == 0 ? 0 : x * 255 / a);
      }
    }
  }
  // The whole-picture conversion agrees with the per-pixel one for every colour and alpha.
  auto image = CreateImage(256, 257);
  for (int a = 0; a < 256; ++a)
    for (int x = 0; x < 256; ++x) image->setPixelAt(x, a, MakePixel(x, 255 - x, x ^ 0x5a, a));
  image->setPixelAt(3, 256, MakePixel(9, 8, 7, 6));  // a row whose count is not a multiple of 4 pixels
  const ImageBuffer straight = *image;
  Premultiply(*image);
  for (std::size_t i = 0; i < image->pixelCount(); ++i) ASSERT_EQ(image->pixels()[i], PremultiplyPixel(straight.pixels()[i]));
  Unpremultiply(*image);
  for (std::size_t i = 0; i < image->pixelCount(); ++i) {
    ASSERT_EQ(image->pixels()[i], UnpremultiplyPixel(PremultiplyPixel(straight.pixels()[i])));
  }
  // Every colour and alpha, valid or not, mixed within each group of eight pixels: the wide
  // conversions of the picture loops agree with the per-pixel forms.
  std::vector<std::uint32_t> all(256 * 256 + 5), converted(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    const std::uint32_t x = i & 0xff, a = ((i >> 8) * 37 + i * 11) & 0xff;
    all[i] = MakePixel(x, (x * 7) & 0xff, 255 - x, a);
  }
  UnpremultiplyPixels(all.data(), converted.data(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) ASSERT_EQ(converted[i], UnpremultiplyPixel(all[i])) << std::hex << all[i];
  converted = all;
  PremultiplyPixels(converted.data(), converted.size());
  for (std::size_t i = 0; i < all.size(); ++i) ASSERT_EQ(converted[i], PremultiplyPixel(all[i])) << std::hex << all[i];
  // Invalid pre-multiplied input is held to 255 instead of wrapping.
  EXPECT_EQ(BlueOfPixel(UnpremultiplyPixel(MakePixel(200, 0, 0, 100))), 255);
  EXPECT_EQ(UnpremultiplyPixel(MakePixel(12, 34, 56, 0)), 0u);
}

TEST(ImageBuffer, KeyedConversionsUseMagenta) {
  auto image = CreateImage(5, 1);
  image->setPixelAt(0, 0, MakePixel(0, 0, 0, 79));   // black, faint: becomes the key
  image->setPixelAt(1, 0, MakePixel(10, 0, 0, 79));  // coloured: kept
  image->setPixelAt(2, 0, MakePixel(0, 0, 0, 80));   // black at 80: kept
  image->setPixelAt(3, 0, MakePixel(0, 0, 0, 0));
  image->setPixelAt(4, 0, MakePixel(100, 50, 25, 255));
  UnpremultiplyKeyed(*image);
  EXPECT_EQ(image->pixelAt(0, 0), kMagentaKey);
  EXPECT_EQ(image->pixelAt(1, 0), MakePixel(10 * 255 / 79, 0, 0, 79));
  EXPECT_EQ(image->pixelAt(2, 0), MakePixel(0, 0, 0, 80));
  EXPECT_EQ(image->pixelAt(3, 0), kMagentaKey);
  EXPECT_EQ(image->pixelAt(4, 0), MakePixel(100, 50, 25, 255));

  image->setPixelAt(1, 0, MakePixel(255, 0, 255, 0));
  KeyToTransparent(*image);
  EXPECT_EQ(image->pixelAt(0, 0), 0u);
  EXPECT_EQ(image->pixelAt(1, 0), 0u);
  EXPECT_EQ(image->pixelAt(4, 0), MakePixel(100, 50, 25, 255));
}

TEST(ImageBuffer, CopyRectClipsToBothPictures) {
  auto source = CreateImageTopDown(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source->setPixelAt(x, y, MakePixel(x, y, 0, 255));
  auto target = CreateImage(3, 3);
  CopyRect(*source, -1, 1, 10, 10, *target, 0, 0);
  // Source column -1 is outside: target column 0 stays empty, column 1 gets source column 0.
  EXPECT_EQ(target->pixelAt(0, 0), 0u);
  EXPECT_EQ(target->pixelAt(1, 0), MakePixel(0, 1, 0, 255));
  EXPECT_EQ(target->pixelAt(2, 2), MakePixel(1, 3, 0, 255));
  CopyRect(*source, 0, 0, 2, 2, *target, -1, 2);
  EXPECT_EQ(target->pixelAt(0, 2), MakePixel(1, 0, 0, 255));
  CopyRect(*source, 0, 0, 0x7fffffff, 0x7fffffff, *target, 0x7ffffff0, 0);  // far outside: nothing
  EXPECT_EQ(target->pixelAt(0, 2), MakePixel(1, 0, 0, 255));
}

}  // namespace
}  // namespace tessera
