#include "core/skin/how_do_i.h"

#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
constexpr std::size_t kSectionListBuffer = 100000;
constexpr std::size_t kTextBuffer = 2000;
}  // namespace

std::string HowDoICataloguePath() { return DataFile("HowDoI.ini"); }

std::vector<HowDoITask> ReadHowDoITasks(const std::string& catalogueFile) {
  std::vector<HowDoITask> tasks;
  const profile::ReadBatch batch;
  std::vector<char> buffer(kSectionListBuffer);
  const std::size_t n = profile::GetSectionNames(buffer.data(), buffer.size(), catalogueFile);
  for (const std::string& id : profile::SplitList(buffer.data(), n + 1)) {
    HowDoITask task;
    task.id = id;
    task.description = profile::ReadString(id, "Description", id, catalogueFile);
    task.section = profile::ReadString(id, "Section", "", catalogueFile);
    task.key = profile::ReadString(id, "Name", id, catalogueFile);
    task.defaultValue = static_cast<int>(profile::GetInt(id, "Default", 0, catalogueFile));
    task.text = profile::ReadString(id, "Text", id, catalogueFile, kTextBuffer);
    tasks.push_back(std::move(task));
  }
  return tasks;
}

bool CanSwitchTask(const HowDoITask& task) { return !task.section.empty() && !task.key.empty(); }

bool IsTaskEnabled(const HowDoITask& task) {
  const std::string& main = Session().mainFile;
  if (!CanSwitchTask(task) || main.empty()) return false;
  // The default goes through its decimal text, as a missing key would read it.
  return ReadSkinInt(task.section, task.key, task.defaultValue, main) != 0;
}

void SetTaskEnabled(const HowDoITask& task, bool enabled) {
  const std::string& main = Session().mainFile;
  if (!CanSwitchTask(task) || main.empty()) return;
  WriteSkinString(task.section, task.key, enabled ? "1" : "0", main);
}

}  // namespace tessera
