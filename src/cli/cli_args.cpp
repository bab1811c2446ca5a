#include "cli/cli_args.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace tessera::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 2 && word.rfind("--", 0) == 0) {
      const bool takesValue = std::find(valueOptions.begin(), valueOptions.end(), word) != valueOptions.end();
      if (!takesValue) {
        flags_.push_back(word);
        continue;
      }
      if (i + 1 >= words.size()) {
        error_ = word + " needs a value";
        return;
      }
      options_.emplace_back(word, words[++i]);
    } else {
      positional_.push_back(word);
    }
  }
}

std::optional<std::string> Arguments::option(const std::string& name) const {
  for (const auto& [key, value] : options_) {
    if (key == name) return value;
  }
  return std::nullopt;
}

bool Arguments::flag(const std::string& name) const {
  return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

int fail(const std::string& message) {
  std::cerr << "tessera-cli: " << message << '\n';
  return kFailure;
}

int usage(const std::string& message) {
  std::cerr << "tessera-cli: " << message << " (see tessera-cli --help)\n";
  return kUsage;
}

std::optional<long long> parseNumber(const std::string& text) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace tessera::cli
