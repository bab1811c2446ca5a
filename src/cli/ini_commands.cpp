// tessera-cli ini ...: the profile engine on any INI file.
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/platform/profile.h"

namespace tessera::cli {

namespace {

struct IniArguments {
  std::string file, section, key, value;
  std::optional<std::string> optionalKey;
  std::optional<std::string> defaultValue;
  std::optional<std::string> size;
};

int get(const IniArguments& a) {
  std::size_t size = 255;
  if (a.size) {
    const auto n = parseNumber(*a.size);
    if (!n || *n < 0 || *n > 1 << 24) return usage("--size takes a number from 0 to 16777216");
    size = static_cast<std::size_t>(*n);
  }
  std::string buffer(size, '\0');
  const std::size_t n = profile::GetString(a.section, a.key, a.defaultValue.value_or(""), buffer.data(), size, a.file);
  std::cout << std::string_view(buffer.data(), n) << '\n';
  return kOk;
}

int getInt(const IniArguments& a) {
  long long def = 0;
  if (a.defaultValue) {
    const auto n = parseNumber(*a.defaultValue);
    if (!n) return usage("--default takes a whole number");
    def = *n;
  }
  std::cout << profile::GetInt(a.section, a.key, static_cast<int>(def), a.file) << '\n';
  return kOk;
}

int set(const IniArguments& a) {
  if (!profile::WriteString(a.section, a.key, a.value, a.file)) return fail("cannot write " + a.file);
  return kOk;
}

int remove(const IniArguments& a) {
  const profile::OptionalText key = a.optionalKey ? profile::OptionalText(*a.optionalKey) : std::nullopt;
  if (!profile::WriteString(a.section, key, std::nullopt, a.file)) return fail("cannot write " + a.file);
  return kOk;
}

int sections(const IniArguments& a) {
  for (const auto& name : profile::SectionNames(a.file)) std::cout << name << '\n';
  return kOk;
}

int section(const IniArguments& a) {
  for (const auto& entry : profile::ReadSection(a.section, a.file)) std::cout << entry << '\n';
  return kOk;
}

void add(CommandLine& cli) {
  CLI::App& ini = cli.group("ini", "read and write INI files as the engine reads them");
  auto a = std::make_shared<IniArguments>();
  auto fileAndSection = [&a](CLI::App& command) {
    command.add_option("FILE", a->file, "the INI file")->required();
    command.add_option("SECTION", a->section, "the section")->required();
  };

  CLI::App& get = cli.command(ini, "get", "print a value as the read-string call returns it", [a] { return cli::get(*a); });
  fileAndSection(get);
  get.add_option("KEY", a->key, "the key")->required();
  get.add_option("--default", a->defaultValue, "the value when the key is missing")->type_name("TEXT");
  get.add_option("--size", a->size, "the buffer size, with room for the ending zero (default 255)")->type_name("N");

  CLI::App& getInt = cli.command(ini, "get-int", "print a value as the read-integer call returns it", [a] { return cli::getInt(*a); });
  fileAndSection(getInt);
  getInt.add_option("KEY", a->key, "the key")->required();
  getInt.add_option("--default", a->defaultValue, "the value when the key is missing (default 0)")->type_name("N");

  CLI::App& set = cli.command(ini, "set", "write a value", [a] { return cli::set(*a); });
  fileAndSection(set);
  set.add_option("KEY", a->key, "the key")->required();
  set.add_option("VALUE", a->value, "the value")->required();

  CLI::App& remove = cli.command(ini, "delete", "delete a key, or the whole section", [a] { return cli::remove(*a); });
  fileAndSection(remove);
  remove.add_option("KEY", a->optionalKey, "the key (without it: the whole section)");

  CLI::App& sections = cli.command(ini, "sections", "list the section names, one a line", [a] { return cli::sections(*a); });
  sections.add_option("FILE", a->file, "the INI file")->required();

  CLI::App& section = cli.command(ini, "section", "list a whole section, one entry a line", [a] { return cli::section(*a); });
  fileAndSection(section);
}

}  // namespace

const CommandRegistration registration(10, &add);

}  // namespace tessera::cli
