#include "core/skin/section_links.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::size_t kTaskbarCompanion = 0;  // AlternativeFile 1: XPTaskbar
constexpr std::size_t kShellCompanion = 1;    // AlternativeFile 2: XPShell

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& excluded) {
  return std::any_of(excluded.begin(), excluded.end(),
                     [name](std::string_view e) { return paths::equalsIgnoreCase(name, e); });
}

template <std::size_t N>
void appendSections(const std::string& file, LinkFile code, const std::array<std::string_view, N>& excluded,
                    std::vector<LinkableSection>& out) {
  if (file.empty()) return;
  for (std::string& name : profile::SectionNames(file)) {
    if (!isOneOf(name, excluded)) out.push_back({std::move(name), code});
  }
}

}  // namespace

std::string LinkFilePath(int code) {
  const SkinSession& s = Session();
  if (!s.isOpen()) return {};
  switch (static_cast<LinkFile>(code)) {
    case LinkFile::Main: return s.mainFile;
    case LinkFile::Shell: return s.companionFiles[kShellCompanion];
    case LinkFile::Taskbar: return s.companionFiles[kTaskbarCompanion];
  }
  return {};
}

std::vector<LinkableSection> LinkableSections() {
  std::vector<LinkableSection> sections;
  if (!Session().isOpen()) return sections;
  const profile::ReadBatch batch;
  static constexpr std::array<std::string_view, 3> kMainExcluded = {"XPSHELL", "XPTASKBAR", "TITLEBARSKIN"};
  static constexpr std::array<std::string_view, 2> kCompanionExcluded = {"XPShell", "XPTaskbar"};
  appendSections(LinkFilePath(0), LinkFile::Main, kMainExcluded, sections);
  appendSections(LinkFilePath(2), LinkFile::Taskbar, kCompanionExcluded, sections);
  appendSections(LinkFilePath(1), LinkFile::Shell, kCompanionExcluded, sections);
  return sections;
}

}  // namespace tessera
