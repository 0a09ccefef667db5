#include "shell/filing/dropped_items.h"

#include <QDialog>

#include "filing/item_gathering.h"
#include "filing/url_parts.h"
#include "shell/app/qt_text.h"
#include "shell/filing/dlg_add_file_item_option.h"

namespace ovelin {
namespace {

void AppendCandidate(PigeonholeBatch& batch, const ItemCandidate& candidate) {
  ITEM_PIGEONHOLE_STRUCT record;
  record.Name = candidate.name;
  record.Url = candidate.url;
  batch.push_back(std::move(record));
}

void AppendLocalPath(PigeonholeBatch& batch, const std::string& path, QWidget* parent) {
  const PathKind kind = ClassifyPath(path);
  if (kind == PathKind::Missing) return;
  if (kind == PathKind::File) {
    AppendCandidate(batch, CandidateOf(path));
    return;
  }
  const ItemCandidate folder = CandidateOf(path);
  CDlgAddFileItemOption dialog(ToQ(folder.name), parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const int options = dialog.Options();
  if (options & 1) {
    AppendCandidate(batch, folder);
    return;
  }
  for (const auto& candidate : WalkFolder(path, (options & 2) != 0)) AppendCandidate(batch, candidate);
}

}  // namespace

PigeonholeBatch GatherDroppedPaths(const QStringList& localPaths, QWidget* parent) {
  PigeonholeBatch batch;
  for (const QString& path : localPaths) AppendLocalPath(batch, ToStd(path), parent);
  return batch;
}

PigeonholeBatch GatherHandOverRecords(const QList<PipeRecord>& records, QWidget* parent) {
  PigeonholeBatch batch;
  for (const PipeRecord& record : records) {
    const std::string address = ToStd(record.address);
    if (!SplitUrl(address)) continue;
    if (const auto local = LocalPathOfUrl(address)) {
      AppendLocalPath(batch, *local, parent);
      continue;
    }
    ITEM_PIGEONHOLE_STRUCT item;
    item.Name = ToStd(record.name);
    item.Url = address;
    batch.push_back(std::move(item));
  }
  return batch;
}

}  // namespace ovelin
