#pragma once

#include "skin/SkinData.h"
#include "skin/StringTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

inline constexpr int kInputPastEndOfFile = 62;

// A line of numbers split at ",": the first `count` fields converted to 16-bit integers,
// missing ones 0, surplus ones ignored. Throws the type-mismatch error for a field that is not
// a number and the overflow error for one outside the 16-bit range.
std::vector<std::int16_t> SplitNumbers(std::string_view line, std::size_t count);
std::int16_t ToInt16(std::string_view field);
float ToSingle(std::string_view field);
// The text after the first ":" of a header line (the whole line when it has none).
std::string HeaderValue(std::string_view line);

// Reads a skin file line by line, one line per step whatever it holds. Each Read* method
// consumes exactly its lines and throws RuntimeError when the file ends early or a value does
// not convert. Labels and title lines are never looked at.
class SkinFileParser {
public:
    // `folder` is the skin file's folder with its trailing "/".
    SkinFileParser(std::vector<std::string> lines, std::string folder);

    void ReadImageLine(SkinData& skin); // line 1
    void ReadHeader(SkinData& skin);    // lines 2..6
    void ReadStartUnit(SkinData& skin); // lines 7..9
    void ReadGraphUnit(SkinData& skin); // lines 10..16
    void ReadClockUnit(SkinData& skin); // lines 17..31
    void ReadEndUnit(SkinData& skin);   // lines 32..34
    void ReadGraphData(SkinData& skin); // the graph records
    void ReadNumberFonts(SkinData& skin);
    void ReadItemParams(SkinData& skin);

    std::size_t LinesRead() const { return next_; }

private:
    const std::string& Next();

    std::vector<std::string> lines_;
    std::string folder_;
    std::size_t next_ = 0;
};

// The kinds from fromKind on that the skin does not describe: the numbers and graphs of a kind
// it does, without a label.
void FillSensorKindFallbacks(SkinData& skin, int fromKind);

// Every step of the file in order; for tests and the fuzz target.
SkinData ParseSkinText(std::string_view text, const std::string& folder);

// A built-in skin from the string table (base = number × 100), read as the file lines are.
// `imagePath` is the bitmap resource identifier.
SkinData ReadBuiltInSkin(const StringTable& table, int number);

} // namespace trumbel
