#include "query/content/charset_conversion.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <utility>

#include "base/unicode_text.h"

namespace ovelin {

namespace {

// Labels that pages use for a narrower set than the one their bytes are really in,
// mapped the way web browsers map them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kWidenedLabels{{
    {"GB2312", "GBK"},
    {"GB_2312-80", "GBK"},
    {"CSGB2312", "GBK"},
    {"X-GBK", "GBK"},
    {"CHINESE", "GBK"},
    {"ISO-8859-1", "WINDOWS-1252"},
    {"LATIN1", "WINDOWS-1252"},
    {"US-ASCII", "WINDOWS-1252"},
    {"ASCII", "WINDOWS-1252"},
    {"SHIFT_JIS", "CP932"},
    {"SJIS", "CP932"},
    {"EUC-KR", "CP949"},
    {"BIG5", "BIG5-HKSCS"},
}};

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n\f\"'");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n\f\"'");
  return std::string(text.substr(first, last - first + 1));
}

// Owns one iconv conversion descriptor.
class Converter {
 public:
  explicit Converter(const std::string& from) : handle_(::iconv_open("UTF-8", from.c_str())) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (valid()) ::iconv_close(handle_);
  }
  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

}  // namespace

std::string NormalizeCharsetLabel(std::string_view label) {
  std::string name = Trimmed(label);
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  for (const auto& [from, to] : kWidenedLabels) {
    if (name == from) return std::string(to);
  }
  return name;
}

std::optional<std::string> ConvertToUtf8(std::string_view bytes, const std::string& charset) {
  const Converter converter(charset);
  if (!converter.valid()) return std::nullopt;
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 2);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char buffer[16384];
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    const size_t done = ::iconv(converter.get(), &in, &inLeft, &out, &outLeft);
    const int error = errno;
    utf8.append(buffer, sizeof buffer - outLeft);
    if (done != static_cast<size_t>(-1)) break;
    if (error == E2BIG) continue;
    AppendCodePoint(utf8, kReplacementCharacter);
    if (error != EILSEQ) break;  // EINVAL: the input ends inside a sequence
    ++in;                        // skip the offending byte and go on
    --inLeft;
  }
  // Stateful encodings (ISO-2022-*) may still have to return to their initial state.
  char* out = buffer;
  size_t outLeft = sizeof buffer;
  ::iconv(converter.get(), nullptr, nullptr, &out, &outLeft);
  utf8.append(buffer, sizeof buffer - outLeft);
  return utf8;
}

}  // namespace ovelin
