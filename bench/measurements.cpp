#include "bench/measurements.h"

namespace ovelin {

const std::vector<Measurement>& AllMeasurements() {
  static const std::vector<Measurement> list = {
      {"load", MeasureLoad},
      {"save", MeasureSave},
      {"ReadSetTreeItems", MeasureSetTreeRead},
      {"peak memory", MeasurePeakMemory},
      {"data file size", MeasureFileSize},
  };
  return list;
}

}  // namespace ovelin
