#include "core/platform/ini_document.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

TEST(IniDocument, ReadsNamesCaseInsensitivelyAndFirstMatchWins) {
  const IniDocument doc("[Main]\r\nKey=one\r\nkey=two\r\n[MAIN]\r\nKey=three\r\nOther=x\r\n");
  EXPECT_EQ(doc.value("main", "KEY"), "one");
  // Only the first section of a name is searched.
  EXPECT_FALSE(doc.value("Main", "Other").has_value());
  EXPECT_EQ(doc.sectionNames().size(), 2u);
}

TEST(IniDocument, TrimsNamesAndValuesAndSplitsAtFirstEquals) {
  const IniDocument doc("  [  Spaced Name ] trailing\n\t Key \t=  a=b  \n;Comment=1\nbare line\n");
  EXPECT_EQ(doc.value("Spaced Name", "Key"), "a=b");
  EXPECT_FALSE(doc.value("Spaced Name", ";Comment").has_value());
  EXPECT_FALSE(doc.value("Spaced Name", "bare line").has_value());
  const auto entries = doc.sectionEntries("spaced name");
  ASSERT_TRUE(entries.has_value());
  EXPECT_EQ(*entries, (std::vector<std::string>{"Key=a=b", "bare line"}));
}

TEST(IniDocument, HeaderNameEndsAtLastBracketAndOpenBracketAloneIsNoHeader) {
  const IniDocument doc("[a]b]\nk=1\n[broken\nk=2\n");
  EXPECT_EQ(doc.value("a]b", "k"), "1");
  EXPECT_EQ(doc.sectionNames().size(), 1u);
  // "[broken" is a bare line of section "a]b", and the second k is a later duplicate.
  EXPECT_EQ(doc.sectionEntries("a]b")->size(), 3u);
}

TEST(IniDocument, LineEndsAtCrLfOrAnyMix) {
  const IniDocument doc("[S]\ra=1\nb=2\r\nc=3\n\rd=4");
  EXPECT_EQ(doc.value("S", "a"), "1");
  EXPECT_EQ(doc.value("S", "b"), "2");
  EXPECT_EQ(doc.value("S", "c"), "3");
  EXPECT_EQ(doc.value("S", "d"), "4");
}

TEST(IniDocument, SetValueKeepsEveryOtherByte) {
  const std::string original = "; header comment\n[S]\r\n  a = 1 \r\nb=2\n\n[T]\rx=y\r";
  IniDocument doc(original);
  EXPECT_TRUE(doc.setValue("S", "A", "new"));
  EXPECT_EQ(doc.bytes(), "; header comment\n[S]\r\n  a=new\r\nb=2\n\n[T]\rx=y\r");
  EXPECT_FALSE(doc.setValue("s", "a", "new"));
}

TEST(IniDocument, SetValuesEqualsSetValueInTurn) {
  const std::string text = "[A]\r\nx = 1\r\ny=2\n[b]\r\nX=3\r\n[A]\r\nz=9\r\n";
  const std::vector<IniDocument::Edit> edits = {
      {"a", "X", "one"}, {"B", "x", "three"}, {"A", "y", "2"}, {"A", "new", "n"}, {"A", "x", "uno"}, {"C", "k", "v"}};
  IniDocument one(text);
  for (const auto& e : edits) one.setValue(e.section, e.key, e.value);
  IniDocument batch(text);
  EXPECT_TRUE(batch.setValues(edits));
  EXPECT_EQ(batch.bytes(), one.bytes());
  EXPECT_EQ(batch.value("A", "x"), "uno");
  EXPECT_FALSE(batch.setValues(std::span(edits).subspan(1))) << "nothing left to change";
}

TEST(IniDocument, NewKeyGoesAfterTheLastEntryOfItsSection) {
  IniDocument doc("[S]\na=1\n\n[T]\nb=2\n");
  doc.setValue("S", "c", "3");
  EXPECT_EQ(doc.bytes(), "[S]\na=1\nc=3\r\n\n[T]\nb=2\n");
}

