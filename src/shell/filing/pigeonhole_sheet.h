#pragma once
// CPigeonholeSheet ("归档"): the archiving wizard. Mode 0 chooses the items
// first (CItemSelectPage), then files them (CItemBelongPage); mode 1 files
// the items of a given batch on the second page alone.

#include <QWizard>

#include <functional>

#include "filing/pigeonhole_item.h"

namespace ovelin {

class CFileSetStore;
class CItemBelongPage;
class CItemSelectPage;

enum class WizardMode { Select = 0, Belong = 1 };

class CPigeonholeSheet : public QWizard {
  Q_OBJECT
 public:
  /// In mode 1 the second page shows the items of `batch`.
  CPigeonholeSheet(CFileSetStore& store, WizardMode mode, const PigeonholeBatch& batch, QWidget* parent = nullptr);

  /// The batch built on Finish.
  const PigeonholeBatch& Batch() const;
  /// Null in mode 1.
  CItemSelectPage* SelectPage() const { return selectPage_; }
  CItemBelongPage* BelongPage() const { return belongPage_; }
  /// Hands the chosen items on when the first page is left.
  bool validateCurrentPage() override;

 signals:
  /// A set was created in the wizard's set tree.
  void setCreated(const QString& name);

 private:
  void ShowButtonsFor(int pageId);

  CItemSelectPage* selectPage_ = nullptr;
  CItemBelongPage* belongPage_ = nullptr;
};

/// Whether an archiving wizard is open now.
bool IsPigeonholeWizardOpen();

/// Runs the wizard modally; on Finish replaces `batch` by the rows' records and
/// returns true. Refused (false at once) while another wizard is open.
/// `prepare` may adjust the sheet before it is shown.
bool RunPigeonholeWizard(CFileSetStore& store, PigeonholeBatch& batch, WizardMode mode, QWidget* parent,
                         const std::function<void(CPigeonholeSheet&)>& prepare = {});

}  // namespace ovelin
