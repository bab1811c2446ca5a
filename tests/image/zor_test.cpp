#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "core/image/image_file.h"
#include "core/image/zor_animation.h"
#include "core/image/zor_colour.h"
#include "core/image/zor_compressor.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

constexpr std::uint32_t Argb(int a, int r, int g, int b) { return MakePixel(b, g, r, a); }

ZorFile handMade(int width, int height, std::vector<std::vector<std::uint32_t>> frames) {
  ZorFile file;
  file.width = width;
  file.height = height;
  for (const auto& words : frames) {
    file.table.push_back(static_cast<std::uint32_t>(file.stream.size()));
    file.stream.insert(file.stream.end(), words.begin(), words.end());
  }
  return file;
}

ImageBuffer decode(ZorAnimation& animation, int index) {
  auto frame = animation.decodeFrame(index);
  EXPECT_TRUE(frame) << "frame " << index;
  return frame ? std::move(*frame) : ImageBuffer();
}

// A vertical strip with a smooth coloured gradient, a translucent band and transparent corners.
ImageBuffer testStrip(int width, int frameHeight, int frames, bool moving) {
  auto strip = CreateImage(width, frameHeight * frames);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < frameHeight; ++y) {
      for (int x = 0; x < width; ++x) {
        const int shift = moving ? f * 3 : 0;
        int alpha = y < frameHeight / 4 ? 0 : (y < frameHeight / 2 ? 128 : 255);
        if (x < 4) alpha = 0;
        const std::uint32_t straight = MakePixel((x + shift) % 256, (2 * y) % 256, 180, alpha);
        strip->setPixelAt(x, f * frameHeight + y, PremultiplyPixel(straight));
      }
    }
  }
  return std::move(*strip);
}

TEST(ZorColour, RelightingFollowsTheLightnessModel) {
  int r, g, b;
  zor::Relight(255, 0, 0, 128, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 1);
  EXPECT_EQ(b, 1);
  zor::Relight(90, 90, 90, 100, r, g, b);  // grey stays grey at the new lightness
  EXPECT_EQ(r, 100);
  EXPECT_EQ(g, 100);
  EXPECT_EQ(b, 100);
  const zor::Hsl hsl = zor::ToHsl(0, 255, 255);  // green and blue tie: green wins
  EXPECT_DOUBLE_EQ(hsl.hue, 180.0);
  EXPECT_DOUBLE_EQ(zor::ToHsl(255, 0, 128).hue, 60.0 * -128 / 255 + 360.0);
}

