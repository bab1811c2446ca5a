// tessera-cli skin check NAME [--skins DIR] [--json]: the skin check, one finding a line or as a
// JSON array. Exit status 0 when nothing is an error, 1 when something is, 2 on wrong usage.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/skin_text.h"
#include "core/skin/check/skin_check.h"

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  skin check NAME [--skins DIR] [--json]                check a skin without changing it: one finding a line\n"
    "                                                         as file:section:key: level: message, or a JSON\n"
    "                                                         array; exit status 1 when a finding is an error\n";

std::string json(const std::vector<CheckFinding>& findings) {
  QJsonArray array;
  for (const CheckFinding& finding : findings) {
    QJsonObject object;
    object.insert(QStringLiteral("level"), QString::fromLatin1(CheckLevelName(finding.level)));
    object.insert(QStringLiteral("file"), FromSkinText(finding.file));
    object.insert(QStringLiteral("section"), FromSkinText(finding.section));
    object.insert(QStringLiteral("key"), FromSkinText(finding.key));
    object.insert(QStringLiteral("message"), FromSkinText(finding.message));
    array.append(object);
  }
  return QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

int run(const std::vector<std::string>& words) {
  if (words.empty() || words.front() != "check") return kNotThisGroup;
  const Arguments args(words, {"--skins"});
  if (!args.valid()) return usage(args.error());
  if (args.positional().size() != 2) return usage("skin check takes NAME");
  for (const std::string& word : words) {
    if (word.rfind("--", 0) == 0 && word != "--json" && word != "--skins") return usage("skin check does not take " + word);
  }
  const std::string skinsFolder = args.option("--skins") ? paths::toNative(*args.option("--skins")) : GetSkinsFolder();
  if (!files::isFolder(skinsFolder)) return fail("the skins folder \"" + skinsFolder + "\" does not exist");

  const std::vector<CheckFinding> findings = CheckSkin(skinsFolder, args.positional()[1]);
  if (args.flag("--json")) {
    std::cout << json(findings);
  } else {
    for (const CheckFinding& finding : findings) std::cout << FormatFinding(finding) << '\n';
  }
  return HasErrors(findings) ? kFailure : kOk;
}

}  // namespace

const CommandRegistration registration({"skin", kHelp, &run, 31});

}  // namespace tessera::cli
