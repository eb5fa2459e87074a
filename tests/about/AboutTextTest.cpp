#include "about/AboutText.h"

#include <gtest/gtest.h>
#include <map>

namespace trumbel {
namespace {

TEST(AboutText, CaptionAndVersion) {
    EXPECT_EQ(AboutCaption(), "バージョン情報 - Velquor");
    struct Case {
        int major, minor, revision;
        const char* text;
    };
    for (const Case& c : {Case{1, 32, 83, "バージョン 1.32  (Revision : 0083)"},
                          Case{1, 5, 7, "バージョン 1.05  (Revision : 0007)"},
                          Case{2, 150, 12345, "バージョン 3.50  (Revision : 12345)"}}) {
        EXPECT_EQ(AboutVersionText(c.major, c.minor, c.revision), c.text);
    }
}

TEST(AboutText, DescriptionLinesKeepTheirLeadingBlanks) {
    EXPECT_TRUE(kAboutDescription[0].starts_with("\u3000このソフトは、"));
    EXPECT_TRUE(kAboutDescription[0].ends_with("表示を行うものです｡"));
    EXPECT_TRUE(kAboutDescription[1].starts_with("  なお､"));
    EXPECT_NE(kAboutDescription[0].find("ユーザーリソース残量計測"), std::string_view::npos);
}

TEST(AboutText, MailLinkEncodesTheSubjectBytes) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c :
         {Case{"Velquor", "Velquor"}, Case{"a b&c=d?", "a%20b%26c%3Dd%3F"}, Case{"~._-", "~._-"},
          Case{"に", "%E3%81%AB"}, Case{"\x7f\x01", "%7F%01"}}) {
        EXPECT_EQ(PercentEncode(c.in), c.out) << c.in;
    }
    EXPECT_EQ(MailLink("me@example.org"),
              "mailto:me@example.org?Subject=Velquor%E3%81%AB%E3%81%A4%E3%81%84%E3%81%A6%E3%81%AE"
              "%E5%A0%B1%E5%91%8A%E3%81%8A%E3%82%88%E3%81%B3%E8%B3%AA%E5%95%8F");
}

TEST(AboutText, TheFirstViewerFoundIsStartedByItsPath) {
    struct Case {
        std::map<std::string, std::string> installed;
        const char* program; // "" for none
    };
    for (const Case& c : {
             Case{{}, ""},
             Case{{{"gnome-system-monitor", "/usr/bin/gnome-system-monitor"}},
                  "/usr/bin/gnome-system-monitor"},
             Case{{{"gnome-system-monitor", "/usr/bin/gnome-system-monitor"},
                   {"hardinfo", "/opt/bin/hardinfo"}},
                  "/opt/bin/hardinfo"},
             Case{{{"kinfocenter", "/usr/bin/kinfocenter"}, {"lshw-gtk", "/usr/bin/lshw-gtk"}},
                  "/usr/bin/kinfocenter"},
         }) {
        const auto found =
            FindSystemInfoTool([&](const std::string& name) -> std::optional<std::string> {
                const auto it = c.installed.find(name);
                return it == c.installed.end() ? std::nullopt : std::optional(it->second);
            });
        if (*c.program) {
            ASSERT_TRUE(found);
            EXPECT_EQ(found->program, c.program);
        } else {
            EXPECT_FALSE(found);
        }
    }
}

} // namespace
} // namespace trumbel
