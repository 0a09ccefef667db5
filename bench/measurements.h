#pragma once
// The rows of the benchmark table. Each measurement is one function; adding a
// row means writing one and adding it to the list in measurements.cpp.

#include <vector>

#include "bench/bench_context.h"
#include "bench/result_table.h"

namespace ovelin {

struct Measurement {
  const char* name;  // shown while it runs
  BenchRow (*run)(BenchContext& context);
};

/// Every measurement, in table order.
const std::vector<Measurement>& AllMeasurements();

/// `CFileSetStore::Load` against reading, deciphering and parsing the file.
BenchRow MeasureLoad(BenchContext& context);
/// `CFileSetStore::Save` against serialising, enciphering and writing the document.
BenchRow MeasureSave(BenchContext& context);
/// `ReadSetTreeItems` of the root set against one pass over all `File` elements.
BenchRow MeasureSetTreeRead(BenchContext& context);
/// `EvaluateExpression` of the root set's name against one pass over all `File` elements.
BenchRow MeasureRootQuery(BenchContext& context);
/// `EvaluateExpression` of an expression with five operators, a view set and two
/// conditions, beside the same floor.
BenchRow MeasureMixedQuery(BenchContext& context);
/// Peak memory of a process that loads the library and reads the root set's
/// items, against one that only reads, deciphers and parses the file.
BenchRow MeasurePeakMemory(BenchContext& context);
/// The size of the data file.
BenchRow MeasureFileSize(BenchContext& context);
/// The keyword filter with content search over 1,000 text and HTML files of a
/// small library against `grep -rilF` over the same folder.
BenchRow MeasureContentKeywords(BenchContext& context);
/// The keyword filter without contents over every item of the library against
/// lower-casing every item's name once.
BenchRow MeasureNameKeywords(BenchContext& context);
/// `Archive` of 1,000 small files into one set against renaming them and one
/// `Save()` of the library.
BenchRow MeasureArchive(BenchContext& context);
/// `ovelin-cli batch` of 1,000 "set add" lines against one Load() and Save()
/// in process.
BenchRow MeasureCliBatch(BenchContext& context);
/// 1,000 separate `ovelin-cli set add` calls, estimated from 20, against the batch
/// of the row before.
BenchRow MeasureCliSeparateCalls(BenchContext& context);

}  // namespace ovelin
