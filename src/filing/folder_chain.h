#pragma once
// Creating the folders of a path, one level after the other.

#include <string_view>

namespace ovelin {

/// Creates every missing folder of an absolute folder path, from the top down.
/// Fails at the first prefix that is neither an existing folder nor creatable
/// (a file in the way, no permission); folders made before that stay.
bool CreateFolderChain(std::string_view folder);

}  // namespace ovelin
