#pragma once
// Temporary folders and a private environment for tests: registry hives, a skins folder and a
// data folder of their own, so no test touches the user's home or another test.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tessera::testing {

// Folder of the built engine stand-ins (divu, vlrend, vuzudiv).
std::string StandinFolder();
// The source tree (for the data folder and other checked-in files).
std::string SourceFolder();

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(std::string_view relative) const;
  // Writes `bytes` to `relative` (creating folders) and returns the full path.
  std::string write(std::string_view relative, std::string_view bytes) const;
  std::string read(std::string_view relative) const;

 private:
  std::string path_;
};

// A test fixture with its own registry folder, skins folder (<temp>/skins, with Tessera7) and an
// empty skin session with writes enabled.
class EnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string skinsFolder() const;
  std::string dataFolder() const;
  // Writes a skin folder <skins>/<name> with its main file and returns the main file's path.
  std::string writeSkin(std::string_view name, std::string_view uisText) const;
  // Names of the entries of the skins folder, sorted: what a half-made copy would leave behind.
  std::vector<std::string> skinsFolderEntries() const;
  // Lays out the demo environment in the temporary folder (stand-ins, data folder and the demo
  // skins generated in `generatedSkins`), past its first run, and loads the engine's stand-ins.
  ::testing::AssertionResult layOutDemo(const std::string& generatedSkins) const;

  TempDir temp;
};

}  // namespace tessera::testing
