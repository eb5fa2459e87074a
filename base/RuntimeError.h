#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace trumbel {

// The runtime errors the program reports, numbered as the user has always seen them in the
// error boxes ("エラー名 : 9 (...)").
enum class ErrorNumber : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DiskFull = 61,
    PathFileAccess = 75,
    PathNotFound = 76,
    ObjectNotSet = 91,
    InvalidPropertyValue = 380,
};

// The standard Japanese description of an error number; unknown numbers get a generic text.
std::string ErrorDescription(int number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(int number, std::string description);

    int Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

// Turns any exception into the number and description an error box shows.
RuntimeError AsRuntimeError(const std::exception& e);

// Checked helpers for the 16-bit counters and integer arithmetic that must fail the way the
// user-visible reports expect (overflow 6, division by zero 11) instead of wrapping silently.
std::int16_t CheckedInt16(std::int64_t value);
std::int64_t CheckedMod(std::int64_t a, std::int64_t b);

} // namespace trumbel
