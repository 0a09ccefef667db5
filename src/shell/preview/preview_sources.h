#pragma once
// What the preview page shows beside its own text: the facts the media reader
// reads and the text of office documents.

#include "shell/preview/preview_page.h"

namespace ovelin {

class CMediaFileInfoReader;

/// Sources that ask `reader` about pictures, audio and video and extract the
/// text of doc, xls, ppt and mht files, with the page's words in the interface
/// language. The reader must outlive them.
PreviewSources MakePreviewSources(CMediaFileInfoReader& reader);

}  // namespace ovelin
