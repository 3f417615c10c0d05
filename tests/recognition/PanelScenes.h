// Scenes of the table's small windows for the read-back tests, and the pictures the companion
// would capture of them.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include "companion/recognition/Picture.h"
#include "platform/Types.h"
#include "tableclient/render/Scene.h"

namespace scorlet::recognition::testing {

// The client-area capture of a drawn window: 5-5-5 pixels, bottom-up rows.
PanelCapture PanelOf(const Image& image);
// The top-left width x height of an image (a window cut short).
Image Cropped(const Image& image, int width, int height);

// Four different cards.
table::LastTrickScene RandomTrick(std::mt19937& rng);
// A shuffled deck played in 13 tricks with one leader each ("[" on its card, now and then "("),
// seeded names.
table::LastHandScene RandomLastHand(std::mt19937& rng, std::uint32_t nameSeed);
// The deck in order, North leading every trick.
table::LastHandScene OrderedLastHand();
// A cell's card in notation and its lead mark.
std::pair<std::string, std::uint8_t> CellTruth(const std::string& cell);
// Rows of scores (negative ones and 0 | 0 rows among them) and bags.
table::ScoreScene RandomScore(std::mt19937& rng, int rows);

// Where the last hand's first text line lies, -1 when no band is found.
int LastHandTextTop(const Picture& picture);
// The first column of card cell k (0..12) on the line whose top is `top`.
int CellStart(const Picture& picture, int top, int k);
// The top row of the score table's first line (within a row).
int ScoreFirstTop(const Picture& picture);

}  // namespace scorlet::recognition::testing
