#pragma once
// "How do I?": common on/off switches of a skin, described by the data folder's catalogue
// HowDoI.ini. One section per task:
//   Description  the text listed (default: the task's section name)
//   Section      the skin section the task changes
//   Name         the skin key (default: the task's section name)
//   Default      the value taken when the skin key is absent (default 0)
//   Text         the explanation shown for the task (up to 2000 bytes; default: the section name)
#include <string>
#include <vector>

namespace tessera {

struct HowDoITask {
  std::string id;  // the catalogue section
  std::string description;
  std::string section;
  std::string key;
  int defaultValue = 0;
  std::string text;
};

// The tasks of `catalogueFile` in file order; none when the file is missing.
std::vector<HowDoITask> ReadHowDoITasks(const std::string& catalogueFile);
// The catalogue of the current data folder.
std::string HowDoICataloguePath();

// A task can be switched only when it names a skin section.
bool CanSwitchTask(const HowDoITask& task);
// True when the task's key in the open skin (or, when absent, its default) is a non-zero number.
bool IsTaskEnabled(const HowDoITask& task);
// Writes "1" or "0" to the task's key through the section store.
void SetTaskEnabled(const HowDoITask& task, bool enabled);

}  // namespace tessera
