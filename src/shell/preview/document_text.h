#pragma once
// The text the preview shows for office and MHT files, which the web view cannot
// show itself: the same extraction as the keyword search's content readers.

#include <string>

namespace ovelin {

/// The UTF-8 text of a local .doc, .xls, .ppt or .mht file (`extension` lower-cased);
/// empty for other extensions and when the file cannot be read (a .doc that is no
/// OLE2 document, a converter that fails or overruns its limits). The converter
/// programs come from the environment as for content matching; the PowerPoint one
/// from OVELIN_CATPPT (default "catppt").
std::string PreviewDocumentText(const std::string& localPath, const std::string& extension);

}  // namespace ovelin
