#pragma once
// The HTML page inside an MHT (MIME HTML) file.

#include <string>
#include <string_view>

namespace ovelin {

/// The page to load for an MHT file, with the charset its MIME part names (empty
/// when none).
struct MhtPage {
  std::string html;
  std::string charset;
};

/// The page of an MHT file: when the message is a single text/html part, its body;
/// when it is multipart, its first part if that is text/html (later parts are the
/// page's pictures and other resources). Quoted-printable and base64 bodies are
/// decoded, 7bit and 8bit ones taken as they are. When there is no such part, the
/// file's bytes themselves are the page.
MhtPage MhtPageHtml(std::string_view bytes);

}  // namespace ovelin
