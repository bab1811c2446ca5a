// tessera-cli skin check NAME [--skins DIR] [--json]: the skin check, one finding a line or as a
// JSON array. Exit status 0 when nothing is an error, 1 when something is, 2 on wrong usage.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/skin_text.h"
#include "core/skin/check/skin_check.h"

namespace tessera::cli {

namespace {

struct CheckArguments {
  std::string name;
  std::optional<std::string> skins;
  bool json = false;
};

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

int run(const CheckArguments& a) {
  const std::string skinsFolder = a.skins ? paths::toNative(*a.skins) : GetSkinsFolder();
  if (!files::isFolder(skinsFolder)) return fail("the skins folder \"" + skinsFolder + "\" does not exist");

  const std::vector<CheckFinding> findings = CheckSkin(skinsFolder, a.name);
  if (a.json) {
    std::cout << json(findings);
  } else {
    for (const CheckFinding& finding : findings) std::cout << FormatFinding(finding) << '\n';
  }
  return HasErrors(findings) ? kFailure : kOk;
}

void add(CommandLine& cli) {
  auto a = std::make_shared<CheckArguments>();
  CLI::App& check = cli.command(skinGroup(cli), "check",
                                "check a skin without changing it: one finding a line as file:section:key: level: "
                                "message, or a JSON array; exit status 1 when a finding is an error",
                                [a] { return run(*a); });
  check.add_option("NAME", a->name, "the skin's folder name")->required();
  addSkinsOption(check, a->skins);
  addFlag(check, "--json", a->json, "print the findings as a JSON array");
}

}  // namespace

const CommandRegistration registration(31, &add);

}  // namespace tessera::cli
