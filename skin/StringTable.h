#pragma once

#include <map>
#include <string>
#include <string_view>

namespace trumbel {

// The program's string table: numbered strings, a missing one reads as "".
// Text form: one "<id><TAB><string>" per line; lines starting with "#" and blank lines are
// comments.
class StringTable {
public:
    static StringTable Parse(std::string_view text);

    std::string Get(int id) const;
    bool Has(int id) const { return strings_.count(id) != 0; }
    void Set(int id, std::string value) { strings_[id] = std::move(value); }

private:
    std::map<int, std::string> strings_;
};

} // namespace trumbel
