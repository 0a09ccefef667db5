#include "bench/result_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace ovelin {
namespace {

constexpr size_t kColumns = 6;
using Line = std::array<std::string, kColumns>;

// Display width of UTF-8 text, counting code points (the labels are ASCII).
size_t Width(const std::string& text) {
  size_t width = 0;
  for (unsigned char c : text) width += (c & 0xC0) != 0x80;
  return width;
}

void Pad(std::string& out, const std::string& text, size_t width, bool right) {
  const std::string fill(width - std::min(width, Width(text)), ' ');
  out += right ? fill + text : text + fill;
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

}  // namespace

std::string FormatRatio(const std::optional<double>& value, const std::optional<double>& floor) {
  if (!value || !floor || !(*floor > 0) || !std::isfinite(*value / *floor)) return "-";
  return "x" + Fixed(*value / *floor, 2);
}

std::string FormatFigure(const std::optional<double>& figure, BenchUnit unit, bool failedWhenMissing) {
  if (!figure) return failedWhenMissing ? "failed" : "-";
  return Fixed(*figure, 1) + (unit == BenchUnit::Milliseconds ? " ms" : " MiB");
}

std::string FormatTable(const std::vector<BenchRow>& rows) {
  std::vector<Line> lines = {Line{"measurement", "value", "floor", "ratio", "floor is", "note"}};
  for (const BenchRow& row : rows) {
    lines.push_back(Line{row.label, FormatFigure(row.value, row.unit, true), FormatFigure(row.floor, row.unit, false),
                         FormatRatio(row.value, row.floor), row.floor ? row.floorIs : "", row.note});
  }
  std::array<size_t, kColumns> widths{};
  for (const Line& line : lines) {
    for (size_t c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], Width(line[c]));
  }
  std::string out;
  for (const Line& line : lines) {
    std::string text;
    for (size_t c = 0; c < kColumns; ++c) {
      const bool number = c >= 1 && c <= 3;
      Pad(text, line[c], widths[c], number);
      text += "  ";
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out += text + "\n";
  }
  return out;
}

}  // namespace ovelin
