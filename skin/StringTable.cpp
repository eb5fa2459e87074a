#include "skin/StringTable.h"

#include "skin/TextDecode.h"

#include <charconv>

namespace trumbel {

StringTable StringTable::Parse(std::string_view text) {
    StringTable table;
    for (const std::string& line : SplitLines(text)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        int id = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + tab, id);
        if (ec != std::errc() || end != line.data() + tab) {
            continue;
        }
        table.strings_[id] = line.substr(tab + 1);
    }
    return table;
}

std::string StringTable::Get(int id) const {
    const auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

} // namespace trumbel
