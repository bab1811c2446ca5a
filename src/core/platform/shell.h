#pragma once
// Shell verbs and program starts. The editor uses the desktop's handlers; tests install a
// recorder and check what would have been opened.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

class Shell {
 public:
  virtual ~Shell() = default;
  // The "open" verb on a file, folder or web address.
  virtual bool open(std::string_view target) = 0;
  // The "edit" verb on a file: the given program when not empty, else the default application.
  virtual bool edit(std::string_view file, std::string_view program) = 0;
  // Starts a program with arguments, without waiting for it.
  virtual bool start(std::string_view program, const std::vector<std::string>& arguments) = 0;
};

// The installed shell (the desktop's by default).
Shell& CurrentShell();
// Installs `shell` (nullptr restores the desktop's); returns the previous one.
Shell* InstallShell(Shell* shell);

// A shell that only records what it was asked to do, and reports `succeeds` (false: as a desktop
// without a launcher would).
class RecordingShell final : public Shell {
 public:
  explicit RecordingShell(bool succeed = true) : succeeds(succeed) {}
  struct Call {
    std::string verb;
    std::string target;
    std::string program;
  };
  bool open(std::string_view target) override;
  bool edit(std::string_view file, std::string_view program) override;
  bool start(std::string_view program, const std::vector<std::string>& arguments) override;
  std::vector<Call> calls;
  bool succeeds;
};

}  // namespace tessera
