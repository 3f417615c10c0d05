// Small helpers shared by the files that handle the table's windows.
#pragma once

#include <cstddef>

#include "platform/Form.h"
#include "tableclient/window/Languages.h"

namespace scorlet::table {

inline bool IsSubKind(int kind) { return kind >= LastTrickKind && kind <= ScoreKind; }
inline std::size_t SubIndex(int kind) { return static_cast<std::size_t>(kind - 1); }

// The small windows take the size of what they show.
void ShowImage(Form& form, const Image& image);

}  // namespace scorlet::table
