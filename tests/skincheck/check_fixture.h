#pragma once
// Small hand-made skins for the skin check: a catalogue with a few sections, pictures of any size.
#include <string>
#include <vector>

#include "core/skin/check/skin_check.h"
#include "support/temp_dir.h"

namespace tessera::testing {

class SkinCheckTest : public EnvironmentTest {
 protected:
  void SetUp() override;

  // Writes a TGA picture of the given size into the skins folder ("Skin/pic.tga").
  void tga(const std::string& relative, int width, int height) const;
  void bmp(const std::string& relative, int width, int height) const;
  // Written through the platform codec: "PNG" or "JPG".
  void png(const std::string& relative, int width, int height, const char* format = "PNG") const;
  std::vector<CheckFinding> check(const std::string& skin) const { return CheckSkin(skinsFolder(), skin); }
};

// Findings at `section`/`key` of `level` whose message holds `words`.
int Count(const std::vector<CheckFinding>& findings, CheckLevel level, const std::string& section,
          const std::string& key, const std::string& words = {});
// All findings, one a line, for failure messages.
std::string Listing(const std::vector<CheckFinding>& findings);

}  // namespace tessera::testing
