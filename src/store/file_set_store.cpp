#include "store/file_set_store.h"

#include "store/data_file.h"
#include "store/machine_identifier.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

// Collects the bytes that pugixml writes.
struct ByteWriter : pugi::xml_writer {
  Bytes bytes;
  void write(const void* data, size_t size) override {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
  }
};

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

CFileSetStore::CFileSetStore() = default;

pugi::xml_node CFileSetStore::AllSets() const { return doc_.child("AllSets"); }

pugi::xml_node CFileSetStore::EntitySets() const { return AllSets().child("EntitySets"); }

bool CFileSetStore::ParseInto(pugi::xml_document& doc, const Bytes& plain) const {
  const std::string_view text = Utf16UpToTerminator(plain);
  const pugi::xml_parse_result parsed =
      doc.load_buffer(text.data(), text.size(), kDocumentParseOptions, pugi::encoding_utf16_le);
  return parsed && doc.document_element() && std::string_view(doc.document_element().name()) == "AllSets";
}

void CFileSetStore::AdoptDocument(pugi::xml_document& parsed) {
  doc_ = std::move(parsed);
  InvalidateIndex();
}

bool CFileSetStore::Load(const std::string& path) {
  const Bytes machineId = GetMachineIdentifier();
  if (machineId.empty()) return false;
  pugi::xml_document parsed;
  {
    // The file's bytes and the deciphered text are dropped as soon as they are
    // parsed, so that they do not add to the memory the item list needs.
    std::optional<Bytes> plain;
    {
      const auto cipher = ReadWholeFile(path);
      if (!cipher) return false;
      plain = Decipher(*cipher, DataFileKeyMaterial(machineId));
    }
    if (!plain || !ParseInto(parsed, *plain)) return false;
  }
  AdoptDocument(parsed);
  // Reading must not write: the upgrade reaches the file with the next save, which
  // only a holder of the writer lock makes.
  unsavedUpgrade_ = Upgrade();
  RebuildRootItems();
  dataFilePath_ = path;
  return true;
}

bool CFileSetStore::LoadXml(std::string_view xml) {
  pugi::xml_document parsed;
  const pugi::xml_parse_result result =
      parsed.load_buffer(xml.data(), xml.size(), kDocumentParseOptions, pugi::encoding_utf8);
  if (!result || std::string_view(parsed.document_element().name()) != "AllSets") return false;
  AdoptDocument(parsed);
  Upgrade();
  RebuildRootItems();
  return true;
}

bool CFileSetStore::LoadXmlUtf16(const Bytes& plain) {
  pugi::xml_document parsed;
  if (!ParseInto(parsed, plain)) return false;
  AdoptDocument(parsed);
  Upgrade();
  RebuildRootItems();
  return true;
}

Bytes CFileSetStore::GetXmlUtf16() const {
  ByteWriter writer;
  doc_.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf16_le);
  return std::move(writer.bytes);
}

std::string CFileSetStore::GetXml(bool indent) const {
  StringWriter writer;
  const unsigned flags = indent ? pugi::format_indent : pugi::format_raw;
  doc_.save(writer, "  ", flags | pugi::format_no_declaration, pugi::encoding_utf8);
  return std::move(writer.text);
}

bool CFileSetStore::Save() {
  const Bytes machineId = GetMachineIdentifier();
  if (machineId.empty() || dataFilePath_.empty()) return false;
  Bytes text = GetXmlUtf16();
  if (text.empty()) return false;
  const auto cipher = Encipher(DataFileKeyMaterial(machineId), TerminatedUtf16(std::move(text)));
  if (!cipher || !WriteFileAtomically(dataFilePath_, *cipher)) return false;
  unsavedUpgrade_ = false;
  return true;
}

bool CFileSetStore::SaveTo(const std::string& path) {
  dataFilePath_ = path;
  return Save();
}

std::string CFileSetStore::GetVersion() const {
  const pugi::xml_attribute version = AllSets().attribute("Version");
  return version ? version.value() : "1.02";
}

std::string CFileSetStore::GetRootName() const { return EntitySets().attribute("RootName").value(); }

bool CFileSetStore::IsUsableDocument() const {
  const std::string root = GetRootName();
  return !IsBlankName(root) && FindFileSet(root) && NestingDepth(doc_) <= kMaxDocumentDepth;
}

void CFileSetStore::RebuildIndex() const {
  setIndex_.clear();
  for (pugi::xml_node set : EntitySets().children("FileSet")) {
    setIndex_.emplace(ChildText(set, "Name"), set);  // the first of equal names wins
  }
  indexValid_ = true;
}

pugi::xml_node CFileSetStore::FindFileSet(std::string_view name) const {
  if (name.empty()) return {};
  if (!indexValid_) RebuildIndex();
  const auto found = setIndex_.find(std::string(name));
  return found == setIndex_.end() ? pugi::xml_node() : found->second;
}

NameList CFileSetStore::GetFileSetNames() const {
  NameList names;
  for (pugi::xml_node set : EntitySets().children("FileSet")) names.push_back(ChildText(set, "Name"));
  SortNames(names);
  if (!names.empty() && names.front().empty()) names.erase(names.begin());
  return names;
}

}  // namespace ovelin
