// The texts of hand recording and of the work-file dialog, in English and Japanese.
#pragma once

#include <string_view>

#include "companion/main/Texts.h"

namespace scorlet::companion::record_texts {

// Printed on the main window when a hand could not be saved or was saved with gaps.
inline constexpr LangText WriteFailed{"  Error occurred in writing the hand file ",
                                      "  ハンドファイルを書き込めませんでした "};
inline constexpr LangText Incomplete{"  The hand record is incomplete: ",
                                     "  ハンドの記録が不完全です: "};
inline constexpr LangText CardTwice{"a card read twice", "同じカードが２回"};
inline constexpr LangText FewCards{"fewer than 52 cards", "カードが５２枚未満"};
inline constexpr LangText ShortTrick{"a trick without four cards", "カードが４枚ないトリック"};

// The empty/restore dialog frmDelWork.
inline constexpr std::string_view DialogCaption = " Empty Work Folder";
inline constexpr LangText DeleteButton{"Delete Work Files", "作業用フォルダを空にする"};
inline constexpr LangText RestoreButton{"Restore Work Files", "作業用ファイルを復元する"};
inline constexpr LangText CancelButton{"Cancel", "取り消し"};
inline constexpr std::string_view ExtensionLine = " ( *.spd)";

inline constexpr LangText RestoreLine1{" Restore Work Files", " 作業用ファイル"};
inline constexpr LangText RestoreLine3{" in Work Folder", " を復元できます。"};
inline constexpr LangText RestoreAsk{"  Do you want them get Restored ?", " 復元しますか ？"};
inline constexpr LangText EmptyLine1{" Delete All Files", " 下記フォルダ内の全ファイル"};
inline constexpr LangText EmptyLine3{" in Work Folder", " を削除します。"};
inline constexpr LangText EmptyAsk{"  May really Delete All ?", " よろしいですか ？"};

}  // namespace scorlet::companion::record_texts
