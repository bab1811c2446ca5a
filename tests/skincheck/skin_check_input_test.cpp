// The check on hostile input: every file of the fuzz corpus, damaged copies of them, garbage
// skin files and skin names that try to leave the skins folder. It must report, never crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "check_fixture.h"
#include "core/platform/files.h"

namespace tessera::testing {
namespace {

using L = CheckLevel;

std::vector<std::string> corpusFiles() {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TESSERA_FUZZ_CORPUS_DIR)) {
    if (entry.is_regular_file()) found.push_back(entry.path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The file itself, cut at several lengths, and with bytes overwritten (a fixed seed: every run
// checks the same damage).
std::vector<std::string> damagedForms(const std::string& bytes, std::mt19937& random) {
  std::vector<std::string> forms{bytes};
  for (const std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{17}, bytes.size() / 2, bytes.size() - 1}) {
    if (cut < bytes.size()) forms.push_back(bytes.substr(0, cut));
  }
  for (int copy = 0; copy < 4 && !bytes.empty(); ++copy) {
    std::string damaged = bytes;
    for (int i = 0; i < 8; ++i) damaged[random() % damaged.size()] = static_cast<char>(random());
    forms.push_back(damaged);
  }
  return forms;
}

TEST_F(SkinCheckTest, EveryCorpusFileAndItsDamagedFormsAsPictures) {
  const auto corpus = corpusFiles();
  ASSERT_FALSE(corpus.empty());
  std::mt19937 random(17);
  std::string text;
  int n = 0;
  for (const std::string& path : corpus) {
    const auto bytes = files::readAll(path);
    ASSERT_TRUE(bytes) << path;
    for (const std::string& form : damagedForms(*bytes, random)) {
      // Each form under every extension a slot reads, in an ordinary and in an animation slot.
      for (const char* extension : {"tga", "bmp", "zor"}) {
        const std::string name = "p" + std::to_string(n++) + "." + extension;
        temp.write("skins/Sk/" + name, form);
        text += "[Buttons" + std::string(n % 2 ? "" : ":L") + std::to_string(n) + "]\r\nImage=sk\\" + name +
                "\r\nTopHeight=3\r\n";
        text += "[Progress.Busy:" + std::to_string(n) + "]\r\nImage=sk\\" + name + "\r\n";
      }
    }
  }
  writeSkin("Sk", text);
  const auto f = check("Sk");
  EXPECT_FALSE(f.empty());
  for (const CheckFinding& finding : f) {
    EXPECT_FALSE(finding.message.empty());
  }
}

TEST_F(SkinCheckTest, CorpusSkinFilesAndGarbageAsTheMainFile) {
  std::mt19937 random(3);
  std::vector<std::string> mains;
  for (const std::string& path : corpusFiles()) {
    if (const auto bytes = files::readAll(path)) mains.push_back(*bytes);
  }
  std::string garbage(64 * 1024, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  mains.push_back(garbage);
  mains.push_back("[Buttons]\r\nImage=" + std::string(5000, '\\') + "\r\nNextLayerName=\x01\x02\r\n[Buttons:\x01\x02]\r\n");
  mains.push_back("[Personality]\r\nButtonCount=-5\r\nTopFrame=0\r\nTop=sk\\\r\n[Caption]\r\nButtonCount=x\r\n");
  for (std::size_t i = 0; i < mains.size(); ++i) {
    writeSkin("Sk", mains[i]);
    temp.write("skins/Sk/Sk.SSD", i % 2 ? "[SkinStyles]\r\nNumber=2000000000\r\n" : mains[i]);
    const auto f = check("Sk");
    for (const CheckFinding& finding : f) EXPECT_FALSE(finding.message.empty()) << i;
  }
}

TEST_F(SkinCheckTest, SkinNamesThatLeaveTheSkinsFolderAreRefused) {
  temp.write("Evil/Evil.uis", "[Buttons]\r\nImage=x\r\n");
  writeSkin("Real", "[Buttons]\r\n");
  for (const std::string& name : std::vector<std::string>{"..", "../Evil", temp.file("Evil"), "Real/../../Evil", ""}) {
    const auto f = check(name);
    ASSERT_EQ(f.size(), 1u) << name << "\n" << Listing(f);
    EXPECT_EQ(f[0].level, L::Error);
    EXPECT_NE(f[0].message.find("cannot be the name of a skin folder"), std::string::npos) << f[0].message;
  }
}

}  // namespace
}  // namespace tessera::testing
