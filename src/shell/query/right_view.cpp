#include "shell/query/right_view.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "query/expression_evaluator.h"
#include "query/keyword_search.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"
#include "shell/query/content_search_worker.h"
#include "shell/query/query_exp_edit.h"
#include "shell/query/query_res_list.h"
#include "shell/query/result_rows.h"
#include "store/file_set_store.h"

namespace ovelin {

CRightView::CRightView(CFileSetStore& store, QWidget* parent)
    : QWidget(parent), store_(store), worker_(new ContentSearchWorker(this)) {
  setAccessibleName(tr("查询面板"));
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  BuildControls();
  ConnectControls();
  UpdateButtons();
}

CRightView::~CRightView() {
  worker_->Cancel();
  SetBusy(false);
}

void CRightView::BuildControls() {
  expression_ = new CQueryExpEdit(store_, this);
  keywords_ = new QLineEdit(this);
  groupingBox_ = new QComboBox(this);
  groupingBox_->setMinimumContentsLength(16);
  query_ = new QPushButton(tr("查询"), this);
  guidance_ = new QPushButton(tr("相关查询制导"), this);
  list_ = new CQueryResList(store_, this);

  auto* fields = new QGridLayout;
  fields->addWidget(MakeBuddyLabel(tr("查询表达式:"), expression_, this), 0, 0);
  fields->addWidget(expression_, 0, 1);
  fields->addWidget(query_, 0, 2);
  fields->addWidget(MakeBuddyLabel(tr("搜索关键字:"), keywords_, this), 1, 0);
  fields->addWidget(keywords_, 1, 1);
  fields->addWidget(guidance_, 1, 2);
  fields->addWidget(MakeBuddyLabel(tr("分组:"), groupingBox_, this), 2, 0);
  auto* groupingRow = new QHBoxLayout;
  groupingRow->addWidget(groupingBox_);
  groupingRow->addStretch();
  fields->addLayout(groupingRow, 2, 1, 1, 2);

  // Shown while a keyword search reads file contents.
  searchLabel_ = new QLabel(tr("正在搜索文件内容"), this);
  searchBar_ = Named(new QProgressBar(this), tr("搜索进度"));
  cancel_ = Named(new QPushButton(tr("取消"), this), tr("取消搜索"));
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel_);
  searchRow->addWidget(searchBar_, 1);
  searchRow->addWidget(cancel_);
  for (QWidget* widget :
       {static_cast<QWidget*>(searchLabel_), static_cast<QWidget*>(searchBar_), static_cast<QWidget*>(cancel_)}) {
    widget->hide();
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(searchRow);
  layout->addWidget(list_, 1);
}

void CRightView::ConnectControls() {
  connect(query_, &QPushButton::clicked, this, &CRightView::runCurrent);
  connect(keywords_, &QLineEdit::returnPressed, this, &CRightView::runCurrent);
  connect(expression_, &CQueryExpEdit::runCurrent, this, &CRightView::runCurrent);
  connect(groupingBox_, &QComboBox::currentIndexChanged, list_, &CQueryResList::Draw);
  connect(guidance_, &QPushButton::clicked, this, &CRightView::requestGuidance);
  connect(cancel_, &QPushButton::clicked, this, &CRightView::cancelSearch);
  connect(list_, &CQueryResList::queryGroup, this,
          [this](const QString& member) { RunQuery(HistoryMode::New, member, {}, 1); });
  connect(list_, &CQueryResList::deleteItems, this, &CRightView::deleteItems);
  connect(list_, &CQueryResList::pigDrop, this, &CRightView::archiveItems);
  connect(list_, &CQueryResList::previewItems, this, &CRightView::previewItems);
  connect(list_, &CQueryResList::selectionStateChanged, this, &CRightView::stateChanged);
  connect(&progressTimer_, &QTimer::timeout, this, &CRightView::UpdateSearchProgress);
  progressTimer_.setInterval(200);
}

bool CRightView::CanBack() const { return history_.CanBack(); }

bool CRightView::CanForward() const { return history_.CanForward(); }

bool CRightView::CanRefresh() const { return history_.CanRefresh(); }

bool CRightView::CanDelete() const { return !filing_ && !list_->SelectedItemRows().empty(); }

bool CRightView::IsSearching() const { return pending_.has_value(); }

void CRightView::runQuery(const QString& expression, const QString& keywords, int mode) {
  RunQuery(HistoryMode::New, expression, keywords, mode);
}

void CRightView::back() { RunQuery(HistoryMode::Back, {}, {}, 0); }

void CRightView::forward() { RunQuery(HistoryMode::Forward, {}, {}, 0); }

void CRightView::refresh() { RunQuery(HistoryMode::Refresh, {}, {}, 0); }

void CRightView::runCurrent() { RunQuery(HistoryMode::New, expression_->text(), keywords_->text().trimmed(), 0); }

void CRightView::RunQuery(HistoryMode mode, const QString& expression, const QString& keywords, int combine) {
  const std::optional<QueryPlan> plan =
      history_.Plan(mode, expression, keywords, combine, result_ != nullptr, ToQ(store_.GetRootName()));
  if (!plan) return;
  // The same query asked again while its search runs goes on running.
  if (pending_ && mode == HistoryMode::New && pending_->expression == plan->expression &&
      pending_->keywords == plan->keywords) {
    return;
  }
  cancelSearch();
  CheckResult why;
  std::optional<EvaluationResult> evaluated = EvaluateExpression(store_, ToStd(plan->expression), why);
  if (!evaluated) {
    ShowFailure(*plan, why);
    return;
  }
  if (plan->keywords.isEmpty()) {
    ShowResult(*plan, std::move(*evaluated), false);
    return;
  }
  const unsigned flags = QueryPanelKeywordFlags(store_);
  if (flags & kKeywordInContent) {
    StartContentSearch(*plan, std::move(*evaluated), flags);
    return;
  }
  FilterByKeywords(store_, ToStd(plan->keywords), evaluated->items, flags);
  ShowResult(*plan, std::move(*evaluated), true);
}

void CRightView::ShowFailure(const QueryPlan& plan, const CheckResult& why) {
  history_.Commit(plan, {plan.expression, plan.keywords});
  result_.reset();
  expression_->SetTextByProgram(plan.expression);
  keywords_->setText(plan.keywords);
  {
    const QSignalBlocker blocker(groupingBox_);
    groupingBox_->clear();
  }
  list_->SetResult(nullptr, {}, false);
  list_->Draw(0);
  UpdateButtons();
  emit stateChanged();
  // "查询表达式错误，请检查!", then the cause and where it is.
  ShowCheckFailure(this, why);
}

void CRightView::ShowResult(const QueryPlan& plan, EvaluationResult evaluated, bool ranked) {
  result_ = std::make_shared<const ItemList>(std::move(evaluated.items));
  grouping_ = std::move(evaluated.grouping);
  positiveLeaves_ = std::move(evaluated.positiveLeaves);
  const QString normalized = ToQ(evaluated.normalized);
  history_.Commit(plan, {normalized, plan.keywords});
  expression_->SetTextByProgram(normalized);
  keywords_->setText(plan.keywords);
  list_->SetResult(result_, ToQList(grouping_), ranked);
  FillGroupingBox(plan.keywords);
  list_->Draw(groupingBox_->currentIndex());
  UpdateButtons();
  emit stateChanged();
}

void CRightView::FillGroupingBox(const QString& keywords) {
  const QSignalBlocker blocker(groupingBox_);
  groupingBox_->clear();
  groupingBox_->addItem(tr("不分组"));
  for (const std::string& entry : grouping_) {
    groupingBox_->addItem(tr("%1的子集").arg(SplitGroupingEntry(ToQ(entry)).key));
  }
  groupingBox_->setCurrentIndex(keywords.isEmpty() ? groupingBox_->count() - 1 : 0);
}

void CRightView::StartContentSearch(const QueryPlan& plan, EvaluationResult evaluated, unsigned flags) {
  ContentSearchJob job = PrepareContentSearch(store_, ToStd(plan.keywords), std::move(evaluated.items), flags);
  auto rest = std::make_shared<EvaluationResult>(std::move(evaluated));  // all but the items
  pending_ = plan;
  worker_->Start(std::move(job), [this, rest](ItemList items) {
    const QueryPlan finished = *pending_;
    pending_.reset();
    SetBusy(false);
    rest->items = std::move(items);
    ShowResult(finished, std::move(*rest), true);
  });
  SetBusy(true);
  emit stateChanged();
}

void CRightView::cancelSearch() {
  if (!pending_) return;
  worker_->Cancel();
  pending_.reset();
  SetBusy(false);
  emit stateChanged();
}

void CRightView::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    searchBar_->setRange(0, 0);
    progressTimer_.start();
  } else {
    QApplication::restoreOverrideCursor();
    progressTimer_.stop();
  }
  searchLabel_->setVisible(busy);
  searchBar_->setVisible(busy);
  cancel_->setVisible(busy);
}

void CRightView::UpdateSearchProgress() {
  const auto [tested, total] = worker_->Progress();
  if (total == 0) return;
  searchBar_->setRange(0, static_cast<int>(total));
  searchBar_->setValue(static_cast<int>(tested));
}

void CRightView::UpdateButtons() { guidance_->setEnabled(GuidanceAvailable()); }

void CRightView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && pending_) {
    cancelSearch();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ovelin
