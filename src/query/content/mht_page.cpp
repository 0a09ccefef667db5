#include "query/content/mht_page.h"

#include <gmime/gmime.h>

#include <memory>
#include <mutex>

namespace ovelin {

namespace {

struct GObjectUnref {
  void operator()(void* object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

void InitializeGMimeOnce() {
  static std::once_flag once;
  std::call_once(once, [] { g_mime_init(); });
}

// The part that holds the page: the message's own part or the first part of a multipart.
GMimePart* PagePart(GMimeMessage* message) {
  GMimeObject* top = g_mime_message_get_mime_part(message);
  GMimeObject* candidate = top;
  if (top && GMIME_IS_MULTIPART(top)) {
    GMimeMultipart* multipart = GMIME_MULTIPART(top);
    candidate = g_mime_multipart_get_count(multipart) > 0 ? g_mime_multipart_get_part(multipart, 0) : nullptr;
  }
  if (!candidate || !GMIME_IS_PART(candidate)) return nullptr;
  GMimeContentType* type = g_mime_object_get_content_type(candidate);
  if (!type || !g_mime_content_type_is_type(type, "text", "html")) return nullptr;
  return GMIME_PART(candidate);
}

// The part's body with its transfer encoding undone.
std::string DecodedBody(GMimePart* part) {
  GMimeDataWrapper* content = g_mime_part_get_content(part);
  if (!content) return {};
  GObjectPtr<GMimeStream> out(g_mime_stream_mem_new());
  if (g_mime_data_wrapper_write_to_stream(content, out.get()) < 0) return {};
  const GByteArray* array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
  return array ? std::string(reinterpret_cast<const char*>(array->data), array->len) : std::string();
}

}  // namespace

MhtPage MhtPageHtml(std::string_view bytes) {
  InitializeGMimeOnce();
  GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
  GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
  g_mime_parser_set_format(parser.get(), GMIME_FORMAT_MESSAGE);
  GObjectPtr<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
  GMimePart* part = message ? PagePart(message.get()) : nullptr;
  if (!part) return {std::string(bytes), {}};
  const char* charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), "charset");
  return {DecodedBody(part), charset ? charset : ""};
}

}  // namespace ovelin
