#include "shell/preview/web_browser.h"

#include <QThread>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <string>
#include <vector>

#include "shell/app/qt_text.h"
#include "shell/preview/media_file_info_reader.h"
#include "shell/preview/preview_page.h"
#include "shell/preview/preview_scheme.h"
#include "shell/preview/preview_sources.h"
#include "shell/preview/preview_web_page.h"
#include "shell/query/desktop_open.h"

namespace ovelin {
namespace {

// The page is sent with a byte-order mark, which tells the engine its
// encoding before anything in the page could.
QByteArray PageBytes(const std::string& page) {
  return QByteArrayLiteral("\xEF\xBB\xBF") + QByteArray(page.data(), static_cast<qsizetype>(page.size()));
}

void OpenWithDesktop(const QUrl& url) {
  OpenItem(url.toString(QUrl::FullyEncoded), url.isLocalFile() ? url.toLocalFile() : QString());
}

}  // namespace

CWebBrowser::CWebBrowser(QWidget* parent)
    : QWebEngineView(parent),
      scheme_(new PreviewSchemeHandler(this)),
      reader_(std::make_shared<CMediaFileInfoReader>()),
      generation_(std::make_shared<std::atomic<int>>(0)),
      opener_(OpenWithDesktop) {
  setAccessibleName(tr("预览"));
  setContextMenuPolicy(Qt::NoContextMenu);
  // A profile of its own: nothing of the preview is kept on disk.
  auto* profile = new QWebEngineProfile(this);
  profile->installUrlSchemeHandler(kPreviewScheme, scheme_);
  QWebEngineSettings* settings = profile->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  page_ = new PreviewWebPage(profile, this);
  setPage(page_);
  connect(page_, &PreviewWebPage::linkClicked, this, &CWebBrowser::OpenLink);
  connect(page_, &QWebEnginePage::loadFinished, this, &CWebBrowser::PageLoaded);
  reader_->Start();
  Clear();
}

CWebBrowser::~CWebBrowser() {
  Stop();
  delete page_;  // before the profile it was made with
}

void CWebBrowser::ShowItems(const QStringList& entries) {
  const int generation = ++*generation_;
  std::vector<std::string> list;
  for (const QString& entry : entries) list.push_back(ToStd(entry));
  QThread* worker = QThread::create([this, list = std::move(list), generation, latest = generation_, reader = reader_] {
    PreviewSources sources = MakePreviewSources(*reader);
    sources.cancelled = [latest, generation] { return latest->load() != generation; };
    const std::string page = BuildPreviewPage(list, sources);
    if (latest->load() != generation) return;
    QMetaObject::invokeMethod(
        this, [this, bytes = PageBytes(page), generation] { Publish(bytes, generation); }, Qt::QueuedConnection);
  });
  workers_.append(worker);
  connect(worker, &QThread::finished, this, [this, worker] {
    workers_.removeOne(worker);
    worker->deleteLater();
  });
  worker->start();
}

void CWebBrowser::Clear() {
  const int generation = ++*generation_;
  Publish(PageBytes(BuildPreviewPage({}, {})), generation);
}

void CWebBrowser::Stop() {
  ++*generation_;  // every page being built is moot
  reader_->Stop();
  for (QThread* worker : workers_) worker->wait();
}

void CWebBrowser::Publish(const QByteArray& page, int generation) {
  if (generation != generation_->load()) return;
  awaited_ = scheme_->Publish(page);
  page_->load(awaited_);
}

void CWebBrowser::PageLoaded(bool) {
  // A refused link click also ends in a (failed) load; only our own page counts.
  if (awaited_.isEmpty() || page_->url() != awaited_) return;
  awaited_.clear();
  emit previewReady();
}

void CWebBrowser::OpenLink(const QUrl& url) {
  if (opener_) opener_(url);
}

}  // namespace ovelin
