#include "core/skin/check/skin_check.h"

#include <algorithm>
#include <set>

#include "core/image/image_file.h"
#include "core/image/zor_animation.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/check/check_context.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/substyles.h"

namespace tessera {

namespace check {

namespace {

constexpr const char* kDataFolderName = "Tessera7";

std::string withoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && paths::isSeparator(path.back())) path.pop_back();
  return path;
}

// Reads a ZOR file and decodes every frame, as the engine does when it plays it.
bool zorDecodes(const std::string& path, PictureFacts& facts) {
  const auto bytes = files::readAll(path);
  if (!bytes) return false;
  ZorAnimation animation;
  if (!animation.loadData(*bytes)) return false;
  for (int i = 0; i < animation.frameCount(); ++i) {
    if (!animation.decodeFrame(i)) return false;
  }
  facts.width = animation.width();
  facts.height = animation.height();
  return true;
}

}  // namespace

CheckContext::CheckContext(std::string_view skinsFolder, std::string_view skinName)
    : skinsFolder_(withoutTrailingSeparator(paths::resolve(paths::toNative(skinsFolder)))),
      skinName_(skinName),
      catalogue_(paths::join(skinsFolder_, kDataFolderName)),
      hasCatalogue_(files::isFile(paths::join(skinsFolder_, std::string(kDataFolderName) + "/subsections.ini"))) {}

void CheckContext::add(CheckLevel level, std::string_view file, std::string_view section, std::string_view key,
                       std::string message) {
  findings_.push_back({level, std::string(file), std::string(section), std::string(key), std::move(message)});
}

std::string CheckContext::relative(std::string_view fullPath) const {
  const std::string native = paths::toNative(fullPath);
  const std::string prefix = skinsFolder_ + "/";
  if (native.size() > prefix.size() && paths::equalsIgnoreCase(std::string_view(native).substr(0, prefix.size()), prefix)) {
    return native.substr(prefix.size());
  }
  return native;
}

std::string CheckContext::resolveValue(std::string_view value) const {
  return paths::resolve(paths::join(skinsFolder_, value));
}

const PictureFacts& CheckContext::picture(const std::string& fullPath) {
  const auto found = pictures_.find(fullPath);
  if (found != pictures_.end()) return found->second;
  PictureFacts facts;
  facts.exists = files::isFile(fullPath);
  if (facts.exists) {
    if (paths::equalsIgnoreCase(paths::extension(fullPath), "zor")) {
      facts.format = "zor";
      facts.readable = zorDecodes(fullPath, facts);
    } else if (const auto image = LoadImageFile(fullPath, facts.format)) {
      facts.readable = true;
      facts.width = image->width();
      facts.height = image->height();
    }
  }
  return pictures_.emplace(fullPath, std::move(facts)).first->second;
}

std::vector<std::string> UniqueSectionNames(const std::string& file) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (std::string& name : profile::SectionNames(file)) {
    if (seen.insert(paths::lower(name)).second) names.push_back(std::move(name));
  }
  return names;
}

std::optional<IntValue> ReadIntValue(std::string_view section, std::string_view key, const std::string& file) {
  const auto text = profile::FindValue(section, key, file);
  if (!text || text->empty()) return std::nullopt;
  IntValue result;
  result.text = *text;
  std::size_t i = 0;
  bool negative = false;
  if (text->front() == '-' || text->front() == '+') {
    negative = text->front() == '-';
    ++i;
  }
  if (i >= text->size() || (*text)[i] < '0' || (*text)[i] > '9') {
    result.number = false;
    return result;
  }
  // Values this large are far outside every range; stop before the number overflows.
  for (; i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9' && result.value < 1000000000000LL; ++i) {
    result.value = result.value * 10 + ((*text)[i] - '0');
  }
  if (negative) result.value = -result.value;
  return result;
}

namespace {

struct CompanionKey {
  const char* section;
  FileRole role;
  const char* what;
};
constexpr CompanionKey kCompanions[] = {
    {"XPTaskbar", FileRole::Taskbar, "taskbar file"},
    {"XPShell", FileRole::Shell, "folder-window file"},
    {"ToolbarIcons", FileRole::ToolbarIcons, "toolbar-icons file"},
    {"Animations", FileRole::Animations, "animation file"},
};

class SkinFiles {
 public:
  explicit SkinFiles(CheckContext& context) : context_(context) {}

  // Adds a main file (the skin's own or a sub-style's) and the companions it names.
  void addMainFile(const std::string& path, FileRole role) {
    if (!addFile(path, role)) return;
    const std::string relative = context_.relative(path);
    std::vector<SkinFile>& companions = companionsOf_[path];
    for (const CompanionKey& companion : kCompanions) {
      const auto value = profile::FindValue(companion.section, "File", path);
      if (!value || value->empty()) continue;
      if (!IsSafeRelativePath(*value)) {
        context_.add(CheckLevel::Error, relative, companion.section, "File",
                     "the " + std::string(companion.what) + " \"" + *value + "\" lies outside the skins folder");
        continue;
      }
      const std::string target = context_.resolveValue(*value);
      if (!files::isFile(target)) {
        context_.add(CheckLevel::Error, relative, companion.section, "File",
                     "the " + std::string(companion.what) + " \"" + *value + "\" does not exist");
        continue;
      }
      if (addFile(target, companion.role)) companions.push_back(files_.back());
    }
  }