TEST(IniDocument, NewSectionFollowsTheLastLineDirectly) {
  IniDocument doc("[S]\na=1");  // no trailing line break
  doc.setValue("New", "k", "v");
  EXPECT_EQ(doc.bytes(), "[S]\na=1\r\n[New]\r\nk=v\r\n");
  IniDocument empty;
  empty.setValue("A", "k", "v");
  EXPECT_EQ(empty.bytes(), "[A]\r\nk=v\r\n");
  // Every byte before stays, whatever line breaks and trailing blank lines the file has.
  for (const std::string original : {"[S]\na=1\n", "[S]\r\na=1\r\n\r\n", "x=1\r", "; only a comment"}) {
    IniDocument d(original);
    d.setValue("New", "k", "v");
    const std::string separator = original.back() == '\n' || original.back() == '\r' ? "" : "\r\n";
    EXPECT_EQ(d.bytes(), original + separator + "[New]\r\nk=v\r\n") << original;
    EXPECT_EQ(d.value("New", "k"), "v");
  }
  IniDocument whole("[S]\na=1");
  whole.replaceSection("W", {"x=1", "y=2"});
  EXPECT_EQ(whole.bytes(), "[S]\na=1\r\n[W]\r\nx=1\r\ny=2\r\n");
}

TEST(IniDocument, KeyAppendedToLastLineWithoutBreak) {
  IniDocument doc("[S]\na=1");
  doc.setValue("S", "b", "2");
  EXPECT_EQ(doc.bytes(), "[S]\na=1\r\nb=2\r\n");
  IniDocument headerOnly("[S]");
  headerOnly.setValue("S", "b", "2");
  EXPECT_EQ(headerOnly.bytes(), "[S]\r\nb=2\r\n");
}

TEST(IniDocument, DeleteKeyRemovesEveryCopyInTheFirstSection) {
  IniDocument doc("[S]\na=1\nb=2\nA=3\n[T]\na=4\n");
  EXPECT_TRUE(doc.deleteKey("s", "a"));
  EXPECT_EQ(doc.bytes(), "[S]\nb=2\n[T]\na=4\n");
  EXPECT_FALSE(doc.deleteKey("S", "missing"));
}

TEST(IniDocument, DeleteSectionRemovesAllSectionsOfThatName) {
  IniDocument doc("top=1\n[S]\na=1\n[T]\nb=2\n[s]\nc=3\n");
  EXPECT_TRUE(doc.deleteSection("S"));
  EXPECT_EQ(doc.bytes(), "top=1\n[T]\nb=2\n");
}

TEST(IniDocument, ReplaceSectionKeepsHeaderAndSeparatorLines) {
  IniDocument doc("[S]\n;note\na=1\n\n[T]\nb=2\n");
  EXPECT_TRUE(doc.replaceSection("S", {"x=1", "y=2"}));
  EXPECT_EQ(doc.bytes(), "[S]\nx=1\r\ny=2\r\n\n[T]\nb=2\n");
  EXPECT_TRUE(doc.replaceSection("U", {"z=3"}));
  EXPECT_EQ(doc.value("U", "z"), "3");
}

TEST(IniDocument, LineBreaksInWrittenTextCannotInjectEntries) {
  IniDocument doc;
  doc.setValue("S", "k", "v\r\n[Evil]\r\nx=1");
  EXPECT_FALSE(doc.hasSection("Evil"));
  EXPECT_EQ(doc.value("S", "k"), "v");
}

TEST(IniDocument, OddBytesSurviveARewrite) {
  std::string original("[S]\nbin=\x01\x02\xff\xfe\n");
  original += std::string("nul=a\0b\n", 8);
  original += std::string(70000, 'x');  // a very long line
  original += "\n[T]\nk=1";
  IniDocument doc(original);
  doc.setValue("T", "k", "2");
  std::string expected = original;
  expected.replace(expected.size() - 1, 1, "2");
  EXPECT_EQ(doc.bytes(), expected);
}

}  // namespace
}  // namespace tessera