TEST(ZorDecoder, EveryBlockKindProducesItsPixels) {
  const std::uint32_t p = Argb(200, 10, 20, 30);
  ZorFile file = handMade(8, 4, {{
      zor::kTransparentRun | 2,                       // pixels 0, 1
      zor::kOpaqueRgb | 3, 0x0302010a, 0x0b0c0d04, 0x00000000,  // 4 pixels from 12 bytes
      zor::kGreyAlpha | 1, 0x80409060,                // (0x90,0x60..) grey 0x60 alpha 0x90, grey 0x40 alpha 0x80
      zor::kGreyBytes | 0x3200 | 1, 0x04030201,       // 4 pixels alpha 0x32
      zor::kGreyBytes | 1, 0x000000ff,                // D = 0: alpha from the square root
      zor::kGreyRun | 0x7700 | 2,
      zor::kColourRun | 3, p,
      zor::kCurrentCopy | 2, 0x00000008,              // copies pixels 8, 9
      zor::kStreamCopy | 2, 0x00000002,               // stream words 2, 3
      zor::kStreamCopy | 2, 0x00000040,               // a forward reference: nothing written
      zor::kRelitOpaque | 1, 0x80ff0000,              // blue, then blue relit
      p,                                              // a literal pixel
      zor::kTransparentRun | 0xff00 | 0xff,           // more than remains: cut
  }});
  ZorAnimation animation;
  ASSERT_TRUE(animation.loadData(EncodeZorFile(file)));
  const ImageBuffer frame = decode(animation, 0);
  const std::uint32_t* px = frame.pixels();
  EXPECT_EQ(px[0], 0u);
  EXPECT_EQ(px[2], Argb(255, 0x0a, 0x01, 0x02));
  EXPECT_EQ(px[3], Argb(255, 0x03, 0x04, 0x0d));
  EXPECT_EQ(px[6], Argb(0x90, 0x60, 0x60, 0x60));
  EXPECT_EQ(px[7], Argb(0x80, 0x40, 0x40, 0x40));
  EXPECT_EQ(px[8], Argb(0x32, 1, 1, 1));
  EXPECT_EQ(px[11], Argb(0x32, 4, 4, 4));
  EXPECT_EQ(px[12], Argb(255, 255, 255, 255));  // sqrt(255 * 255) + 0.5
  EXPECT_EQ(px[13], Argb(0, 0, 0, 0));
  EXPECT_EQ(px[16], Argb(255, 0x77, 0x77, 0x77));
  EXPECT_EQ(px[18], p);
  EXPECT_EQ(px[20], p);
  EXPECT_EQ(px[21], px[8]);
  EXPECT_EQ(px[22], px[9]);
  EXPECT_EQ(px[23], 0x0302010au);
  EXPECT_EQ(px[24], 0x0b0c0d04u);
  EXPECT_EQ(px[25], 0u);
  EXPECT_EQ(px[27], Argb(255, 0, 0, 255));
  EXPECT_EQ(px[28], Argb(255, 1, 1, 255));
  EXPECT_EQ(px[29], p);
  EXPECT_EQ(px[31], 0u);
  const ZorFrameStatistics stats = animation.statistics();
  EXPECT_EQ(stats.wordsRead, static_cast<int>(file.stream.size()));
  EXPECT_EQ(stats.blocksRead, 12);

  animation.setShowBlocks(true);
  const ImageBuffer marked = decode(animation, 0);
  EXPECT_EQ(marked.pixels()[0], Argb(40, 0, 40, 40));
  EXPECT_EQ(marked.pixels()[18], Argb(40, 0, 90, 40));
  EXPECT_EQ(marked.pixels()[6], Argb(255, 0, 255, 255));
  EXPECT_EQ(marked.pixels()[29], p);  // literal pixels keep their colour
}

TEST(ZorDecoder, PreviousFrameChainsStopAfterFiveFrames) {
  std::vector<std::vector<std::uint32_t>> frames = {{zor::kColourRun | 16, Argb(255, 1, 2, 3)}};
  for (int i = 1; i < 7; ++i) frames.push_back({zor::kPreviousSame | 16});
  ZorFile file = handMade(4, 4, frames);
  std::string bytes = EncodeZorFile(file);
  bytes.replace(0, 4, "XXXX");  // the magic is not checked
  ZorAnimation animation;
  ASSERT_TRUE(animation.loadData(bytes));
  EXPECT_EQ(decode(animation, 6).pixels()[5], 0u);  // six frames back is too far
  ASSERT_TRUE(animation.loadData(bytes));
  EXPECT_EQ(decode(animation, 5).pixels()[5], Argb(255, 1, 2, 3));
  // In sequence, the kept previous frame carries the colour on.
  EXPECT_EQ(decode(animation, 6).pixels()[15], Argb(255, 1, 2, 3));
  EXPECT_EQ(decode(animation, 99).pixels()[0], Argb(255, 1, 2, 3));  // past the end: frame 0
}

