#pragma once

#include "tray/TraySource.h"

#include <array>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace trumbel::test {

// Values keyed by (param, device, field); formatted amounts show the exact number passed, so
// tests see factors and which value was read.
struct FakeSource {
    std::array<int, 15> standardStyle{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    std::array<int, 15> standardDigitStyle{3, 3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::map<std::pair<int, int>, std::string> captions;
    std::map<std::pair<int, int>, bool> charging;
    std::set<std::pair<int, int>> absentSensors;
    std::map<std::tuple<int, int, int>, double> values;
    std::map<std::tuple<int, int, int>, int> percents; // (param, device, basis)
    std::map<std::string, StripPixels> files;
    StripPixels defaultStrip;
    mutable int defaultStripReads = 0;
    mutable int fileReads = 0;

    TraySourceHooks Hooks() {
        TraySourceHooks h;
        h.standardStyle = [this](int p) { return standardStyle.at(static_cast<std::size_t>(p)); };
        h.standardDigitStyle = [this](int p) {
            return standardDigitStyle.at(static_cast<std::size_t>(p));
        };
        h.systemValue = [this](int p, int d, int f) {
            auto it = values.find({p, d, f});
            return it == values.end() ? 0.0 : it->second;
        };
        h.persent = [this](int p, int d, PercentBasis b) {
            auto it = percents.find({p, d, static_cast<int>(b)});
            return it == percents.end() ? 0 : it->second;
        };
        h.transParam = [](float v) {
            std::ostringstream s;
            s << "<" << v << ">";
            return s.str();
        };
        h.sensorCaption = [this](int p, int d) {
            auto it = captions.find({p, d});
            return it == captions.end() ? std::string() : it->second;
        };
        h.charging = [this](int p, int d) { return charging.count({p, d}) != 0; };
        h.sensorPresent = [this](int p, int d) { return absentSensors.count({p, d}) == 0; };
        h.readStripFile = [this](const std::string& path) -> std::optional<StripPixels> {
            ++fileReads;
            auto it = files.find(path);
            if (it == files.end()) {
                return std::nullopt;
            }
            return it->second;
        };
        h.defaultStrip = [this] {
            ++defaultStripReads;
            return defaultStrip;
        };
        return h;
    }
};

// A strip of one colour per region: filled bars, empty bars and each label distinct.
inline StripPixels RegionStrip(std::uint32_t tag = 0, int width = 96) {
    StripPixels s;
    s.width = width;
    s.height = 16;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < width; ++x) {
            s.pixels.push_back(tag + static_cast<std::uint32_t>((x / 16) * 2 + y / 8 + 1));
        }
    }
    return s;
}

} // namespace trumbel::test
