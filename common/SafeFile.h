// Replacing a file so that a crash or a full disk never leaves it half written.
#pragma once

#include <filesystem>
#include <string_view>

namespace scorlet {

// Writes the bytes to a new temporary file in the target's folder, then renames it over the
// target. True on success; on failure the old file (if any) is untouched and the temporary
// file is removed.
bool ReplaceFileSafely(const std::filesystem::path& target, std::string_view bytes);

}  // namespace scorlet
