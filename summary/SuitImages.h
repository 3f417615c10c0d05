// The four suit pictures of the image mode: 19 x 15 GIF89a files, the symbol in its
// colour on transparent white, built into the program and written into the output
// folder when needed.
#pragma once

#include <filesystem>
#include <string>

namespace scorlet::summary {

// The bytes of the picture of a suit index (0 clubs .. 3 spades); empty for another index.
std::string SuitImageBytes(int suit);

// Writes all four pictures when any of them is missing from the folder. False when a
// file could not be written.
bool WriteSuitImages(const std::filesystem::path& folder);

}  // namespace scorlet::summary
