#pragma once
// tessera-cli's command tree, parsed by CLI11: groups ("ini", "skin", ...) hold commands, and a
// command may hold commands of its own ("skin substyle NAME add"). Each *_commands.cpp adds its
// commands and their handlers with a static CommandRegistration.
#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace tessera::cli {

class CommandLine {
 public:
  CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // The group `name`, made on first use; several files may add commands to one group.
  CLI::App& group(const std::string& name, const std::string& description);
  // The tree's root, for a command that is a group of its own ("demo DIR").
  CLI::App& root() { return app_; }
  // A command of `parent`; when the command line chooses it, `run` gives the exit status.
  CLI::App& command(CLI::App& parent, const std::string& name, const std::string& description,
                    std::function<int()> run);
  // Parses `words` (the arguments after the program's name) and runs the command they choose.
  int run(const std::vector<std::string>& words);
  const CLI::App& app() const { return app_; }

 private:
  int usageError(const CLI::ParseError& error);

  CLI::App app_;
  int status_ = 0;
};

struct CommandRegistration {
  // `order` places the commands in the tree, and so in --help.
  CommandRegistration(int order, void (*add)(CommandLine&));
};

// Builds the tree from every registration and runs `words` on it.
int runCommandLine(const std::vector<std::string>& words);

}  // namespace tessera::cli