TEST(ZorDecoder, DamagedFilesAreRefused) {
  ZorAnimation animation;
  const std::string good = EncodeZorFile(handMade(4, 4, {{zor::kTransparentRun | 16}}));
  ASSERT_TRUE(animation.loadData(good));
  EXPECT_FALSE(animation.loadData(good.substr(0, 15)));
  EXPECT_FALSE(animation.loadData(good.substr(0, 20)));  // table entry beyond the stream
  EXPECT_EQ(animation.frameCount(), 1);                    // the good animation stays

  auto withHeader = [&](std::uint32_t w, std::uint32_t h, std::uint32_t n) {
    std::string bytes = good;
    std::memcpy(bytes.data() + 4, &w, 4);
    std::memcpy(bytes.data() + 8, &h, 4);
    std::memcpy(bytes.data() + 12, &n, 4);
    return bytes;
  };
  EXPECT_FALSE(animation.loadData(withHeader(0, 4, 1)));
  EXPECT_FALSE(animation.loadData(withHeader(0x10000, 0x10000, 1)));
  EXPECT_FALSE(animation.loadData(withHeader(0xffffffffu, 0xffffffffu, 1)));
  EXPECT_FALSE(animation.loadData(withHeader(4, 4, 1001)));
  EXPECT_FALSE(animation.loadData(withHeader(4, 4, 0)));

  // A stream that ends inside a frame, or a payload past its end: the frame cannot be read.
  ASSERT_TRUE(animation.loadData(EncodeZorFile(handMade(4, 4, {{zor::kTransparentRun | 15}}))));
  EXPECT_FALSE(animation.decodeFrame(0));
  ASSERT_TRUE(animation.loadData(EncodeZorFile(handMade(4, 4, {{zor::kOpaqueRgb | 200, 0}}))));
  EXPECT_FALSE(animation.decodeFrame(0));
  // Pixel references far outside the frame start at its first pixel instead.
  ASSERT_TRUE(animation.loadData(EncodeZorFile(
      handMade(4, 4, {{Argb(255, 9, 9, 9), zor::kCurrentCopy | 15, 0xffffffffu}}))));
  EXPECT_EQ(decode(animation, 0).pixels()[15], Argb(255, 9, 9, 9));
}

TEST(ZorCompressor, TransparentAndRepeatedFramesUseRunsAndPreviousFrameBlocks) {
  auto strip = CreateImage(64, 64 * 3);
  for (int y = 64; y < 192; ++y)
    for (int x = 0; x < 64; ++x) strip->setPixelAt(x, y, MakePixel(x * 4, y % 64, 100, 255));
  const auto file = CompressStrip(*strip, 3, 2);
  ASSERT_TRUE(file);
  EXPECT_EQ(*ZorFrameTags(*file, 0), std::vector<std::uint32_t>{0x00011010u});
  const auto tags = *ZorFrameTags(*file, 2);
  ASSERT_EQ(tags.size(), 17u);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(tags[i], zor::kPreviousSame | 255);
  EXPECT_EQ(tags[16], zor::kPreviousSame | 16);

  ZorAnimation animation;
  ASSERT_TRUE(animation.loadData(EncodeZorFile(*file)));
  const ImageBuffer first = decode(animation, 0);
  for (std::size_t i = 0; i < first.pixelCount(); ++i) ASSERT_EQ(first.pixels()[i], 0u);
  const ImageBuffer second = decode(animation, 1);
  const ImageBuffer third = decode(animation, 2);
  EXPECT_EQ(std::memcmp(second.pixels(), third.pixels(), second.byteCount()), 0);
}

