#pragma once
// Argument handling shared by the tessera-cli command groups.
#include <optional>
#include <string>
#include <vector>

namespace tessera::cli {

// Exit statuses: 0 success, 1 failure (one line on standard error), 2 wrong usage.
inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

// The words after the command group, with --name VALUE options taken out.
class Arguments {
 public:
  // `valueOptions` are the option names that take a value ("--default").
  Arguments(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions);
  bool valid() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::vector<std::string>& positional() const { return positional_; }
  std::optional<std::string> option(const std::string& name) const;
  bool flag(const std::string& name) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;
  std::vector<std::string> flags_;
  std::string error_;
};

int fail(const std::string& message);
int usage(const std::string& message);
// Parses a whole decimal number; nullopt when `text` is not one.
std::optional<long long> parseNumber(const std::string& text);

}  // namespace tessera::cli
