#include "shell/query/right_view.h"

#include "store/file_set_store.h"

namespace ovelin {

CRightView::CRightView(CFileSetStore& store, QWidget* parent) : QWidget(parent), store_(store) {
  setAccessibleName(QStringLiteral("查询面板"));
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
}

bool CRightView::canBack() const { return false; }

bool CRightView::canForward() const { return false; }

bool CRightView::canRefresh() const { return false; }

bool CRightView::canDelete() const { return false; }

void CRightView::runQuery(const QString& expression, const QString& keywords, int mode) {
  Q_UNUSED(expression);
  Q_UNUSED(keywords);
  Q_UNUSED(mode);
}

void CRightView::back() {}

void CRightView::forward() {}

void CRightView::refresh() {}

bool CRightView::newViewSetFromQuery() { return false; }

void CRightView::deleteSelected() {}

}  // namespace ovelin
