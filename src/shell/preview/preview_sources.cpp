#include "shell/preview/preview_sources.h"

#include "shell/preview/document_text.h"
#include "shell/preview/media_file_info_reader.h"

namespace ovelin {

PreviewSources MakePreviewSources(CMediaFileInfoReader& reader) {
  PreviewSources sources;
  sources.media = [&reader](const std::string& path, MediaKind kind) { return ReadMediaInfo(reader, path, kind); };
  sources.documentText = PreviewDocumentText;
  return sources;
}

}  // namespace ovelin