TEST(ZorCompressor, QualityRisesOnEveryOtherPairOfFramesButNotTheLast) {
  EXPECT_EQ(ZorFrameQuality(0, 8, 2), 2);
  EXPECT_EQ(ZorFrameQuality(2, 8, 2), 3);
  EXPECT_EQ(ZorFrameQuality(3, 8, 2), 3);
  EXPECT_EQ(ZorFrameQuality(4, 8, 2), 2);
  EXPECT_EQ(ZorFrameQuality(7, 8, 2), 2);
  // Frames whose alpha differs from their predecessor by 3 match it only at tolerance 3.
  auto strip = CreateImage(32, 5 * 4);
  for (int f = 0; f < 5; ++f) {
    const int alpha = f % 2 == 0 ? 255 : 252;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 32; ++x) strip->setPixelAt(x, f * 4 + y, PremultiplyPixel(MakePixel(100, 100, 100, alpha)));
  }
  const auto file = CompressStrip(*strip, 5, 2);
  ASSERT_TRUE(file);
  auto usesPrevious = [&](int frame) {
    const auto tags = ZorFrameTags(*file, frame);
    for (const std::uint32_t tag : tags.value()) {
      if ((tag & 0xFFFFFF00u) == zor::kPreviousSame) return true;
    }
    return false;
  };
  EXPECT_FALSE(usesPrevious(1));
  EXPECT_TRUE(usesPrevious(2));
  EXPECT_FALSE(usesPrevious(4));  // the last frame: tolerance 2 again
}

TEST(ZorCompressor, RoundTripStaysCloseAndChainsStayShort) {
  const ImageBuffer strip = testStrip(40, 24, 12, true);
  const auto file = CompressStrip(strip, 12, 2);
  ASSERT_TRUE(file);
  ZorAnimation animation;
  ASSERT_TRUE(animation.loadData(EncodeZorFile(*file)));
  int worst = 0;
  for (int f = 0; f < 12; ++f) {
    // Decoded out of order, so every frame rebuilds its own chain.
    const ImageBuffer frame = decode(animation, (f * 5) % 12);
    const int source = (f * 5) % 12;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 40; ++x) {
        const std::uint32_t a = frame.pixelAt(x, y), b = strip.pixelAt(x, source * 24 + y);
        worst = std::max({worst, std::abs(AlphaOfPixel(a) - AlphaOfPixel(b)), std::abs(RedOfPixel(a) - RedOfPixel(b)),
                          std::abs(GreenOfPixel(a) - GreenOfPixel(b)), std::abs(BlueOfPixel(a) - BlueOfPixel(b))});
      }
    }
  }
  EXPECT_LE(worst, 16);
  EXPECT_LT(file->stream.size(), strip.pixelCount() / 2);
}

TEST(ZorCompressor, CompressToZorWritesBesideTheSourceAndPublishesSafely) {
  testing::TempDir temp;
  const ImageBuffer strip = testStrip(64, 32, 30, true);
  const std::string source = temp.file("anim.tga");
  ASSERT_TRUE(SaveImageFile(source, strip, false));

  ZorAnimation animation;
  std::atomic<bool> done{false};
  std::vector<int> reported;
  std::thread worker([&] {
    EXPECT_EQ(CompressToZor(source, 30, animation, [&](std::int64_t n, std::int64_t total) {
      reported.push_back(static_cast<int>(n));
      EXPECT_EQ(total, 30);
      return true;
    }), ZorCompressResult::Written);
    done = true;
  });
  // The viewer decodes whatever is ready while the worker runs.
  while (!done) {
    const int ready = animation.progress();
    if (ready > 0) (void)animation.decodeFrame(ready - 1);
    (void)animation.statistics();
  }
  worker.join();
  EXPECT_EQ(reported.size(), 30u);
  EXPECT_EQ(animation.progress(), 30);
  EXPECT_TRUE(temp.read("anim.ZOR").size() > 16);
  ZorAnimation reloaded;
  ASSERT_TRUE(reloaded.load(temp.file("anim.ZOR")));
  EXPECT_EQ(reloaded.frameCount(), 30);
  EXPECT_EQ(reloaded.height(), 32);

  EXPECT_EQ(CompressToZor(temp.file("missing.tga"), 3, animation), ZorCompressResult::CannotOpenSource);
  EXPECT_EQ(CompressToZor(source, 1001, animation), ZorCompressResult::BadFrameCount);
  EXPECT_EQ(ZorNameFor("a/b.tga"), "a/b.ZOR");
}

}  // namespace
}  // namespace tessera
