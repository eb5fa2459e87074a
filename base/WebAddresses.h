#pragma once

#include <string_view>

namespace trumbel {

// Every web address the program opens, in one place.
struct WebAddresses {
    std::string_view support;
    std::string_view onlineHelp;
    std::string_view searchHome; // the built-in web-search function
    std::string_view homePage;   // the maker's, in the about box
    std::string_view mail;       // the maker's mail address, in the about box
};

inline constexpr WebAddresses kWebAddresses{
    "https://velquor.example.org/support/",
    "https://velquor.example.org/help/",
    "https://www.google.com/",
    "https://velquor.example.org/",
    "support@velquor.example.org",
};

} // namespace trumbel
