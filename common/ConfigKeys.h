// The keyword table of the initialisation file (ConfigKeys.cpp), used by Config.cpp.
#pragma once

#include <string>
#include <string_view>

#include "common/Config.h"

namespace scorlet {

// One value of a key line in the forms the keywords take it.
struct ConfigValue {
  std::string raw;      // the value with a double-quoted part taken out
  std::string lowered;  // raw in lower case
  bool flag = false;    // boolean reading: lowered begins with "y" or is "on"
  const ConfigContext* context = nullptr;
};

// The entry of the folder with that name, letters compared without case as the Windows file
// system does, also where names are case-sensitive (the exact name first); empty when none.
std::filesystem::path FindEntryNoCase(const std::filesystem::path& folder, std::string_view name);

// Stores the value of a known key (compared in lower case); false when the key is unknown.
bool ApplyConfigKey(std::string_view loweredKey, const ConfigValue& value, Settings& settings);

}  // namespace scorlet
