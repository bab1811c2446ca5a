#include "core/colours/part_file.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

constexpr std::string_view kColours = "3\r\n1, 0, 0, 51, 153, \r\n3, 1, 255, 0, 0, \r\n12, 7, 236, 243, 254, \r\n";
// Face names are 8-bit bytes: "Café" in Windows-1252.
constexpr std::string_view kFonts = "2\r\n1, 0, Segoe UI, 12, 400, 0, 0, \r\n4, 2, Caf\xe9 Sans, 9, 700, 1, 1, \r\n";

TEST(PartFile, TablesInTheWrittenFormRoundTripByteForByte) {
  const auto colours = ParsePartFile(kColours, PartKind::Colours);
  ASSERT_EQ(colours.size(), 3u);
  EXPECT_EQ(colours[1].part, 3);
  EXPECT_EQ(colours[1].state, 1);
  EXPECT_EQ(colours[1].colour, MakeColorRef(255, 0, 0));
  EXPECT_EQ(FormatPartFile(colours, PartKind::Colours), kColours);

  const auto fonts = ParsePartFile(kFonts, PartKind::Fonts);
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[1].face, "Caf\xe9 Sans");
  EXPECT_EQ(fonts[1].height, 9);
  EXPECT_EQ(fonts[1].weight, 700);
  EXPECT_TRUE(fonts[1].italic);
  EXPECT_TRUE(fonts[1].underline);
  EXPECT_FALSE(fonts[0].italic);
  EXPECT_EQ(FormatPartFile(fonts, PartKind::Fonts), kFonts);
  EXPECT_EQ(FormatPartFile({}, PartKind::Fonts), "0\r\n");
}

TEST(PartFile, CommentsTabsBlankLinesAndLineEndsAreReadAsTheFormatSays) {
  // With or without the trailing ", "; tabs inside a line vanish; ";" comments run to the line
  // end; blank and comment-only lines are skipped; LF, CR LF and a lone CR all end a line.
  const std::string text = "; part colours\n\n  2 ; count\r5,\t2, 1\t0, 20, 30\r\n\n;skip\n7, 1, 1, 2, 3, ; last\n";
  const auto records = ParsePartFile(text, PartKind::Colours);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].part, 5);
  EXPECT_EQ(records[0].state, 2);
  EXPECT_EQ(records[0].colour, MakeColorRef(10, 20, 30));
  EXPECT_EQ(records[1].colour, MakeColorRef(1, 2, 3));

  // A table saved with CR-only line ends reads whole.
  const auto crOnly = ParsePartFile("2\r1, 0, 5, 6, 7, \r2, 0, 8, 9, 10, \r", PartKind::Colours);
  ASSERT_EQ(crOnly.size(), 2u);
  EXPECT_EQ(crOnly[1].colour, MakeColorRef(8, 9, 10));
}

TEST(PartFile, DamagedTablesAreReadAsFarAsTheyGoAndWrittenBackInTheExactForm) {
  // More records announced than present: the ones there are. Fewer: only as many as announced.
  EXPECT_EQ(ParsePartFile("5\n1, 0, 1, 2, 3\n", PartKind::Colours).size(), 1u);
  const auto cut = ParsePartFile("1\n1, 0, 1, 2, 3\n2, 0, 4, 5, 6\n", PartKind::Colours);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(FormatPartFile(cut, PartKind::Colours), "1\r\n1, 0, 1, 2, 3, \r\n");
  // A count that is no number, or below zero, announces nothing; a huge one allocates nothing.
  EXPECT_TRUE(ParsePartFile("many\n1, 0, 1, 2, 3\n", PartKind::Colours).empty());
  EXPECT_TRUE(ParsePartFile("-3\n1, 0, 1, 2, 3\n", PartKind::Colours).empty());
  EXPECT_EQ(ParsePartFile("99999999999999999999\n1, 0, 1, 2, 3\n", PartKind::Colours).size(), 1u);

  // Missing fields and fields that are no numbers read as 0; channels are clamped to 0..255;
  // numbers past the int range are held at its ends.
  const auto odd = ParsePartFile("4\n9\nx, 1, 300, -5, abc\n2, 3, 7\n99999999999, -99999999999, 1, 2, 3\n", PartKind::Colours);
  ASSERT_EQ(odd.size(), 4u);
  EXPECT_EQ(odd[0].part, 9);
  EXPECT_EQ(odd[0].colour, 0u);
  EXPECT_EQ(odd[1].part, 0);
  EXPECT_EQ(odd[1].colour, MakeColorRef(255, 0, 0));
  EXPECT_EQ(odd[2].colour, MakeColorRef(7, 0, 0));
  EXPECT_EQ(odd[3].part, 2147483647);
  EXPECT_EQ(odd[3].state, -2147483648);
  EXPECT_EQ(FormatPartFile(odd, PartKind::Colours),
            "4\r\n9, 0, 0, 0, 0, \r\n0, 1, 255, 0, 0, \r\n2, 3, 7, 0, 0, \r\n2147483647, -2147483648, 1, 2, 3, \r\n");

  // A face name longer than 254 bytes is cut; a font record without fields is all defaults.
  const std::string longName(300, 'F');
  const auto fonts = ParsePartFile("2\n1, 0, " + longName + ", 9, 400, 0, 0\n3\n", PartKind::Fonts);
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[0].face, std::string(254, 'F'));
  EXPECT_EQ(fonts[1].face, "");
  EXPECT_EQ(fonts[1].weight, 0);
  EXPECT_EQ(FormatPartFile(fonts, PartKind::Fonts),
            "2\r\n1, 0, " + std::string(254, 'F') + ", 9, 400, 0, 0, \r\n3, 0, , 0, 0, 0, 0, \r\n");
}

TEST(PartFile, AFaceNameIsWrittenSoThatItReadsBackTheSame) {
  PartRecord record;
  record.face = "Odd, Name;\tx\r\n";
  record.height = 10;
  const std::string written = FormatPartFile({record}, PartKind::Fonts);
  EXPECT_EQ(written, "1\r\n0, 0, Odd Namex, 10, 400, 0, 0, \r\n");
  const auto back = ParsePartFile(written, PartKind::Fonts);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(FormatPartFile(back, PartKind::Fonts), written);
}

}  // namespace
}  // namespace tessera
