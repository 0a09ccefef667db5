#include "query/content/office_text.h"

#include <string_view>
#include <vector>

#include "query/content/bounded_file.h"

namespace ovelin {

namespace {

constexpr std::string_view kOle2Signature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// A path the converter cannot mistake for an option.
std::string PathArgument(const std::string& path) { return path.starts_with("-") ? "./" + path : path; }

std::optional<std::string> ConvertOle2File(const std::string& path, std::vector<std::string> argv,
                                           const ConverterLimits& limits, std::stop_token stop) {
  if (!HasOle2Signature(path)) return std::nullopt;
  argv.push_back(PathArgument(path));
  return RunConverter(argv, limits, std::move(stop));
}

}  // namespace

bool HasOle2Signature(const std::string& path) {
  const std::optional<std::string> head = ReadRegularFile(path, kOle2Signature.size());
  return head && *head == kOle2Signature;
}

std::optional<std::string> WordDocumentText(const std::string& path, const std::string& program,
                                            const ConverterLimits& limits, std::stop_token stop) {
  return ConvertOle2File(path, {program, "-d", "utf-8", "-w"}, limits, std::move(stop));
}

std::optional<std::string> SpreadsheetText(const std::string& path, const std::string& program,
                                           const ConverterLimits& limits, std::stop_token stop) {
  // Unquoted cells on lines of their own: a keyword is found inside one cell, as a
  // spreadsheet's own search finds it, and quotes in a cell are not doubled.
  return ConvertOle2File(path, {program, "-d", "utf-8", "-q", "0", "-c", "\n"}, limits, std::move(stop));
}

}  // namespace ovelin
