#include "shell/preview/preview_sources.h"

#include <QCoreApplication>

#include "shell/app/qt_text.h"
#include "shell/preview/document_text.h"
#include "shell/preview/media_file_info_reader.h"

namespace ovelin {
namespace {

// The page's words in the interface language.
PreviewLabels TranslatedLabels() {
  const auto text = [](const char* source) {
    return ToStd(QCoreApplication::translate("ovelin::PreviewPage", source));
  };
  PreviewLabels labels;
  labels.size = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "尺寸"));
  labels.duration = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "持续时间"));
  labels.title = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "标题"));
  labels.authors = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "作者"));
  labels.album = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "专辑"));
  labels.year = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "发行年"));
  labels.genres = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "流派"));
  labels.description = text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "描述"));
  labels.noFrames =
      text(QT_TRANSLATE_NOOP("ovelin::PreviewPage", "浏览器不支持嵌入式框架，或被配置为不显示嵌入式框架。"));
  return labels;
}

}  // namespace

PreviewSources MakePreviewSources(CMediaFileInfoReader& reader) {
  PreviewSources sources;
  sources.media = [&reader](const std::string& path, MediaKind kind) { return ReadMediaInfo(reader, path, kind); };
  sources.documentText = PreviewDocumentText;
  sources.labels = TranslatedLabels();
  return sources;
}

}  // namespace ovelin
