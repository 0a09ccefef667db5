#pragma once
// Runs the content stage of a keyword search on a worker thread. One search at
// a time: starting another or cancelling stops the running one, whose result is
// then dropped. The result comes back on the interface thread.

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <stop_token>
#include <utility>

#include "shell/query/content_keyword_search.h"

namespace ovelin {

class ContentSearchWorker : public QObject {
  Q_OBJECT
 public:
  using DoneFunction = std::function<void(ItemList)>;

  explicit ContentSearchWorker(QObject* parent = nullptr);
  /// Stops a running search and waits until its thread has ended.
  ~ContentSearchWorker() override;

  /// Starts stage two of `job`; `done` receives the narrowed, ranked items on this
  /// object's thread unless the search is cancelled or replaced first.
  void Start(ContentSearchJob job, DoneFunction done);
  /// Stops the running search; its result never arrives.
  void Cancel();
  /// A search is running.
  bool IsRunning() const { return current_ != nullptr; }
  /// Items tested so far and their total, of the running search (0, 0 when none).
  std::pair<size_t, size_t> Progress() const;

 private:
  struct Run {
    std::stop_source stop;
    std::atomic<size_t> done{0};
    std::atomic<size_t> total{0};
  };

  void Deliver(const std::shared_ptr<Run>& run, const std::shared_ptr<ItemList>& items, const DoneFunction& done);

  std::shared_ptr<Run> current_;
  QThreadPool pool_;
};

}  // namespace ovelin
