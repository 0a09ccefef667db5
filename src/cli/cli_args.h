#pragma once
// A small command-line parser: options with or without a value ("--name VALUE" or
// "--name=VALUE"), repeatable, mixed freely with positional arguments; "--" ends
// the options.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/messages.h"

namespace ovelin::cli {

struct OptionSpec {
  std::string_view name;  // with its dashes: "--parent"
  bool takesValue = false;
};

class ParsedArgs {
 public:
  std::vector<std::string> positionals;
  std::vector<std::pair<std::string, std::string>> options;  // in command-line order

  /// True when the option was given at least once.
  bool Has(std::string_view name) const;
  /// The value of the last occurrence of the option; nothing when absent.
  std::optional<std::string> Last(std::string_view name) const;
  /// The values of every occurrence, in order.
  std::vector<std::string> All(std::string_view name) const;
};

struct ParseOutcome {
  ParsedArgs args;
  MessageId error = MessageId::None;  // None on success
  std::string option;                 // the option the error is about

  bool Ok() const { return error == MessageId::None; }
};

/// A count written in decimal digits alone ("0", "12"); nothing for a sign,
/// spaces, any other character, or a number too large.
std::optional<size_t> ParseCount(std::string_view text);

/// Parses `argv` against the known options. An unknown option, a missing value or
/// a value given to an option without one gives an error naming the option. A lone "-" is a positional argument (stdin
/// by convention).
ParseOutcome ParseArgs(const std::vector<std::string>& argv, const std::vector<OptionSpec>& known);

}  // namespace ovelin::cli
