// Every text the main window shows, in English and in Japanese, kept once.
#pragma once

#include <string_view>

namespace scorlet::companion {

// One text in both interface languages. An empty Japanese text means the English one is used
// in both.
struct LangText {
  std::string_view en;
  std::string_view ja;
  std::string_view in(bool japanese) const { return japanese && !ja.empty() ? ja : en; }
};

// Caption and tooltip of one control of the main window, by control name.
struct ControlTexts {
  std::string_view control;
  LangText caption;
  LangText tooltip;
};

// A control of the main window named by a row of FrmZControlTexts: the control itself, or a
// member of that control array ("Lbl" names "Lbl0" to "Lbl3").
inline bool IsControlOf(std::string_view rowName, std::string_view controlName) {
  return controlName == rowName ||
         (controlName.size() == rowName.size() + 1 && controlName.starts_with(rowName) &&
          controlName.back() >= '0' && controlName.back() <= '9');
}

namespace texts {

inline constexpr std::string_view ProgramName = "ScorletS";
inline constexpr std::string_view ExeName = "ScorletS.exe";
inline constexpr std::string_view ZipName = "ScorletS25.zip";
inline constexpr std::string_view Version = "  2.5";
inline constexpr LangText WindowCaption{"ScorletS", "スペード用スコレット"};

// Alert button texts handed to the alert check.
inline constexpr LangText AlertAsk{"None To Alert ?", "アラート確認"};
inline constexpr LangText AlertWait{" Wait ", "確認中"};
inline constexpr LangText AlertNone{"None", "該当者なし"};

inline constexpr LangText Pause{"Pause", "休止"};
inline constexpr std::string_view ShowScore = "Show Score";
inline constexpr std::string_view HideScore = "Hide Score";
inline constexpr std::string_view MinimizeScore = "Minimize";
inline constexpr LangText End{"End", "終了"};
inline constexpr std::string_view DelFilesMeiryo = "ファイル削除";
inline constexpr LangText AlertThisPlayer{"Alert This Player", "このプレイヤーをアラートの対象とする"};

// Start-up and stop-mode messages.
inline constexpr LangText SecondCopy{"  You are going to start ", "  "};
inline constexpr LangText SecondCopyTail{" again.", " を２重に起動しようとしています。"};
inline constexpr std::string_view ZipJa1 = " ZIP の中では実行できません。";
inline constexpr std::string_view ZipJa2 = " を ZIP から抜き出して実行して下さい。";
inline constexpr std::string_view ZipEn1 = "  UnZip ";
inline constexpr std::string_view ZipEn2 = " before starting";
inline constexpr std::string_view AppPath = "  App.Path = ";
inline constexpr std::string_view IniNotice = "  Initialization file ";
inline constexpr std::string_view IniNotFound = "  is not found.";
inline constexpr std::string_view IniDefaults = " is running with standard setting.";
inline constexpr LangText ClickEnd{"  Click END (or ESC) and terminate job.",
                                   "  終了 (ESC) ボタンを押して終了して下さい。"};
inline constexpr std::string_view Waiting = "  Waiting . . .";

// Menus.
inline constexpr LangText MenuCapture{"Capture", "キャプチャ"};
inline constexpr LangText MenuBid{"Bid", " ビッド"};
inline constexpr LangText MenuHand{"Hand", " ハンド"};
inline constexpr LangText MenuSoundAlert{"Sound", "警告音"};
inline constexpr LangText MenuSuicideTable{"In Suicide Table", "Suicide テーブル"};
inline constexpr LangText MenuDNilPassTable{"In DNil Pass Table", "DNil Pass テーブル"};
inline constexpr LangText MenuCanDNilBid{"When I can choose DNil Pass", "DNil Pass をビッドできる"};
inline constexpr LangText MenuSomeBidNil{"When Someone Bids Nil", "誰かが Nil をビッドした"};
inline constexpr LangText MenuFailNil{"When Nil Fails", "その Nil が失敗した"};
inline constexpr LangText MenuMySeat{"MySeat", "私の座席"};
inline constexpr LangText MenuSeatAuto{"Auto", "自動選択"};
inline constexpr LangText MenuAlertPlayer{"Alert", "アラート指定"};
inline constexpr LangText MenuRestart{"Restart", "再起動"};
inline constexpr LangText MenuLink{"LINK", "リンク"};
inline constexpr std::string_view LinkUsa = "Yahoo! Spades USA";
inline constexpr std::string_view LinkUk = "Yahoo! Spades UK";
inline constexpr std::string_view LinkAssociation = "スペード協会";
inline constexpr std::string_view LinkHelp = "使い方";

// Fonts looked for in the installed list.
inline constexpr std::string_view FontSansSerif = "Microsoft Sans Serif";
inline constexpr std::string_view FontArialNarrow = "Arial Narrow";

}  // namespace texts

// Captions and tooltips of the main window's controls (seat names and compass letters are
// set at run time).
inline constexpr ControlTexts FrmZControlTexts[] = {
    {"cmdAlertNone", {"None", "該当者なし"}, {"No Players to Alert", "アラート対象者の有無"}},
    {"remBox", {}, {"Remaining Cards", ""}},
    {"cmdTimer", {"Pause", "休止"}, {"Timer Interrupt", "タイマー割り込み"}},
    {"cmdDEL", {"DEL", "削除"}, {"Delete the File", "このファイルを削除する"}},
    {"cmdUndo", {"Undo", "取消"}, {"Undo Delete", "削除を取り消す"}},
    {"filBox", {}, {"Click and Look a Hand", "クリックしてハンドを見る"}},
    {"fraCapture", {"   capture", "キャプチャ"}, {"Capture Bid / Hand", ""}},
    {"cmdHand", {"Hand", "ハンド"}, {"Capture Last Hand (and Score)", "ハンドとスコアを記録"}},
    {"cmdBid", {"Bid", "ビッド"}, {"Capture Bids", "ビッドを記録"}},
    {"cmdDelFiles", {"Delete ALL Work Files", "全ファイル削除"},
     {"Delete All Work Files in the Box", "作業用フォルダを空にする"}},
    {"cmdEnd", {"End", "終了"}, {"Terminate ScorletS", "スコレットを終了"}},
    {"AlertName", {}, {"Player Alerted", "プレイヤー名の警告"}},
    {"cntPlayer", {}, {"Players in this Table", "テーブル内の人数"}},
    {"cntBid", {}, {"Number of Bids", "読み取ったビッドの個数"}},
    {"cntBidLoc", {}, {"Number of Bid Locations", "読み取ったビッド位置の個数"}},
    {"MyRating", {"9999", ""}, {"Your Rating", "あなたのレーティング"}},
    {"Lbl", {}, {"Show this Hand Bottom", "このハンドを真下に表示する"}},
};

}  // namespace scorlet::companion
