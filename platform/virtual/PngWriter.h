#pragma once
// Writes an image as an 8-bit RGB PNG file (for looking at virtual windows).

#include "platform/Types.h"

#include <string>

namespace scorlet {

bool WritePng(const Image& image, const std::string& path);

} // namespace scorlet
