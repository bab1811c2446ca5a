// tessera-cli skin ...: new skins from templates, copies, packages, skin lists, deletion, clean-up
// and sub-styles, on the skins folder of the settings store or the one given with --skins.
#include <array>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
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

constexpr const char* kHelp =
    "  skin list [--skins DIR]                                list the installed skins, one a line, sorted\n"
    "  skin new NAME [--type basic|advanced|uis0] [--vista]   new skin from the data folder's templates\n"
    "                                                         (uis1 and uis2 name basic and advanced)\n"
    "  skin copy SOURCE NEW                                   copy a skin under a new name\n"
    "  skin pack NAME [-o FILE]                               write the skin's .vla package\n"
    "  skin clean NAME [--dry-run]                            move unreferenced pictures into its backup folder\n"
    "                                                         (--dry-run only prints them)\n"
    "  skin delete NAME                                       delete a skin folder with everything in it\n"
    "  skin substyles NAME                                    list a skin's sub-styles\n"
    "  skin substyle NAME list|add SUB BASE|rename INDEX TEXT|delete INDEX|up INDEX|down INDEX|\n"
    "                     vista-default INDEX|seven-default INDEX\n"
    "                                                         edit a skin's sub-styles (BASE: an index, or -1 for\n"
    "                                                         the skin itself)\n"
    "                                                         every skin command takes --skins DIR (default: the\n"
    "                                                         skins folder of the settings store)\n";

constexpr std::array<const char*, 8> kCommands = {"list",   "new",       "copy",     "pack",
                                                  "clean",  "delete",    "substyles", "substyle"};

// The command line is the confirmation: questions are answered Yes, messages go to stderr.
class CommandLinePrompt final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::Yes; }
  void inform(std::string_view text, std::string_view) override { std::cerr << text << '\n'; }
};

std::string skinsFolderOf(const Arguments& args) {
  if (const auto folder = args.option("--skins")) return paths::toNative(*folder);
  return GetSkinsFolder();
}

int list(const Arguments& args) {
  if (args.positional().size() != 1) return usage("skin list takes no arguments");
  std::vector<std::string> names;
  if (args.option("--skins")) {
    names = ListSkinFolders(skinsFolderOf(args));
  } else {
    const SkinDatabase database = OnDemandSkinDatabase();
    database.CreateSkinList();
    names = database.PopulateSkinList();
    // Without the engine's library the folder is read by the same rule.
    if (names.empty()) names = ListSkinFolders(skinsFolderOf(args));
  }
  for (const auto& name : names) std::cout << name << '\n';
  return kOk;
}

int newSkin(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin new takes NAME");
  const std::string type = args.option("--type").value_or("advanced");
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
  if (p[1].empty()) return usage("skin new needs a name");
  const SkinDatabase database = OnDemandSkinDatabase();
  const NewSkinResult result = CreateNewSkin(skinsFolderOf(args), p[1], skinType, args.flag("--vista"), &database);
  if (!result.created()) return fail(result.message);
  std::cout << SkinMainFile(skinsFolderOf(args), result.name) << '\n';
  return kOk;
}

int copy(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 3) return usage("skin copy takes SOURCE NEW");
  const std::string skinsFolder = skinsFolderOf(args);
  const SkinDatabase database = OnDemandSkinDatabase();
  const NewSkinResult result = SaveSkinAs(skinsFolder, p[2], p[1], &database);
  if (!result.created()) return fail(result.message);
  std::cout << SkinMainFile(skinsFolder, result.name) << '\n';
  return kOk;
}

int pack(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin pack takes NAME");
  const PackageResult result = MakeSkinPackage(skinsFolderOf(args), p[1], args.option("--output").value_or(""));
  if (!result.ok) return fail(result.message);
  std::cout << result.packagePath << '\n';
  return kOk;
}

int clean(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin clean takes NAME");
  const std::string skinsFolder = skinsFolderOf(args);
  if (!files::isFile(SkinMainFile(skinsFolder, p[1]))) return fail("there is no skin \"" + p[1] + "\"");
  const std::vector<std::string> unreferenced = FindUnreferencedImages(skinsFolder, p[1]);
  const std::vector<std::string> shown = args.flag("--dry-run") ? unreferenced : MoveImagesToBackup(skinsFolder, p[1], unreferenced);
  for (const auto& value : shown) std::cout << value << '\n';
  return kOk;
}

int remove(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin delete takes NAME");
  if (const std::string problem = DeleteSkinFolder(skinsFolderOf(args), p[1]); !problem.empty()) return fail(problem);
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

int subStyle(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() < 2) return usage("skin substyle takes NAME and a command");
  const std::string skinsFolder = skinsFolderOf(args);
  if (!files::isFile(SkinMainFile(skinsFolder, p[1]))) return fail("there is no skin \"" + p[1] + "\"");
  SubStyleManager manager(skinsFolder, p[1]);
  const std::string command = p[0] == "substyles" ? "list" : (p.size() >= 3 ? p[2] : "");
  if (command == "list") return printSubStyles(manager);

  SubStyleResult result;
  if (command == "add") {
    if (p.size() != 5) return usage("skin substyle NAME add takes SUB BASE");
    const auto base = indexArgument(p[4]);
    if (!base) return usage("BASE is an index, or -1 for the skin itself");
    result = manager.create(p[3], *base);
  } else if (command == "rename") {
    if (p.size() != 5) return usage("skin substyle NAME rename takes INDEX TEXT");
    const auto index = indexArgument(p[3]);
    if (!index) return usage("INDEX is a row number");
    result = manager.rename(*index, p[4]);
  } else {
    using Operation = SubStyleResult (SubStyleManager::*)(int);
    Operation operation = nullptr;
    if (command == "delete") operation = &SubStyleManager::remove;
    if (command == "up") operation = &SubStyleManager::moveUp;
    if (command == "down") operation = &SubStyleManager::moveDown;
    if (command == "vista-default") operation = &SubStyleManager::makeVistaDefault;
    if (command == "seven-default") operation = &SubStyleManager::make7Default;
    if (!operation) return usage("unknown skin substyle command '" + command + "'");
    if (p.size() != 4) return usage("skin substyle NAME " + command + " takes INDEX");
    const auto index = indexArgument(p[3]);
    if (!index) return usage("INDEX is a row number");
    result = (manager.*operation)(*index);
  }
  if (!result.ok) return fail(result.message.empty() ? "that cannot be done for this row" : result.message);
  return printSubStyles(manager);
}

int run(const std::vector<std::string>& words) {
  if (words.empty()) return kNotThisGroup;
  bool known = false;
  for (const char* command : kCommands) known = known || words.front() == command;
  if (!known) return kNotThisGroup;

  std::vector<std::string> normalised = words;
  for (auto& word : normalised) {
    if (word == "-o") word = "--output";
  }
  const Arguments args(normalised, {"--skins", "--type", "--output"});
  if (!args.valid()) return usage(args.error());

  EnableSkinWrites();
  CommandLinePrompt prompt;
  Prompt* previous = InstallPrompt(&prompt);
  const std::string& command = args.positional().front();
  int status = kUsage;
  if (command == "list") status = list(args);
  if (command == "new") status = newSkin(args);
  if (command == "copy") status = copy(args);
  if (command == "pack") status = pack(args);
  if (command == "clean") status = clean(args);
  if (command == "delete") status = remove(args);
  if (command == "substyles" || command == "substyle") status = subStyle(args);
  InstallPrompt(previous);
  return status;
}

}  // namespace

const CommandRegistration registration({"skin", kHelp, &run, 30});

}  // namespace tessera::cli
