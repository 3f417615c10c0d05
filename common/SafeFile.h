// Replacing a file so that a crash or a full disk never leaves it half written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace scorlet {

// Writes the bytes to a new temporary file in the target's folder, then renames it over the
// target. True on success; on failure the old file (if any) is untouched and the temporary
// file is removed. Temporary names ("~scorlet" + process number + "_" + count + ".tmp") are
// the process's own, so two programs never share one.
bool ReplaceFileSafely(const std::filesystem::path& target, std::string_view bytes);
// The same; on failure why holds the system's text of the reason.
bool ReplaceFileSafely(const std::filesystem::path& target, std::string_view bytes,
                       std::string& why);

// Deletes the temporary files a crash during ReplaceFileSafely left in the folder (every
// "~scorlet*.tmp"); run at start by the program that alone writes the folder. The number
// deleted.
int RemoveStaleTempFiles(const std::filesystem::path& folder);

}  // namespace scorlet
