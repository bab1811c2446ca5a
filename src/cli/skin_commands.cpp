// tessera-cli skin ...: new skins from templates, copies, packages, skin lists, deletion, clean-up
// and sub-styles, on the skins folder of the settings store or the one given with --skins.
#include <functional>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/prompt.h"
#include "core/skin/clean_skin.h"
#include "core/skin/new_skin.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_package.h"
#include "core/skin/skin_session.h"
#include "core/skin/substyle_manager.h"

namespace tessera::cli {

namespace {

struct SkinArguments {
  std::string name, second, index, text;
  std::optional<std::string> skins, type, output;
  bool vista = false, dryRun = false;
};

// The command line is the confirmation: questions are answered Yes, messages go to stderr.
class CommandLinePrompt final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::Yes; }
  void inform(std::string_view text, std::string_view) override { std::cerr << text << '\n'; }
};

std::string skinsFolderOf(const SkinArguments& a) {
  if (a.skins) return paths::toNative(*a.skins);
  return GetSkinsFolder();
}

int list(const SkinArguments& a) {
  std::vector<std::string> names;
  if (a.skins) {
    names = ListSkinFolders(skinsFolderOf(a));
  } else {
    const SkinDatabase database = OnDemandSkinDatabase();
    database.CreateSkinList();
    names = database.PopulateSkinList();
    // Without the engine's library the folder is read by the same rule.
    if (names.empty()) names = ListSkinFolders(skinsFolderOf(a));
  }
  for (const auto& name : names) std::cout << name << '\n';
  return kOk;
}

int newSkin(const SkinArguments& a) {
  const std::string type = a.type.value_or("advanced");
  SkinType skinType = SkinType::Advanced;
  if (type == "basic" || type == "uis1") {
    skinType = SkinType::Basic;
  } else if (type == "advanced" || type == "uis2") {
    skinType = SkinType::Advanced;
  } else if (type == "uis0") {
    skinType = SkinType::UIS0;
  } else {
    return usage("--type takes basic, advanced or uis0");
  }
  if (a.name.empty()) return usage("skin new needs a name");
  const SkinDatabase database = OnDemandSkinDatabase();
  const NewSkinResult result = CreateNewSkin(skinsFolderOf(a), a.name, skinType, a.vista, &database);
  if (!result.created()) return fail(result.message);
  std::cout << SkinMainFile(skinsFolderOf(a), result.name) << '\n';
  return kOk;
}

int copy(const SkinArguments& a) {
  const std::string skinsFolder = skinsFolderOf(a);
  const SkinDatabase database = OnDemandSkinDatabase();
  const NewSkinResult result = SaveSkinAs(skinsFolder, a.second, a.name, &database);
  if (!result.created()) return fail(result.message);
  std::cout << SkinMainFile(skinsFolder, result.name) << '\n';
  return kOk;
}

int pack(const SkinArguments& a) {
  const PackageResult result = MakeSkinPackage(skinsFolderOf(a), a.name, a.output.value_or(""));
  if (!result.ok) return fail(result.message);
  std::cout << result.packagePath << '\n';
  return kOk;
}

int clean(const SkinArguments& a) {
  const std::string skinsFolder = skinsFolderOf(a);
  if (!files::isFile(SkinMainFile(skinsFolder, a.name))) return fail("there is no skin \"" + a.name + "\"");
  const std::vector<std::string> unreferenced = FindUnreferencedImages(skinsFolder, a.name);
  const std::vector<std::string> shown = a.dryRun ? unreferenced : MoveImagesToBackup(skinsFolder, a.name, unreferenced);
  for (const auto& value : shown) std::cout << value << '\n';
  return kOk;
}

int remove(const SkinArguments& a) {
  if (const std::string problem = DeleteSkinFolder(skinsFolderOf(a), a.name); !problem.empty()) return fail(problem);
  OnDemandSkinDatabase().CreateSkinList();
  return kOk;
}

int printSubStyles(const SubStyleManager& manager) {
  const auto rows = manager.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::cout << i << '\t' << rows[i].label() << '\t' << rows[i].rowText << '\n';
  }
  return kOk;
}

std::optional<int> indexArgument(const std::string& text) {
  const auto n = parseNumber(text);
  if (!n || *n < -1 || *n > 1000000) return std::nullopt;
  return static_cast<int>(*n);
}

// One sub-style operation on the rows of the skin's sub-style list; prints the rows after it.
using SubStyleOperation = std::function<std::optional<SubStyleResult>(SubStyleManager&, const SkinArguments&)>;

int subStyle(const SkinArguments& a, const SubStyleOperation& operation) {
  const std::string skinsFolder = skinsFolderOf(a);
  if (!files::isFile(SkinMainFile(skinsFolder, a.name))) return fail("there is no skin \"" + a.name + "\"");
  SubStyleManager manager(skinsFolder, a.name);
  if (operation) {
    const std::optional<SubStyleResult> result = operation(manager, a);
    if (!result) return kUsage;
    if (!result->ok) return fail(result->message.empty() ? "that cannot be done for this row" : result->message);
  }
  return printSubStyles(manager);
}

std::optional<SubStyleResult> indexed(SubStyleResult (SubStyleManager::*operation)(int), SubStyleManager& manager,
                                      const SkinArguments& a) {
  const auto index = indexArgument(a.index);
  if (!index) {
    usage("INDEX is a row number");
    return std::nullopt;
  }
  return (manager.*operation)(*index);
}

