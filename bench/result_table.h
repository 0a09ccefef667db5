#pragma once
// The one table the benchmark prints: each figure beside its floor and the ratio.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ovelin {

enum class BenchUnit { Milliseconds, Mebibytes };

struct BenchRow {
  std::string label;
  BenchUnit unit = BenchUnit::Milliseconds;
  std::optional<double> value;  // none when the measurement failed
  std::optional<double> floor;  // none when the row has no floor
  std::string floorIs;          // what the floor measures
  std::string note;             // counts, or why the measurement failed
};

/// A row not yet measured.
inline BenchRow NewRow(std::string label, std::string floorIs, BenchUnit unit = BenchUnit::Milliseconds) {
  BenchRow row;
  row.label = std::move(label);
  row.floorIs = std::move(floorIs);
  row.unit = unit;
  return row;
}

/// The row of a measurement that failed, saying why.
inline BenchRow FailedRow(BenchRow row, std::string why) {
  row.value.reset();
  row.floor.reset();
  row.note = std::move(why);
  return row;
}

/// "x1.12" for value / floor; "-" when there is no usable floor.
std::string FormatRatio(const std::optional<double>& value, const std::optional<double>& floor);

/// A figure with its unit, one decimal ("1234.5 ms", "61.0 MiB"); "failed" or
/// "-" when missing.
std::string FormatFigure(const std::optional<double>& figure, BenchUnit unit, bool failedWhenMissing);

/// The rows as an aligned text table with a heading line.
std::string FormatTable(const std::vector<BenchRow>& rows);

}  // namespace ovelin
