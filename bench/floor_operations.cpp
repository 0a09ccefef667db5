#include "bench/floor_operations.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include "store/data_file.h"

namespace ovelin {
namespace {

class BytesWriter : public pugi::xml_writer {
 public:
  explicit BytesWriter(Bytes& out) : out_(out) {}
  void write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const unsigned char*>(data);
    out_.insert(out_.end(), bytes, bytes + size);
  }

 private:
  Bytes& out_;
};

bool WritePlainFile(const std::string& path, const Bytes& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const unsigned char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    data += written;
    left -= static_cast<size_t>(written);
  }
  return ::close(fd) == 0 && left == 0;
}

CFileItem ReadFileElement(pugi::xml_node file, const std::string& setName) {
  CFileItem item(file.child("Name").text().get(), file.child("Path").text().get());
  item.SetDescription(file.child("Description").text().get());
  for (pugi::xml_node value : file.child("ItemPropertys").children("Property")) {
    item.AppendPropertyEntry(std::string(value.attribute("Name").value()) + ";" + value.attribute("Value").value());
  }
  item.AddOwningSet(setName);
  return item;
}

}  // namespace

bool FloorLoad(const std::string& path, const Bytes& keyMaterial, pugi::xml_document& doc) {
  std::optional<Bytes> plain;
  {
    const std::optional<Bytes> cipher = ReadWholeFile(path);
    if (!cipher) return false;
    plain = Decipher(*cipher, keyMaterial);
  }
  if (!plain) return false;
  const std::string_view text = Utf16UpToTerminator(*plain);
  return doc.load_buffer(text.data(), text.size(), kStoreParseOptions, pugi::encoding_utf16_le);
}

bool FloorSave(const pugi::xml_document& doc, const Bytes& keyMaterial, const std::string& path) {
  Bytes utf16;
  BytesWriter writer(utf16);
  doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf16_le);
  const std::optional<Bytes> cipher = Encipher(keyMaterial, TerminatedUtf16(std::move(utf16)));
  return cipher && WritePlainFile(path, *cipher);
}

ItemList FloorReadAllItems(const pugi::xml_document& doc) {
  std::vector<CFileItem> items;
  for (pugi::xml_node set : doc.child("AllSets").child("EntitySets").children("FileSet")) {
    const std::string setName = set.child("Name").text().get();
    for (pugi::xml_node file : set.child("Elements").children("File")) items.push_back(ReadFileElement(file, setName));
  }
  std::stable_sort(items.begin(), items.end(), ComparePathLess);
  std::vector<CFileItem> merged;
  merged.reserve(items.size());
  for (CFileItem& item : items) {
    if (!merged.empty() && merged.back().GetPath() == item.GetPath()) {
      merged.back().MergeOwningSets(item);
      merged.back().MergePropertyValues(item);
      continue;
    }
    merged.push_back(std::move(item));
  }
  ItemList list(doc.child("AllSets").child("EntitySets").attribute("RootName").value());
  list.AdoptSorted(std::move(merged));
  return list;
}

}  // namespace ovelin
