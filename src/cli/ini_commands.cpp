// tessera-cli ini ...: the profile engine on any INI file.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/platform/profile.h"

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  ini get FILE SECTION KEY [--default TEXT] [--size N]   print a value as the read-string call returns it\n"
    "  ini get-int FILE SECTION KEY [--default N]             print a value as the read-integer call returns it\n"
    "  ini set FILE SECTION KEY VALUE                         write a value\n"
    "  ini delete FILE SECTION [KEY]                          delete a key, or the whole section\n"
    "  ini sections FILE                                      list the section names, one a line\n"
    "  ini section FILE SECTION                               list a whole section, one entry a line\n";

int get(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 4) return usage("ini get takes FILE SECTION KEY");
  std::size_t size = 255;
  if (const auto text = args.option("--size")) {
    const auto n = parseNumber(*text);
    if (!n || *n < 0 || *n > 1 << 24) return usage("--size takes a number from 0 to 16777216");
    size = static_cast<std::size_t>(*n);
  }
  const std::string def = args.option("--default").value_or("");
  std::string buffer(size, '\0');
  const std::size_t n = profile::GetString(p[2], p[3], def, buffer.data(), size, p[1]);
  std::cout << std::string_view(buffer.data(), n) << '\n';
  return kOk;
}

int getInt(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 4) return usage("ini get-int takes FILE SECTION KEY");
  long long def = 0;
  if (const auto text = args.option("--default")) {
    const auto n = parseNumber(*text);
    if (!n) return usage("--default takes a whole number");
    def = *n;
  }
  std::cout << profile::GetInt(p[2], p[3], static_cast<int>(def), p[1]) << '\n';
  return kOk;
}

int set(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 5) return usage("ini set takes FILE SECTION KEY VALUE");
  if (!profile::WriteString(p[2], p[3], p[4], p[1])) return fail("cannot write " + p[1]);
  return kOk;
}

int remove(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 3 && p.size() != 4) return usage("ini delete takes FILE SECTION [KEY]");
  const profile::OptionalText key = p.size() == 4 ? profile::OptionalText(p[3]) : std::nullopt;
  if (!profile::WriteString(p[2], key, std::nullopt, p[1])) return fail("cannot write " + p[1]);
  return kOk;
}

int sections(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("ini sections takes FILE");
  for (const auto& name : profile::SectionNames(p[1])) std::cout << name << '\n';
  return kOk;
}

int section(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 3) return usage("ini section takes FILE SECTION");
  for (const auto& entry : profile::ReadSection(p[2], p[1])) std::cout << entry << '\n';
  return kOk;
}

int run(const std::vector<std::string>& words) {
  const Arguments args(words, {"--default", "--size"});
  if (!args.valid()) return usage(args.error());
  if (args.positional().empty()) return usage("ini needs a command");
  const std::string& command = args.positional().front();
  if (command == "get") return get(args);
  if (command == "get-int") return getInt(args);
  if (command == "set") return set(args);
  if (command == "delete") return remove(args);
  if (command == "sections") return sections(args);
  if (command == "section") return section(args);
  return usage("unknown ini command '" + command + "'");
}

}  // namespace

const CommandRegistration registration({"ini", kHelp, &run, 10});

}  // namespace tessera::cli
