#pragma once
// The texts of the program's message boxes.

#include <string_view>

namespace zel::messages {

inline constexpr std::u16string_view kTitle = u"Zelvorin";

inline constexpr std::u16string_view kCloseQuestion = u"Zelvorinを終了します。OKか？";
inline constexpr std::u16string_view kCloseTitle = u"Zelvorin終了？";

inline constexpr std::u16string_view kNoDuration = u"時間が入力されていません！単位変換部のいずれかに入力下さい。";
inline constexpr std::u16string_view kTreatedAsZero = u"このままでは、時間 0 として処理します。";
inline constexpr std::u16string_view kConversionError = u"エラーが発生しました。入力が適切か確認下さい。";
inline constexpr std::u16string_view kMomentRejected = u"正しく入力されていません。ご確認下さい。";
inline constexpr std::u16string_view kMomentsNotDates = u"時刻が入力されていないか、正しくないようです。確認下さい。";
inline constexpr std::u16string_view kElapsedRejected = u"入力が不正では？";
inline constexpr std::u16string_view kComputedInDays = u"day の単位で計算します。";
inline constexpr std::u16string_view kDhmsRejected = u"入力が正しくないようです。ご確認下さい。";

}  // namespace zel::messages
