#include "cli/command_line.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/cli_support.h"

#ifndef TESSERA_VERSION
#error "TESSERA_VERSION names the project version"
#endif

namespace tessera::cli {

namespace {

constexpr std::size_t kDescriptionColumn = 57;
constexpr std::size_t kLineWidth = 118;

struct Registration {
  int order;
  void (*add)(CommandLine&);
};

std::vector<Registration>& registrations() {
  static std::vector<Registration> list;
  return list;
}

bool isRoot(const CLI::App* app) { return app->get_parent() == nullptr; }

// "skin check" for the command check of the group skin.
std::string pathOf(const CLI::App* app) {
  std::string path;
  for (; app && !isRoot(app); app = app->get_parent()) path = app->get_name() + (path.empty() ? "" : " " + path);
  return path;
}

bool isHelpOrVersion(const CLI::App* app, const CLI::Option* option) {
  return option == app->get_help_ptr() || option == app->get_version_ptr();
}

// "NAME", "[KEY]", "-o FILE", "[--skins DIR]", "[--json]".
std::string optionSynopsis(const CLI::Option* option) {
  std::string text;
  if (option->get_positional()) {
    text = option->get_name();
  } else {
    text = option->get_snames().empty() ? "--" + option->get_lnames().front() : "-" + option->get_snames().front();
    if (!option->get_type_name().empty()) text += " " + option->get_type_name();
  }
  return option->get_required() ? text : "[" + text + "]";
}

// The command's positionals, then its options.
std::string argumentsOf(const CLI::App* app, bool positionals) {
  std::string text;
  for (const CLI::Option* option : app->get_options()) {
    if (isHelpOrVersion(app, option) || option->get_positional() != positionals) continue;
    text += " " + optionSynopsis(option);
  }
  return text;
}

std::vector<std::string> wrap(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string line;
  for (std::string word; words >> word;) {
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void describe(std::ostream& out, const std::string& synopsis, const std::string& description) {
  out << "  " << synopsis;
  std::size_t column = 2 + synopsis.size();
  for (const std::string& line : wrap(description, kLineWidth - kDescriptionColumn)) {
    if (column >= kDescriptionColumn) {
      out << '\n';
      column = 0;
    }
    out << std::string(kDescriptionColumn - column, ' ') << line;
    column = kDescriptionColumn + line.size();
  }
  out << '\n';
}

bool holdsCommands(const CLI::App* app) { return !app->get_subcommands([](const CLI::App*) { return true; }).empty(); }

std::string joined(const std::string& prefix, const std::string& word) { return prefix.empty() ? word : prefix + " " + word; }

// One line a command: its synopsis and what it does. The options of a command that holds
// commands ("skin substyle NAME add SUB BASE [--skins DIR]") go with each of them.
void listCommands(std::ostream& out, const CLI::App* app, const std::string& prefix, const std::string& inherited) {
  for (const CLI::App* command : app->get_subcommands([](const CLI::App*) { return true; })) {
    const std::string synopsis = joined(prefix, command->get_name()) + argumentsOf(command, true);
    const std::string options = argumentsOf(command, false) + inherited;
    if (holdsCommands(command)) {
      listCommands(out, command, synopsis, options);
    } else {
      describe(out, synopsis + options, command->get_description());
    }
  }
}

// tessera-cli --help lists every group and command; GROUP --help lists the group's commands; a
// command's own --help is CLI11's, with its arguments and options one by one.
class Formatter final : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override {
    const bool group = !isRoot(app) && isRoot(app->get_parent()) && holdsCommands(app);
    if (!isRoot(app) && !group) return CLI::Formatter::make_help(app, name, mode);
    std::ostringstream out;
    if (isRoot(app)) {
      out << "Usage: tessera-cli GROUP COMMAND [ARGUMENTS]\n"
             "       tessera-cli GROUP COMMAND --help     the command's arguments and options\n"
             "       tessera-cli --version                the version of Tessera\n\n"
             "Exit status: 0 on success, 1 on failure (with a message on standard error), 2 on wrong usage.\n\n";
      listCommands(out, app, "", "");
    } else {
      out << "Usage: tessera-cli " << app->get_name() << " COMMAND [ARGUMENTS]\n\n";
      listCommands(out, app, app->get_name(), "");
    }
    return out.str();
  }
};

}  // namespace

CommandRegistration::CommandRegistration(int order, void (*add)(CommandLine&)) {
  registrations().push_back({order, add});
}

CommandLine::CommandLine() : app_("The Tessera skin editor's operations from the command line", "tessera-cli") {
  app_.formatter(std::make_shared<Formatter>());
  app_.set_version_flag("--version", "tessera-cli " TESSERA_VERSION, "print the version and exit");
  app_.require_subcommand(1);
}

CLI::App& CommandLine::group(const std::string& name, const std::string& description) {
  for (CLI::App* existing : app_.get_subcommands([](CLI::App*) { return true; })) {
    if (existing->get_name() == name) return *existing;
  }
  CLI::App* group = app_.add_subcommand(name, description);
  group->require_subcommand(1);
  return *group;
}

CLI::App& CommandLine::command(CLI::App& parent, const std::string& name, const std::string& description,
                               std::function<int()> run) {
  CLI::App* command = parent.add_subcommand(name, description);
  if (run) {
    command->callback([this, run = std::move(run)] { status_ = run(); });
  } else {
    // It holds commands of its own, which may use its options.
    command->require_subcommand(1);
  }
  if (!isRoot(&parent) && !isRoot(parent.get_parent())) command->fallthrough();
  return *command;
}

int CommandLine::run(const std::vector<std::string>& words) {
  if (words.empty()) {
    std::cout << app_.help();
    return kUsage;
  }
  if (words.front() == "help") {
    std::cout << app_.help();
    return kOk;
  }
  std::vector<std::string> reversed(words.rbegin(), words.rend());
  try {
    app_.parse(reversed);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app_.exit(error);  // --help, --version
    return usageError(error);
  }
  return status_;
}

// One line on standard error naming what was wrong, and where to read the command's usage.
int CommandLine::usageError(const CLI::ParseError& error) {
  const CLI::App* chosen = &app_;
  while (!chosen->get_subcommands().empty()) chosen = chosen->get_subcommands().front();
  const std::vector<std::string> extras = chosen->remaining(true);
  std::string message = error.what();
  if (!extras.empty()) {
    const std::string& word = extras.front();
    if (isRoot(chosen)) {
      message = "unknown command group '" + word + "'";
    } else if (holdsCommands(chosen) && word.rfind('-', 0) != 0) {
      message = "unknown " + pathOf(chosen) + " command '" + word + "'";
    } else {
      message = (word.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") + word + "'";
    }
  }
  const std::string path = pathOf(chosen);
  std::cerr << "tessera-cli: " << message << " (see tessera-cli " << (path.empty() ? "" : path + " ") << "--help)\n";
  return kUsage;
}

int runCommandLine(const std::vector<std::string>& words) {
  std::vector<Registration> list = registrations();
  std::stable_sort(list.begin(), list.end(), [](const Registration& a, const Registration& b) { return a.order < b.order; });
  CommandLine commandLine;
  for (const Registration& registration : list) registration.add(commandLine);
  return commandLine.run(words);
}

}  // namespace tessera::cli