  const std::vector<SkinFile>& files() const { return files_; }
  std::vector<SkinFile> companionsOf(const std::string& path) const {
    const auto found = companionsOf_.find(path);
    return found == companionsOf_.end() ? std::vector<SkinFile>{} : found->second;
  }

 private:
  bool addFile(const std::string& path, FileRole role) {
    for (const SkinFile& file : files_) {
      if (file.path == path) return false;
    }
    files_.push_back({path, context_.relative(path), role});
    return true;
  }

  CheckContext& context_;
  std::vector<SkinFile> files_;
  std::map<std::string, std::vector<SkinFile>> companionsOf_;
};

void addSubStyles(CheckContext& context, SkinFiles& skinFiles) {
  const SubStyleFile description(context.skinsFolder(), context.skinName());
  if (!description.exists()) return;
  const std::string ssd = context.relative(paths::resolve(description.path()));
  const int count = std::min(description.number(), kMaxListedSubStyles);
  for (int i = 0; i < count; ++i) {
    const SubStyle style = description.subStyle(i);
    const std::string section = SubStyleSection(i);
    if (style.skin.empty()) {
      context.add(CheckLevel::Warning, ssd, section, "Skin", "the sub-style names no skin file");
      continue;
    }
    if (!IsSubStyleFileName(style.skin)) {
      context.add(CheckLevel::Error, ssd, section, "Skin",
                  "the sub-style file \"" + style.skin + "\" is not a file of the skin folder");
      continue;
    }
    const std::string path = paths::resolve(description.fileInSkinFolder(style.skin));
    if (!files::isFile(path)) {
      context.add(CheckLevel::Error, ssd, section, "Skin", "the sub-style file \"" + style.skin + "\" does not exist");
      continue;
    }
    skinFiles.addMainFile(path, FileRole::SubStyle);
  }
}

}  // namespace

}  // namespace check

std::vector<CheckFinding> CheckSkin(std::string_view skinsFolder, std::string_view skinName,
                                    const ProgressCallback& progress) {
  using namespace check;
  CheckContext context(skinsFolder, skinName);
  if (!IsSafeSkinName(skinName)) {
    context.add(CheckLevel::Error, "", "", "", "\"" + std::string(skinName) + "\" cannot be the name of a skin folder");
    return context.takeFindings();
  }
  const std::string mainFile =
      paths::resolve(paths::join(paths::join(context.skinsFolder(), skinName), std::string(skinName) + ".uis"));
  if (!files::isFile(mainFile)) {
    context.add(CheckLevel::Error, context.relative(mainFile), "", "", "the skin's main file does not exist");
    return context.takeFindings();
  }
  if (!context.hasCatalogue()) {
    context.add(CheckLevel::Note, "", "", "", "the data folder Tessera7 is missing: sections are not checked against it");
  }

  const profile::ReadBatch batch;
  SkinFiles skinFiles(context);
  skinFiles.addMainFile(mainFile, FileRole::Main);
  addSubStyles(context, skinFiles);

  const auto total = static_cast<std::int64_t>(skinFiles.files().size()) + 1;
  std::int64_t done = 0;
  if (!ReportProgress(progress, done, total)) return context.takeFindings();
  for (const SkinFile& file : skinFiles.files()) {
    CheckUnknownSections(context, file);
    CheckPictureSlots(context, file);
    CheckValueRanges(context, file);
    CheckLayerChains(context, file);
    if (file.role == FileRole::Main || file.role == FileRole::SubStyle) {
      CheckButtons(context, file);
      CheckPresets(context, file, skinFiles.companionsOf(file.path));
    }
    if (!ReportProgress(progress, ++done, total)) return context.takeFindings();
  }
  CheckUnreferencedPictures(context);
  ReportProgress(progress, total, total);
  return context.takeFindings();
}

const char* CheckLevelName(CheckLevel level) {
  switch (level) {
    case CheckLevel::Error: return "error";
    case CheckLevel::Warning: return "warning";
    case CheckLevel::Note: return "note";
  }
  return "note";
}

std::string FormatFinding(const CheckFinding& finding) {
  return finding.file + ":" + finding.section + ":" + finding.key + ": " + CheckLevelName(finding.level) + ": " +
         finding.message;
}

bool HasErrors(const std::vector<CheckFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(), [](const CheckFinding& f) { return f.level == CheckLevel::Error; });
}

std::string SectionToOpen(const CheckFinding& finding) {
  if (finding.section.empty() || paths::equalsIgnoreCase(paths::extension(finding.file), "SSD")) return {};
  return finding.section.substr(0, finding.section.find(':'));
}

}  // namespace tessera
