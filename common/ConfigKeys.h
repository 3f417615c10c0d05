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

// Stores the value of a known key (compared in lower case); false when the key is unknown.
bool ApplyConfigKey(std::string_view loweredKey, const ConfigValue& value, Settings& settings);

}  // namespace scorlet
