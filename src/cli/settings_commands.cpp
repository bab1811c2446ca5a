// tessera-cli settings ...: the settings store.
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/platform/settings.h"

namespace tessera::cli {

namespace {

struct SettingsArguments {
  std::string file, section, key, value;
  std::optional<std::string> defaultValue;
};

void add(CommandLine& cli) {
  CLI::App& settings = cli.group("settings", "read and store Tessera's settings");
  auto a = std::make_shared<SettingsArguments>();
  auto place = [&a](CLI::App& command) {
    command.add_option("FILE", a->file, "a settings file such as Tessera.ini")->required();
    command.add_option("SECTION", a->section, "the section")->required();
    command.add_option("KEY", a->key, "the key")->required();
  };

  CLI::App& get = cli.command(settings, "get", "print a setting (FILE is a settings file such as Tessera.ini)", [a] {
    std::cout << ReadSetting(a->section, a->key, a->defaultValue.value_or(""), a->file) << '\n';
    return kOk;
  });
  place(get);
  get.add_option("--default", a->defaultValue, "the value when the setting is missing")->type_name("TEXT");

  CLI::App& set = cli.command(settings, "set", "store a setting (a value starting with '-' deletes it)", [a] {
    WriteSetting(a->section, a->key, a->value, a->file);
    return kOk;
  });
  place(set);
  set.add_option("VALUE", a->value, "the value; one starting with '-' deletes the setting (write -- before such a value)")
      ->required();
}

}  // namespace

const CommandRegistration registration(20, &add);

}  // namespace tessera::cli
