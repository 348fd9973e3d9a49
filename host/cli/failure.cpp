// Failure reasons from the stand-in's journal and captured log.
#include "failure.h"

#include <string>

#include "sim/control.h"

namespace host {
namespace {

// The integer operations' own entry and exit lines frame every request;
// the reason is in the line before the exit.
const char *const kFrameLines[] = {
    "Picture Menu get_int key:",
    "Picture Menu set_int key:",
    "Picture Menu set_int_pre key:",
    " size: ",
    "PIcture Menu get key:",
    "Picture Menu set key:",
    "ret = [",
};

bool frame_line(const std::string &message)
{
    for (const char *prefix : kFrameLines)
        if (message.rfind(prefix, 0) == 0)
            return true;
    return false;
}

}  // namespace

Mark mark()
{
    return {sim::journal().size(), sim::log().size()};
}

Node failure_reason(const Mark &since)
{
    Node call, result, line;
    const std::vector<std::string> &journal = sim::journal();
    std::map<std::string, sim::Answer> forced = sim::forced();
    for (std::size_t i = journal.size(); i-- > since.calls;) {
        auto it = forced.find(journal[i].substr(0, journal[i].find('(')));
        if (it != forced.end()) {
            call = journal[i];
            result = it->second.result;
            break;
        }
    }
    const std::vector<sim::LogLine> &log = sim::log();
    for (std::size_t i = log.size(); i-- > since.lines;)
        if (!frame_line(log[i].message)) {
            line = log[i].message;
            break;
        }
    return Object{{"call", call}, {"result", result}, {"log", line}};
}

}  // namespace host
