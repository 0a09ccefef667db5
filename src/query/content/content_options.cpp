#include "query/content/content_options.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace ovelin {

namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

ContentOptions ContentOptions::FromEnvironment() {
  ContentOptions options;
  const std::string_view timeout = Environment("OVELIN_CONVERTER_TIMEOUT_MS");
  long milliseconds = 0;
  const auto [end, error] = std::from_chars(timeout.data(), timeout.data() + timeout.size(), milliseconds);
  if (!timeout.empty() && error == std::errc() && end == timeout.data() + timeout.size() && milliseconds > 0) {
    options.converter.timeout = std::chrono::milliseconds(milliseconds);
    options.html.maxTime = std::chrono::milliseconds(milliseconds);
  }
  if (!Environment("OVELIN_CATDOC").empty()) options.catdoc = std::string(Environment("OVELIN_CATDOC"));
  if (!Environment("OVELIN_XLS2CSV").empty()) options.xls2csv = std::string(Environment("OVELIN_XLS2CSV"));
  return options;
}

}  // namespace ovelin
