#include "summary/SummaryTexts.h"

#include <array>

namespace scorlet::summary {

namespace {

struct TextPair {
  Msg id;
  std::string_view english;
  std::string_view japanese;
};

constexpr std::array<TextPair, static_cast<std::size_t>(Msg::Count)> kTexts{{
    {Msg::OutputFolder, "GameRec", "ゲーム記録"},
    {Msg::EndCaption, "END", "終了"},
    {Msg::Preparing, " Now preparing summary files in HTML", " ゲーム記録ファイルを作成します."},
    {Msg::PreparingText, " / Text", ""},
    {Msg::PreparingEnd, ".", ""},
    {Msg::FileCount, " Number of work files (spd) input = ", " 入力された作業ファイル (spd) = "},
    {Msg::FileCountEnd, "", " 個."},
    {Msg::NoFiles, " No files in the Work folder.",
     " Workフォルダの中に作業ファイルはありません."},
    {Msg::ClickEndTerminate, " Click END button and terminate job.", " 「終了」ボタンを押して下さい."},
    {Msg::FilesMade, " The above files have been made in the folder",
     " 上記のファイルは，下記のフォルダに作成されました。"},
    {Msg::ClickEndFinish, "  Click END button and finish job.", "  「終了」ボタンを押して下さい."},
    {Msg::Deals, " Deals", " ディール"},
    {Msg::CannotRead, "  Work file not readable, skipped: ", "  読めない作業ファイルを飛ばしました: "},
    {Msg::PageFailed, "  Could not write: ", "  書き込めませんでした: "},
    {Msg::AppPath, "  App.Path = ", "  App.Path = "},
    {Msg::ClickEndOrEsc, "  Click END (or ESC) button and terminate job.",
     "  終了 (または) ボタンを押して，終了して下さい。"},
    {Msg::Waiting, "  Waiting . . . ", "  Waiting . . . "},
    {Msg::SecondStartBefore, "  You are going to start ", "  "},
    {Msg::SecondStartAfter, " again.", " を２重に起動しようとしています。"},
    {Msg::UnzipLine1, "  UnZip the archived file ", "  ZIP の中では実行できません。"},
    {Msg::UnzipLine2Before, "  ", ""},
    {Msg::UnzipLine2After, ".", " を ZIP から抜き出して実行して下さい。"},
    {Msg::IniFile, "  Initialization file", "  初期設定ファイル"},
    {Msg::IniNotFound, "  is not found.", "  が見つかりません。"},
    {Msg::IniStandard, "  is running with standard setting.", "  は標準の設定で動作します。"},
    {Msg::IniUnreadable, "  cannot be read.", "  を読めません。"},
    {Msg::WorkAbsent, " \"Work\" folder is absent.", "Work フォルダが見つかりません."},
    {Msg::FileAbsent, " is absent.", " が見つかりません。"},
    {Msg::IllegalKeyword, "Illegal Keyword!", "不正なキーワードです!"},
    {Msg::ScoreCaption, "Spade Score", "スペード スコア"},
    {Msg::TextScoreCaption, "Spade Score", "スペードスコア"},
    {Msg::BiddingComment, "<!-- Bidding -->", "<!-- ビッド -->"},
    {Msg::HandComment, "<!-- Hand -->", "<!-- ハンド -->"},
    {Msg::PlayComment, "<!-- Play -->", "<!-- プレイ経過 -->"},
    {Msg::WorkUnreadable, " The \"Work\" folder cannot be read: ",
     " Work フォルダを読めません: "},
    {Msg::OddShape, "  Work file damaged, shown as far as it can be read: ",
     "  壊れた作業ファイルを読める所まで表示しました: "},
    {Msg::NothingMade, " No file could be made in the folder",
     " 下記のフォルダにファイルを作成できませんでした。"},
    {Msg::NotAFolder, " is not a folder.", " はフォルダではありません。"},
    {Msg::RaceAlt, "Score race: the totals of both partnerships after each deal",
     "スコアの推移: 各ディール後の両チームの合計"},
    {Msg::IndexTitle, "Game Index", "ゲーム一覧"},
    {Msg::IndexDay, "Day", "日付"},
    {Msg::IndexGame, "Game", "ゲーム"},
    {Msg::TeamNorthSouth, "North/South", "南北"},
    {Msg::TeamEastWest, "East/West", "東西"},
    {Msg::IndexScore, "Score", "得点"},
    {Msg::IndexWinner, "Winner", "勝者"},
    {Msg::IndexDeals, "Deals", "ディール"},
    {Msg::IndexPage, "Page", "ページ"},
    {Msg::IndexUnfinished, "not finished", "未了"},
    {Msg::PlayersTitle, "Player Statistics", "プレーヤー別の成績"},
    {Msg::PlayersName, "Player", "プレーヤー"},
    {Msg::PlayersMade, "Bids made", "ビッド成功"},
    {Msg::PlayersSet, "Set", "セット"},
    {Msg::PlayersBags, "Bags", "バッグ"},
    {Msg::PlayersNilMade, "Nil made", "ニル成功"},
    {Msg::PlayersNilFailed, "Nil failed", "ニル失敗"},
    {Msg::PlayersDoubleNilMade, "Double Nil made", "ダブルニル成功"},
    {Msg::PlayersDoubleNilFailed, "Double Nil failed", "ダブルニル失敗"},
    {Msg::PlayersWins, "Games won", "勝ったゲーム"},
    {Msg::PlayersLosses, "Games lost", "負けたゲーム"},
    {Msg::PlayersNote,
     "A bid is made when the player takes at least the tricks he bid; bags are the tricks "
     "over the bid. Games count for the partnership a player sat in at the game's last deal.",
     "ビッド成功は、ビッドした数以上のトリックを取ったとき。バッグはビッドを超えたトリック数。"
     "ゲームの勝ち負けは、最後のディールで座っていたチームに数えます。"},
}};

constexpr bool InIdOrder() {
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
  }
  return true;
}
static_assert(InIdOrder(), "the text table follows the order of Msg");

}  // namespace

std::string_view Text(Msg id, bool japanese) {
  const auto index = static_cast<std::size_t>(id);
  if (index >= kTexts.size()) return {};
  return japanese ? kTexts[index].japanese : kTexts[index].english;
}

}  // namespace scorlet::summary
