#include "cli/cli_args.h"

#include <algorithm>
#include <charconv>

namespace ovelin::cli {
namespace {

const OptionSpec* FindSpec(const std::vector<OptionSpec>& known, std::string_view name) {
  auto it = std::find_if(known.begin(), known.end(), [&](const OptionSpec& spec) { return spec.name == name; });
  return it == known.end() ? nullptr : &*it;
}

bool LooksLikeOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

ParseOutcome Failed(ParseOutcome outcome, MessageId error, std::string option) {
  outcome.error = error;
  outcome.option = std::move(option);
  return outcome;
}

}  // namespace

bool ParsedArgs::Has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> ParsedArgs::Last(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it) {
    if (it->first == name) return it->second;
  }
  return std::nullopt;
}

std::vector<std::string> ParsedArgs::All(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [key, value] : options) {
    if (key == name) values.push_back(value);
  }
  return values;
}

std::optional<size_t> ParseCount(std::string_view text) {
  size_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

ParseOutcome ParseArgs(const std::vector<std::string>& argv, const std::vector<OptionSpec>& known) {
  ParseOutcome outcome;
  bool optionsEnded = false;
  for (size_t i = 0; i < argv.size(); ++i) {
    const std::string& arg = argv[i];
    if (optionsEnded || !LooksLikeOption(arg)) {
      outcome.args.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionSpec* spec = FindSpec(known, name);
    if (!spec) return Failed(std::move(outcome), MessageId::UsageUnknownOption, name);
    if (!spec->takesValue) {
      if (equals != std::string::npos) return Failed(std::move(outcome), MessageId::UsageOptionTakesNoValue, name);
      outcome.args.options.emplace_back(name, "");
      continue;
    }
    if (equals != std::string::npos) {
      outcome.args.options.emplace_back(name, arg.substr(equals + 1));
      continue;
    }
    if (i + 1 >= argv.size()) return Failed(std::move(outcome), MessageId::UsageOptionNeedsValue, name);
    outcome.args.options.emplace_back(name, argv[++i]);
  }
  return outcome;
}

}  // namespace ovelin::cli
