#include "bench/measurements.h"

namespace ovelin {

const std::vector<Measurement>& AllMeasurements() {
  static const std::vector<Measurement> list = {
      {"load", MeasureLoad},
      {"save", MeasureSave},
      {"ReadSetTreeItems", MeasureSetTreeRead},
      {"query root", MeasureRootQuery},
      {"query mixed", MeasureMixedQuery},
      {"keywords without contents", MeasureNameKeywords},
      {"keywords in file contents", MeasureContentKeywords},
      {"peak memory", MeasurePeakMemory},
      {"data file size", MeasureFileSize},
      {"archive", MeasureArchive},
      {"ovelin-cli batch", MeasureCliBatch},
      {"separate ovelin-cli calls", MeasureCliSeparateCalls},
  };
  return list;
}

}  // namespace ovelin
