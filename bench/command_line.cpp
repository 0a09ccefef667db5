#include "bench/command_line.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace ovelin {
namespace {

constexpr uint64_t kMaxSets = 1'000'000;
constexpr uint64_t kMaxItems = 100'000'000;
constexpr uint64_t kMaxRepeat = 1000;

// A whole decimal number within [low, high]; nothing for anything else.
std::optional<uint64_t> ParseCount(std::string_view text, uint64_t low, uint64_t high) {
  uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

class Parser {
 public:
  Parser(CommandLineKind kind, CommandLine& out, std::string& error) : kind_(kind), out_(out), error_(error) {}

  bool Run(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (arg == "--help" || arg == "-h") {
        out_.help = true;
        continue;
      }
      if (arg == "--force" && kind_ == CommandLineKind::Generator) {
        out_.force = true;
        continue;
      }
      if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
        out_.positional.push_back(arg);
        continue;
      }
      const size_t equals = arg.find('=');
      const std::string name = arg.substr(0, equals);
      std::string value;
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return Fail(name + " needs a value");
      }
      if (!Apply(name, value)) return false;
    }
    return true;
  }

 private:
  bool Apply(const std::string& name, const std::string& value) {
    if (name == "--sets") return SetInt(name, value, 0, kMaxSets, out_.library.sets);
    if (name == "--items") return SetInt(name, value, 0, kMaxItems, out_.library.items);
    if (name == "--repeat" && kind_ == CommandLineKind::Bench) {
      return SetInt(name, value, 1, kMaxRepeat, out_.repeat);
    }
    if (name == "--seed") {
      const auto seed = ParseCount(value, 0, std::numeric_limits<uint64_t>::max());
      if (!seed) return Fail("--seed takes a whole number, not \"" + value + "\"");
      out_.library.seed = *seed;
      return true;
    }
    return Fail("unknown option " + name);
  }

  bool SetInt(const std::string& name, const std::string& value, uint64_t low, uint64_t high, int& target) {
    const auto number = ParseCount(value, low, high);
    if (!number) {
      return Fail(name + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                  ", not \"" + value + "\"");
    }
    target = static_cast<int>(*number);
    return true;
  }

  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  CommandLineKind kind_;
  CommandLine& out_;
  std::string& error_;
};

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLineKind kind, CommandLine& out,
                      std::string& error) {
  out = CommandLine{};
  error.clear();
  return Parser(kind, out, error).Run(args);
}

}  // namespace ovelin
