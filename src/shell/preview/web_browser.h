#pragma once
// CWebBrowser: the preview pane. Shows the selected items as one generated
// page: pictures, players for the audio and video the engine plays, text and
// HTML files in frames, the text of office documents, and each item's facts.
// The page is built on a worker, where the media reader's waits happen; a
// newer selection makes an older page moot. Links never navigate: a click
// opens the item with the desktop's default program.

#include <QStringList>
#include <QUrl>
#include <QWebEngineView>

#include <atomic>
#include <functional>
#include <memory>

namespace ovelin {

class CMediaFileInfoReader;
class PreviewSchemeHandler;
class PreviewWebPage;

class CWebBrowser : public QWebEngineView {
  Q_OBJECT
 public:
  explicit CWebBrowser(QWidget* parent = nullptr);
  ~CWebBrowser() override;

  /// Shows the items of these entries (name, U+001F, address, U+001F, description).
  void ShowItems(const QStringList& entries);
  /// Shows the empty page, letting go of every file shown (before a delete).
  void Clear();
  /// Stops the media reader and waits for the page workers.
  void Stop();
  /// Replaces what a link click does (the desktop's default program).
  void SetLinkOpener(std::function<void(const QUrl&)> opener) { opener_ = std::move(opener); }

 signals:
  /// A page requested by ShowItems or Clear has been loaded.
  void previewReady();

 private:
  void Publish(const QByteArray& page, int generation);
  void PageLoaded(bool ok);
  void OpenLink(const QUrl& url);

  PreviewSchemeHandler* scheme_;
  PreviewWebPage* page_;
  std::shared_ptr<CMediaFileInfoReader> reader_;
  std::shared_ptr<std::atomic<int>> generation_;
  std::function<void(const QUrl&)> opener_;
  QList<QThread*> workers_;
  QUrl awaited_;  // the page whose loading ends in previewReady
};

}  // namespace ovelin
