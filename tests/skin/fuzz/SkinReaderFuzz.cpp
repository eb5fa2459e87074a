// libFuzzer target: any bytes as a skin file (and as an image). Nothing may crash, hang or
// read out of bounds; a file that does not parse fails with a runtime error only.
#include "base/RuntimeError.h"
#include "gfx/ImageDecode.h"
#include "skin/Layout.h"
#include "skin/SkinReader.h"
#include "skin/TextDecode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trumbel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const SkinData skin = ParseSkinText(DecodeFileText(bytes), "/fuzz/");
        Settings settings;
        settings.containerCount = 10;
        settings.clockContainer[3] = 1;
        ComputeLayout(skin, settings, {});
        for (std::size_t row = 0; row < skin.graphRecords.size(); ++row) {
            skin.Graph(static_cast<int>(row), GraphType::History);
        }
    } catch (const RuntimeError&) {
    }
    DecodeImage(std::span<const std::uint8_t>(data, size));
    return 0;
}
