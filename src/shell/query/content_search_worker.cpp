#include "shell/query/content_search_worker.h"

namespace ovelin {

ContentSearchWorker::ContentSearchWorker(QObject* parent) : QObject(parent) {}

ContentSearchWorker::~ContentSearchWorker() {
  Cancel();
  pool_.waitForDone();  // a stopped search ends promptly: running converters are killed
}

void ContentSearchWorker::Start(ContentSearchJob job, DoneFunction done) {
  Cancel();
  auto run = std::make_shared<Run>();
  current_ = run;
  auto shared = std::make_shared<ContentSearchJob>(std::move(job));
  pool_.start([this, run, shared, done] {
    KeywordSearchControl control;
    control.stop = run->stop.get_token();
    control.progress = [run](size_t tested, size_t total) {
      run->done = tested;
      run->total = total;
    };
    if (!FinishContentSearch(*shared, control)) return;
    auto items = std::make_shared<ItemList>(std::move(shared->items));
    QMetaObject::invokeMethod(
        this, [this, run, items, done] { Deliver(run, items, done); }, Qt::QueuedConnection);
  });
}

void ContentSearchWorker::Deliver(const std::shared_ptr<Run>& run, const std::shared_ptr<ItemList>& items,
                                  const DoneFunction& done) {
  if (run != current_) return;  // cancelled or replaced meanwhile
  current_.reset();
  done(std::move(*items));
}

void ContentSearchWorker::Cancel() {
  if (!current_) return;
  current_->stop.request_stop();
  current_.reset();
}

std::pair<size_t, size_t> ContentSearchWorker::Progress() const {
  if (!current_) return {0, 0};
  return {current_->done.load(), current_->total.load()};
}

}  // namespace ovelin
