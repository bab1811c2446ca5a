// Values outside the ranges of the skin format, and colours that are not three numbers.
#include <unordered_map>
#include <unordered_set>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/check/check_context.h"
#include "core/skin/check/value_ranges.h"

namespace tessera::check {

namespace {

// Table rows by lower-case key, so that a section's check looks only at the keys it holds.
const std::unordered_map<std::string, std::vector<const ValueRange*>>& rangesByKey() {
  static const auto index = [] {
    std::unordered_map<std::string, std::vector<const ValueRange*>> map;
    for (const ValueRange& range : ValueRanges()) map[paths::lower(range.key)].push_back(&range);
    return map;
  }();
  return index;
}

// "255 128 0" or "255, 128, 0": three whole numbers from 0 to 255.
bool isColour(std::string_view text) {
  int count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == ',' || text[i] == '\t')) ++i;
    if (i == text.size()) break;
    if (text[i] < '0' || text[i] > '9') return false;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i] - '0');
      if (value > 255) return false;
      ++i;
    }
    ++count;
  }
  return count == 3;
}

std::string keyOf(const std::string& entry) {
  const auto equals = entry.find('=');
  if (equals == std::string::npos) return {};
  std::string_view key(entry.data(), equals);
  while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.remove_suffix(1);
  return std::string(key);
}

}  // namespace

void CheckValueRanges(CheckContext& context, const SkinFile& file) {
  const auto& index = rangesByKey();
  for (const std::string& section : UniqueSectionNames(file.path)) {
    const bool colourSection = paths::equalsIgnoreCase(section, kColourSection);
    const bool preset = section.size() > 6 && paths::equalsIgnoreCase(std::string_view(section).substr(0, 6), "Colour") &&
                        section.find_first_not_of("0123456789", 6) == std::string::npos;
    std::unordered_set<std::string> seen;  // the engine reads the first of twin keys
    for (const std::string& entry : profile::ReadSection(section, file.path)) {
      const std::string key = keyOf(entry);
      if (key.empty() || !seen.insert(paths::lower(key)).second) continue;
      if (colourSection || (preset && paths::equalsIgnoreCase(key, "Colour"))) {
        const auto value = profile::FindValue(section, key, file.path);
        if (value && !value->empty() && !isColour(*value)) {
          context.add(CheckLevel::Warning, file.relative, section, key,
                      "\"" + *value + "\" is not a colour: three numbers from 0 to 255 are expected");
        }
        continue;
      }
      const auto found = index.find(paths::lower(key));
      if (found == index.end()) continue;
      for (const ValueRange* range : found->second) {
        if (!SectionMatches(*range, section)) continue;
        const auto value = ReadIntValue(section, key, file.path);
        if (!value) break;
        if (!value->number) {
          context.add(CheckLevel::Warning, file.relative, section, range->key,
                      "\"" + value->text + "\" is not a number");
        } else if (value->value < range->min || value->value > range->max || value->value % range->step != 0) {
          const std::string allowed = range->step > 1 ? std::to_string(range->min) + " or " + std::to_string(range->max)
                                                      : "from " + std::to_string(range->min) + " to " + std::to_string(range->max);
          context.add(CheckLevel::Warning, file.relative, section, range->key,
                      value->text + " is outside the values the engine takes (" + allowed + ")");
        }
        break;
      }
    }
  }
}

}  // namespace tessera::check
