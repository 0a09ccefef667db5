#pragma once
// The floors the store's operations are measured against: the least work any
// implementation must do for the same result, done directly with pugixml and
// the envelope functions.

#include <pugixml.hpp>

#include <string>

#include "store/envelope.h"
#include "store/item_list.h"

namespace ovelin {

/// The parse options of the store's own load.
inline constexpr unsigned kStoreParseOptions = pugi::parse_default;

/// Reads the data file, deciphers it and parses the UTF-16LE text into `doc`.
bool FloorLoad(const std::string& path, const Bytes& keyMaterial, pugi::xml_document& doc);

/// Serialises `doc` as UTF-16LE, enciphers it and writes the bytes to `path`
/// with a plain write (no temporary file, no fsync).
bool FloorSave(const pugi::xml_document& doc, const Bytes& keyMaterial, const std::string& path);

/// The items of every set in one pass over the `File` elements, each owned by
/// its set, sorted by path with equal paths merged.
ItemList FloorReadAllItems(const pugi::xml_document& doc);

}  // namespace ovelin
