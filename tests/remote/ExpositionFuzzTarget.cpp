// Fuzz target: any bytes as a reply, read as lines, as node metrics and as a host's values over
// two replies. Nothing may crash or read out of bounds; a sample handed out must be whole (a
// valid name, labels that read back), and the values must stay within their kinds' bounds.
#include "measure/SystemInfo.h"
#include "remote/Exposition.h"
#include "remote/NodeMetrics.h"
#include "remote/RemoteHost.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool IsMetricName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) {
        return false;
    }
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == ':';
        if (!ok) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trumbel;
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    ExpositionReader reader(body);
    ExpositionSample sample;
    std::string scratch;
    std::string unescaped;
    while (reader.Next(sample)) {
        if (!IsMetricName(sample.name) || sample.labels.find('\n') != std::string_view::npos) {
            std::abort();
        }
        for (const char* label : {"cpu", "device", "b"}) {
            const auto raw = sample.RawLabel(label);
            if (raw && !UnescapeLabelValue(*raw, unescaped)) {
                std::abort();
            }
            if (raw && sample.Label(label, scratch) != std::string_view(unescaped)) {
                std::abort();
            }
        }
    }

    Settings settings;
    RemoteHostValues host(settings);
    host.Accept(body, 1000);
    host.RefreshParam(0);
    host.Accept(body.substr(0, body.size() / 2), 3000);
    host.RefreshParam(0);
    host.Accept(body, 5000);
    for (int d = 0; d < host.DeviceCount(kParamCpu); ++d) {
        const float used = host.GetValue(kParamCpu, d, ShowParam::Used);
        if (!(used >= 0.0f && used <= 100.0f)) {
            std::abort();
        }
    }
    for (const int p : {kParamNetReceive, kParamNetSend, kParamDiskRead, kParamDiskWrite}) {
        for (int d = 0; d < host.DeviceCount(p); ++d) {
            if (!(host.GetValue(p, d, ShowParam::Used) >= 0.0f)) {
                std::abort(); // a rate is never negative, nor NaN
            }
        }
    }
    FormatValues(host);
    return 0;
}