// The command line is the confirmation of what a skin command does.
int withCommandLinePrompt(const std::function<int()>& command) {
  EnableSkinWrites();
  CommandLinePrompt prompt;
  Prompt* previous = InstallPrompt(&prompt);
  const int status = command();
  InstallPrompt(previous);
  return status;
}

void add(CommandLine& cli) {
  auto a = std::make_shared<SkinArguments>();
  CLI::App& skin = skinGroup(cli);
  auto command = [&cli, &skin, a](const char* name, const char* description, int (*run)(const SkinArguments&)) -> CLI::App& {
    return cli.command(skin, name, description, [a, run] { return withCommandLinePrompt([&] { return run(*a); }); });
  };
  auto nameArgument = [a](CLI::App& command) { command.add_option("NAME", a->name, "the skin's folder name")->required(); };

  CLI::App& list = command("list", "list the installed skins, one a line, sorted", &cli::list);
  addSkinsOption(list, a->skins);

  CLI::App& create = command("new", "new skin from the data folder's templates (uis1 and uis2 name basic and advanced)", &newSkin);
  nameArgument(create);
  create.add_option("--type", a->type, "the kind of skin (default advanced)")->type_name("basic|advanced|uis0");
  addFlag(create, "--vista", a->vista, "start from the _Vista templates");
  addSkinsOption(create, a->skins);

  CLI::App& copy = command("copy", "copy a skin under a new name", &cli::copy);
  copy.add_option("SOURCE", a->name, "the skin to copy")->required();
  copy.add_option("NEW", a->second, "the copy's name")->required();
  addSkinsOption(copy, a->skins);

  CLI::App& pack = command("pack", "write the skin's .vla package", &cli::pack);
  nameArgument(pack);
  addOutputOption(pack, a->output, "the package to write (default: the data folder's VLA folder)");
  addSkinsOption(pack, a->skins);

  CLI::App& clean = command("clean", "move unreferenced pictures into its backup folder (--dry-run only prints them)", &cli::clean);
  nameArgument(clean);
  addFlag(clean, "--dry-run", a->dryRun, "only print the pictures");
  addSkinsOption(clean, a->skins);

  CLI::App& remove = command("delete", "delete a skin folder with everything in it", &cli::remove);
  nameArgument(remove);
  addSkinsOption(remove, a->skins);

  auto subStyles = [a](SubStyleOperation operation) {
    return [a, operation] { return withCommandLinePrompt([&] { return subStyle(*a, operation); }); };
  };
  CLI::App& listSubStyles = cli.command(skin, "substyles", "list a skin's sub-styles", subStyles(nullptr));
  nameArgument(listSubStyles);
  addSkinsOption(listSubStyles, a->skins);

  // skin substyle NAME COMMAND ...: the commands go below, and take the skin's --skins.
  CLI::App& substyle = cli.command(skin, "substyle", "edit a skin's sub-styles", nullptr);
  nameArgument(substyle);
  addSkinsOption(substyle, a->skins);
  cli.command(substyle, "list", "list the sub-styles", subStyles(nullptr));
  CLI::App& addRow = cli.command(substyle, "add", "add sub-style SUB based on row BASE (-1: the skin itself)",
                                 subStyles([](SubStyleManager& manager, const SkinArguments& args) -> std::optional<SubStyleResult> {
                                   const auto base = indexArgument(args.index);
                                   if (!base) {
                                     usage("BASE is an index, or -1 for the skin itself");
                                     return std::nullopt;
                                   }
                                   return manager.create(args.text, *base);
                                 }));
  addRow.add_option("SUB", a->text, "the new sub-style's name")->required();
  addRow.add_option("BASE", a->index, "the row it starts from, or -1 for the skin itself")->required();
  CLI::App& rename = cli.command(substyle, "rename", "rename row INDEX to TEXT",
                                 subStyles([](SubStyleManager& manager, const SkinArguments& args) -> std::optional<SubStyleResult> {
                                   const auto index = indexArgument(args.index);
                                   if (!index) {
                                     usage("INDEX is a row number");
                                     return std::nullopt;
                                   }
                                   return manager.rename(*index, args.text);
                                 }));
  rename.add_option("INDEX", a->index, "the row")->required();
  rename.add_option("TEXT", a->text, "its new name")->required();
  const std::pair<const char*, SubStyleResult (SubStyleManager::*)(int)> rowCommands[] = {
      {"delete", &SubStyleManager::remove},
      {"up", &SubStyleManager::moveUp},
      {"down", &SubStyleManager::moveDown},
      {"vista-default", &SubStyleManager::makeVistaDefault},
      {"seven-default", &SubStyleManager::make7Default},
  };
  const char* rowDescriptions[] = {"delete row INDEX", "move row INDEX up", "move row INDEX down",
                                   "make row INDEX the Vista default", "make row INDEX the Win 7 default"};
  for (std::size_t i = 0; i < std::size(rowCommands); ++i) {
    const auto operation = rowCommands[i].second;
    CLI::App& row = cli.command(substyle, rowCommands[i].first, rowDescriptions[i],
                                subStyles([operation](SubStyleManager& manager, const SkinArguments& args) {
                                  return indexed(operation, manager, args);
                                }));
    row.add_option("INDEX", a->index, "the row")->required();
  }
}

}  // namespace

const CommandRegistration registration(30, &add);

}  // namespace tessera::cli
