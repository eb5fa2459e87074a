#include "core/CommandLine.h"

#include "base/AppInfo.h"
#include "base/UiText.h"

#include <charconv>

namespace trumbel {

const char* const kCommandLineHelp =
    "usage: trumbel [/nosubclass] [/checksubclass] [/noballoon]\n"
    "       trumbel --snapshot FILE.png [--ticks N]\n"
    "       trumbel --print-values [--ticks N]\n"
    "       trumbel --print-values --host NAME|ADDRESS [--instance INSTANCE]\n"
    "\n"
    "  --snapshot FILE.png  render the window after N refresh ticks (default 3) and write it\n"
    "  --print-values       measure N passes 500 ms apart (default 2) and print every value\n"
    "  --host NAME|ADDRESS  print another machine's values instead, read from a Prometheus node\n"
    "                       exporter: a host of the settings by name, or an address such as\n"
    "                       http://server:9100/metrics; ends with status 1 when it cannot be\n"
    "                       read within 5 seconds\n"
    "  --instance INSTANCE  ADDRESS is a Prometheus server, read through its /federate for the\n"
    "                       exporter it scrapes as INSTANCE (such as server:9100)\n";

CommandLine ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--snapshot") {
            if (i + 1 >= args.size()) {
                error = "--snapshot needs a file name";
                return result;
            }
            result.mode = RunMode::Snapshot;
            result.snapshotPath = args[++i];
        } else if (a == "--print-values") {
            result.mode = RunMode::PrintValues;
        } else if (a == "--help") {
            result.mode = RunMode::Help;
            return result;
        } else if (a == "--host" || a == "--instance") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = a + " needs a value";
                return result;
            }
            (a == "--host" ? result.host : result.instance) = args[++i];
        } else if (a == "--ticks") {
            int n = 0;
            const std::string& v = i + 1 < args.size() ? args[i + 1] : std::string();
            auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
            if (ec != std::errc() || p != v.data() + v.size() || n < 1) {
                error = "--ticks needs a positive number";
                return result;
            }
            result.ticks = n;
            ++i;
        } else {
            result.words.push_back(a);
        }
    }
    if (!result.instance.empty() && result.host.empty()) {
        error = "--instance needs --host with the Prometheus server's address";
    } else if (!result.host.empty() && result.mode != RunMode::PrintValues) {
        error = "--host goes with --print-values";
    }
    return result;
}

CommandLineFlags ReadCommandLine(const std::vector<std::string>& words, Ui& ui) {
    CommandLineFlags flags;
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line += (i ? " " : "") + words[i];
    }
    const std::string title = UiFormat(UiTr("Core", "%1 - 起動オプション"), {kProductName});
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos) {
            end = line.size();
        }
        const std::string piece = line.substr(start, end - start);
        if (piece == "/nosubclass") {
            ui.MessageBox({title, UiTr("Core", "サブクラス不許可モードが指定されました｡"),
                           MsgIcon::Information, MsgButtons::Ok});
            flags.subclassAllowed = false;
        } else if (piece == "/checksubclass") {
            if (ui.MessageBox({title, UiTr("Core", "サブクラス化を許可しますか｡"),
                               MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
                flags.subclassAllowed = false;
            }
        } else if (piece == "/noballoon") {
            flags.noBalloon = true;
        }
        start = end + 1;
    }
    return flags;
}

} // namespace trumbel
