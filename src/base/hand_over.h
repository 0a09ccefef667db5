#pragma once
// The hand-over channel: files and addresses that another program passes to the
// running desktop program. On the wire a message is a 4-byte little-endian
// length, then that many bytes of UTF-16LE text; records are joined by U+001E
// and a record is a name, U+001F and an address. The reply is 10 zero bytes.
// The channel is a Unix-domain socket that only its user can reach.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ovelin {

struct HandOverRecord {
  std::string name;     // UTF-8
  std::string address;  // a URL: "file://" + path for a local file
  bool operator==(const HandOverRecord&) const = default;
};

inline constexpr std::string_view kHandOverChannelName = "{4AD9CEA0-92FE-4d68-B938-E4437F209B1C}";
inline constexpr size_t kMaxHandOverBytes = 16 * 1024 * 1024;
inline constexpr size_t kHandOverReplyBytes = 10;

/// The records of a message body; records without exactly two fields or with an
/// empty address are skipped. An odd trailing byte is ignored.
std::vector<HandOverRecord> ParseHandOverRecords(std::string_view utf16le);

/// The message body (UTF-16LE, no length prefix) of these records.
std::string EncodeHandOverRecords(const std::vector<HandOverRecord>& records);

/// The length prefix followed by the body.
std::string FrameHandOverMessage(std::string_view body);

/// The folder of the channel's socket: $XDG_RUNTIME_DIR when it exists, else
/// /tmp/ovelin-<uid>, created with mode 0700. Either is used only when it is a
/// real folder (not a link) of this user closed to everyone else, as the XDG
/// rule for runtime folders asks; otherwise empty, and `problem` (when given)
/// says what is wrong with the folder.
std::string HandOverChannelFolder(std::string* problem = nullptr);

/// The socket path inside that folder; empty when there is no folder, `problem`
/// as above.
std::string HandOverSocketPath(std::string* problem = nullptr);

}  // namespace ovelin
