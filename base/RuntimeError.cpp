#include "base/RuntimeError.h"

#include "base/UiText.h"

#include <limits>
#include <new>

namespace trumbel {

std::string ErrorDescription(int number) {
    switch (number) {
    case 5:
        return UiTr("Errors", "プロシージャの呼び出し、または引数が不正です。");
    case 6:
        return UiTr("Errors", "オーバーフローしました。");
    case 7:
        return UiTr("Errors", "メモリが不足しています。");
    case 9:
        return UiTr("Errors", "インデックスが有効範囲にありません。");
    case 11:
        return UiTr("Errors", "0 で除算しました。");
    case 13:
        return UiTr("Errors", "型が一致しません。");
    case 52:
        return UiTr("Errors", "ファイル名または番号が不正です。");
    case 53:
        return UiTr("Errors", "ファイルが見つかりません。");
    case 61:
        return UiTr("Errors", "ディスクの空き容量が不足しています。");
    case 75:
        return UiTr("Errors", "パス名が無効です。");
    case 76:
        return UiTr("Errors", "パスが見つかりません。");
    case 91:
        return UiTr("Errors", "オブジェクト変数または With ブロック変数が設定されていません。");
    case 380:
        return UiTr("Errors", "プロパティの値が不正です。");
    default:
        return UiTr("Errors", "アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(static_cast<int>(number), ErrorDescription(static_cast<int>(number))) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

RuntimeError AsRuntimeError(const std::exception& e) {
    if (const auto* rt = dynamic_cast<const RuntimeError*>(&e)) {
        return *rt;
    }
    if (dynamic_cast<const std::bad_alloc*>(&e)) {
        return RuntimeError(ErrorNumber::OutOfMemory);
    }
    if (dynamic_cast<const std::out_of_range*>(&e)) {
        return RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    if (dynamic_cast<const std::overflow_error*>(&e)) {
        return RuntimeError(ErrorNumber::Overflow);
    }
    return RuntimeError(ErrorNumber::InvalidCall);
}

std::int16_t CheckedInt16(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int16_t>(value);
}

std::int64_t CheckedMod(std::int64_t a, std::int64_t b) {
    if (b == 0) {
        throw RuntimeError(ErrorNumber::DivisionByZero);
    }
    return a % b;
}

} // namespace trumbel
