// The bid advice for the user's bid in the third and fourth seat: near the end of a game, two
// candidate bids for the user and the score each partnership would reach with them, shown in a
// small window beside the table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace scorlet {
class PictureBox;
}

namespace scorlet::companion {

struct App;

// A partnership's score now and with each of the two proposed bids made.
struct HelpScores {
  std::int32_t score = 0;
  std::int32_t projected1 = 0;
  std::int32_t projected2 = 0;
  bool operator==(const HelpScores&) const = default;
};

// One proposed line: the bid already made (the partner's, or the opponents') and, after ", ",
// the proposal; `text` is the two joined.
struct HelpOption {
  std::string made;
  std::string proposed;
  std::string text() const { return made + ", " + proposed; }
};

struct HelpBidAdvice {
  int seat = 0;                         // 3 or 4: the user bids third or fourth
  std::array<HelpOption, 2> youBid;     // the user's side
  std::array<HelpOption, 2> theyBid;    // the opponents (one line in the fourth seat)
  int theyLines = 2;
  HelpScores ours;
  HelpScores theirs;
};

// The opponents' projection from which the advice is shown without a log file.
inline constexpr int FourthSeatThreshold = 491;
inline constexpr int ThirdSeatThreshold = 451;

// The advice for the bids by display position (0 the user, 1 LHO, 2 partner, 3 RHO; "" not yet
// bid), the partnerships' scores of the last recorded deal and the number of bids read (2 or 3).
// Nothing when no deal has been recorded, the user is not third or fourth, the bids needed are
// missing, or the opponents are not close to winning (unless `always`, as with a log file).
std::optional<HelpBidAdvice> AdviseBid(const std::array<std::string, 4>& bids, bool anyDeal,
                                       std::int32_t ourScore, std::int32_t theirScore,
                                       int bidsRead, bool always);

// Computes the advice from the current bids and scores and shows it; hides nothing when there is
// no advice.
void Show_HelpBid(App& app);
void HideHelpBid(App& app);
// The window's two layouts.
void ShowScore3(App& app, const HelpBidAdvice& advice);
void ShowScore4(App& app, const HelpBidAdvice& advice);
// One score line at column x and row y of the picture: score, an arrow, projected.
void PrintLine(PictureBox& pic, int x, int y, std::int32_t score, std::int32_t projected);

}  // namespace scorlet::companion
