#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trumbel {

// What a "# TYPE" line declared for a metric family.
enum class MetricType { Untyped, Counter, Gauge, Histogram, Summary };

// One sample line of a reply in the text exposition format (version 0.0.4). Every view points
// into the body being read: nothing is copied.
struct ExpositionSample {
    std::string_view name;
    // The text between the braces, checked: name="value" pairs, values still escaped.
    std::string_view labels;
    double value = 0.0;
    std::optional<std::int64_t> timestampMs;
    // The family's declared type where a "# TYPE" line named it (a histogram's or summary's
    // _bucket, _sum and _count lines belong to it).
    MetricType type = MetricType::Untyped;

    // The escaped value of a label; nullopt when the sample has no such label.
    std::optional<std::string_view> RawLabel(std::string_view label) const;
    // The value with its escapes undone: a view into the body when it holds none, else into
    // scratch, which the caller keeps across samples so that a steady read allocates nothing.
    std::optional<std::string_view> Label(std::string_view label, std::string& scratch) const;
};

// Reads the sample lines of a reply one by one. Comments, "# HELP" and "# TYPE" lines and blank
// lines are passed over; a line that breaks the format (a bad name, an unclosed or badly
// escaped label value, a repeated label, a value that is no number, anything after the
// timestamp) is skipped and counted, never handed out in part. Lines may end in "\r\n".
class ExpositionReader {
public:
    explicit ExpositionReader(std::string_view body) : rest_(body) {}

    // The next sample; false at the end of the body.
    bool Next(ExpositionSample& sample);
    int MalformedLines() const { return malformed_; }

    // More labels than this on one line count as malformed (the repeat check compares pairs).
    static constexpr int kMaxLabels = 64;

private:
    bool ReadComment(std::string_view line);

    std::string_view rest_;
    std::string_view typedFamily_;
    MetricType familyType_ = MetricType::Untyped;
    int malformed_ = 0;
};

// A label value with its escapes (\\, \", \n) undone into out; false for another escape or a
// backslash at the end.
bool UnescapeLabelValue(std::string_view raw, std::string& out);

} // namespace trumbel
