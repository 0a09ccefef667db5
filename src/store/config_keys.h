#pragma once
// The names of the configuration: the sections and keys of the SysConfig element
// that the program reads and the settings dialog writes. Every part names them
// from here.

#include <string_view>

namespace ovelin::config {

/// The root element of the configuration.
inline constexpr std::string_view kRootElement = "SysConfig";

/// Keyword search: what is searched and how results combine.
inline constexpr std::string_view kKeywordsSearch = "KeywordsSearch";
inline constexpr std::string_view kSearchFileContent = "SearchFileContent";
inline constexpr std::string_view kIncludeAll = "IncludeAll";
inline constexpr std::string_view kSearchFileName = "SearchFileName";
inline constexpr std::string_view kSearchBelongSet = "SearchBelongSet";
inline constexpr std::string_view kUpLowSensitive = "UpLowSensitive";
inline constexpr std::string_view kWholeWordMatch = "WholeWordMatch";

/// Archiving.
inline constexpr std::string_view kPigeonhole = "Pigeonhole";
/// Items dropped on the result list belong to the sets of the current query.
inline constexpr std::string_view kDragDropPigAutoBelong = "DragDropPigAutoBelong";

}  // namespace ovelin::config
