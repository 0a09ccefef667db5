// Peak memory and the size of the data file.

#include <sys/stat.h>

#include "bench/measurements.h"
#include "bench/memory_probe.h"

namespace ovelin {

BenchRow MeasurePeakMemory(BenchContext& context) {
  BenchRow row = NewRow("peak memory (VmHWM)", "read + Decipher + pugixml parse", BenchUnit::Mebibytes);
  row.value = ProbePeakMemory(context.selfPath, kProbeStore, context.dataFile);
  row.floor = ProbePeakMemory(context.selfPath, kProbeFloor, context.dataFile);
  row.note = row.value ? "fresh process: Load + ReadSetTreeItems(root)" : "the probe process failed";
  return row;
}

BenchRow MeasureFileSize(BenchContext& context) {
  BenchRow row = NewRow("data file size", "", BenchUnit::Mebibytes);
  struct stat info {};
  if (::stat(context.dataFile.c_str(), &info) != 0) {
    row.note = "cannot stat the data file";
    return row;
  }
  row.value = static_cast<double>(info.st_size) / (1024.0 * 1024.0);
  row.note = std::to_string(info.st_size) + " bytes";
  return row;
}

}  // namespace ovelin
