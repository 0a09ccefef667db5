#include "shell/filing/pigeonhole_sheet.h"

#include "shell/filing/item_belong_page.h"
#include "shell/filing/item_select_page.h"

namespace ovelin {
namespace {

enum PageId { kSelectPage = 0, kBelongPage = 1 };

bool wizardOpen = false;

}  // namespace

CPigeonholeSheet::CPigeonholeSheet(CFileSetStore& store, WizardMode mode, const PigeonholeBatch& batch, QWidget* parent)
    : QWizard(parent) {
  setWindowTitle(tr("归档"));
  setWizardStyle(QWizard::ClassicStyle);
  setOption(QWizard::NoBackButtonOnStartPage, true);
  if (mode == WizardMode::Select) {
    selectPage_ = new CItemSelectPage(this);
    setPage(kSelectPage, selectPage_);
  }
  belongPage_ = new CItemBelongPage(store, this);
  setPage(kBelongPage, belongPage_);
  if (mode == WizardMode::Belong) belongPage_->SetTransfers(TransfersOf(batch));
  setStartId(mode == WizardMode::Select ? kSelectPage : kBelongPage);
  connect(belongPage_, &CItemBelongPage::setCreated, this, &CPigeonholeSheet::setCreated);
  connect(this, &QWizard::currentIdChanged, this, &CPigeonholeSheet::ShowButtonsFor);
  resize(1000, 660);
}

const PigeonholeBatch& CPigeonholeSheet::Batch() const { return belongPage_->Batch(); }

bool CPigeonholeSheet::validateCurrentPage() {
  if (!QWizard::validateCurrentPage()) return false;
  // The second page is filled anew from the first each time Next is pressed.
  if (currentId() == kSelectPage) belongPage_->SetTransfers(selectPage_->Transfers());
  return true;
}

void CPigeonholeSheet::ShowButtonsFor(int pageId) {
  // The first page offers only Next; the second Back (in mode 0) and Finish.
  if (pageId == kSelectPage) {
    setButtonLayout({QWizard::Stretch, QWizard::NextButton, QWizard::CancelButton});
    return;
  }
  QList<QWizard::WizardButton> layout{QWizard::Stretch};
  if (selectPage_) layout.append(QWizard::BackButton);
  layout.append({QWizard::FinishButton, QWizard::CancelButton});
  setButtonLayout(layout);
}

bool IsPigeonholeWizardOpen() { return wizardOpen; }

bool RunPigeonholeWizard(CFileSetStore& store, PigeonholeBatch& batch, WizardMode mode, QWidget* parent,
                         const std::function<void(CPigeonholeSheet&)>& prepare) {
  if (wizardOpen) return false;
  wizardOpen = true;
  CPigeonholeSheet sheet(store, mode, batch, parent);
  if (prepare) prepare(sheet);
  const bool finished = sheet.exec() == QDialog::Accepted;
  wizardOpen = false;
  if (finished) batch = sheet.Batch();
  return finished;
}

}  // namespace ovelin
