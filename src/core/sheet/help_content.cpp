#include "core/sheet/help_content.h"

#include <QByteArray>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/catalogue.h"
#include "core/skin/editor_catalogue.h"

namespace tessera {

std::string ExpandLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

HelpContent ReadHelpContent(std::string_view dataFolder, std::string_view topLevelSection) {
  namespace keys = subsection_keys;
  profile::ReadBatch batch;
  const CatalogueFile catalogue(dataFolder, catalogue_files::kSubsections);
  HelpContent help;
  help.helpText = ExpandLineBreaks(catalogue.readText(topLevelSection, keys::Help));
  help.stateDescription = catalogue.readText(topLevelSection, keys::StateDesc);
  if (help.stateDescription.empty())
    help.stateNames = StateNames(dataFolder, catalogue.readInt(topLevelSection, keys::StateList));
  const std::string preview = catalogue.readText(topLevelSection, keys::Preview);
  if (!preview.empty()) help.examplePicture = paths::resolve(paths::join(paths::join(dataFolder, "previews"), preview));
  return help;
}

std::string HelpWikiUrl(std::string_view topLevelSection) {
  const QByteArray name = QByteArray(topLevelSection.data(), static_cast<qsizetype>(topLevelSection.size()));
  const QByteArray encoded = name.toPercentEncoding();
  return std::string(kHelpWikiAddress) + "/index.php?title=" + "Tessera_Help:_" +
         std::string(encoded.constData(), static_cast<std::size_t>(encoded.size()));
}

}  // namespace tessera
