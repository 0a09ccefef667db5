#pragma once
// Names and addresses of the product as the interface shows them.

namespace ovelin {

inline constexpr const char* kMainWindowTitle = "Ovelin(Ovelin)";
inline constexpr const char* kAboutVersionText = "Ovelin(Ovelin) 1.50";
/// The product home page opened by "主页" and the about box.
inline constexpr const char* kHomePageUrl = "https://ovelin.example.org/";

}  // namespace ovelin
