// Replay: each recorded request is issued through the operation table while
// the stand-in answers the platform calls from the recording; the provider's
// answer and its calls are then compared with what was recorded.
#include "replay.h"

#include <libintl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "output.h"
#include "provider_host.h"
#include "recording.h"
#include "words.h"

namespace host {
namespace {

// Strings and lists handed out during the replay, by recorded request number.
struct Handles {
    std::map<int, void *> handed_out;
    std::map<int, int> counts;
};

int number_after_hash(const std::string &token)
{
    return std::atoi(token.c_str() + 1);
}

void *handle(const Handles &h, const Token &t)
{
    if (t.text.empty() || t.text[0] != '#')
        return nullptr;
    auto it = h.handed_out.find(number_after_hash(t.text));
    return it == h.handed_out.end() ? nullptr : it->second;
}

void *item(const Handles &h, const Token &t)
{
    auto **items = static_cast<void **>(handle(h, t));
    std::size_t open = t.text.find('[');
    if (!items || open == std::string::npos)
        return nullptr;
    int index = std::atoi(t.text.c_str() + open + 1);
    auto counted = h.counts.find(number_after_hash(t.text));
    int count = counted == h.counts.end() ? 0 : counted->second;  // a string is no list
    return index >= 0 && index < count ? items[index] : nullptr;
}

const char *key(const Token &t)
{
    return t.quoted ? t.text.c_str() : nullptr;
}

std::string status_and_text(int status, const char *text)
{
    return std::to_string(status) + " " + recording::quote(text);
}

template <typename F> F slot(const ProviderHost &p, int slot)
{
    return reinterpret_cast<F>(p.table()[slot]);
}

// Issues one request through its slot; returns the answer in the recording's
// notation.
std::string issue(const ProviderHost &p, const RecordedRequest &q, Handles &h)
{
    const std::vector<Token> &a = q.args;
    const int s = q.operation->slot;
    if (!p.table()[s])
        return "(empty slot)";
    switch (s) {
    case PROVIDER_SLOT_SET_INT:
    case PROVIDER_SLOT_SET_INT_PRE:
        return std::to_string(slot<provider_set_int_fn>(p, s)(key(a[0]), std::stoi(a[1].text)));
    case PROVIDER_SLOT_SET_BOOL:
        return std::to_string(slot<provider_set_bool_fn>(p, s)(key(a[0]), a[1].text != "0"));
    case PROVIDER_SLOT_SET_DOUBLE:
        return std::to_string(slot<provider_set_double_fn>(p, s)(key(a[0]), std::stod(a[1].text)));
    case PROVIDER_SLOT_SET_STRING:
        return std::to_string(slot<provider_set_string_fn>(p, s)(key(a[0]), key(a[1])));
    case PROVIDER_SLOT_GET_INT:
    case PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE: {
        int value = std::stoi(a.back().text);
        int status = s == PROVIDER_SLOT_GET_INT
                         ? slot<provider_get_int_fn>(p, s)(key(a[0]), &value)
                         : slot<provider_get_item_int_fn>(p, s)(item(h, a[0]), &value);
        return std::to_string(status) + " " + std::to_string(value);
    }
    case PROVIDER_SLOT_GET_BOOL: {
        bool value = a[1].text != "0";
        int status = slot<provider_get_bool_fn>(p, s)(key(a[0]), &value);
        return std::to_string(status) + (value ? " 1" : " 0");
    }
    case PROVIDER_SLOT_GET_DOUBLE: {
        double value = std::stod(a[1].text);
        int status = slot<provider_get_double_fn>(p, s)(key(a[0]), &value);
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", value);
        return std::to_string(status) + " " + text;
    }
    case PROVIDER_SLOT_GET_STRING:
    case PROVIDER_SLOT_GET_DISPLAY_NAME:
    case PROVIDER_SLOT_GET_HELP_TEXT:
    case PROVIDER_SLOT_GET_MODULE_INFO: {
        char *text = nullptr;
        int status = slot<provider_get_string_fn>(p, s)(key(a[0]), &text);
        if (text)
            h.handed_out[q.number] = text;
        return status_and_text(status, text);
    }
    case PROVIDER_SLOT_RELEASE_STRING: {
        void *text = handle(h, a[0]);
        h.handed_out.erase(a[0].text[0] == '#' ? number_after_hash(a[0].text) : 0);
        return std::to_string(slot<provider_release_string_fn>(p, s)(static_cast<char *>(text)));
    }
    case PROVIDER_SLOT_GET_LIST_ITEMS: {
        int count = std::stoi(a[1].text);
        void **items = slot<provider_get_list_items_fn>(p, s)(key(a[0]), &count);
        if (items) {
            h.handed_out[q.number] = items;
            h.counts[q.number] = count;
        }
        return (items ? "#" + std::to_string(q.number) : std::string("null")) + " " +
               std::to_string(count);
    }
    case PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE:
    case PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE: {
        char *text = nullptr;
        int status = slot<provider_get_item_string_fn>(p, s)(item(h, a[0]), &text);
        return status_and_text(status, text);
    }
    case PROVIDER_SLOT_FREE_LIST_ITEMS: {
        auto **items = static_cast<void **>(handle(h, a[0]));
        if (items)
            h.handed_out.erase(number_after_hash(a[0].text));
        return std::to_string(slot<provider_free_list_items_fn>(p, s)(items, std::stoi(a[1].text)));
    }
    case PROVIDER_SLOT_SEND_KEYEVENT: slot<provider_send_keyevent_fn>(p, s)(key(a[0])); return "";
    default: return "(unknown slot)";
    }
}

struct Report {
    const Recording &rec;
    const ReplayOptions &options;
    int divergences = 0;
    int calls = 0;

    // Prints one divergence with its request and the request's log lines.
    void divergence(const RecordedRequest &q, int line, const std::string &what)
    {
        divergences++;
        std::fflush(stdout);
        std::fprintf(stderr, "%s:%d: request %d: %s %s\n%s", rec.file.c_str(), line, q.number,
                     q.operation->name, tokens_text(q.args).c_str(), what.c_str());
        for (const sim::LogLine &l : sim::log())
            std::fprintf(stderr, "  log: %s%s", l.raw.c_str(), l.well_formed ? "" : "\n");
    }
};

// The longest common subsequence of the recorded and the actual calls, so
// that a skipped, extra or changed call shows where it happens.
void compare_calls(Report &report, const RecordedRequest &q, const std::vector<std::string> &actual)
{
    const std::vector<RecordedCall> &expected = q.calls;
    std::size_t n = expected.size(), m = actual.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = expected[i].call.call == actual[j]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i].call.call == actual[j]) {
            i++, j++;
            continue;
        }
        bool skip_expected = i < n && (j == m || common[i + 1][j] >= common[i][j + 1]);
        bool skip_actual = j < m && (i == n || common[i][j + 1] >= common[i + 1][j]);
        int line = i < n ? expected[i].line : q.answer_line;
        if (skip_expected && skip_actual) {
            report.divergence(q, line,
                              "  expected call: " + expected[i].call.call +
                                  "\n  actual call:   " + actual[j] + "\n");
            i++, j++;
        } else if (skip_expected) {
            report.divergence(q, line,
                              "  expected call: " + expected[i].call.call +
                                  "\n  actual call:   (none)\n");
            i++;
        } else {
            report.divergence(q, line,
                              "  expected call: (none)\n  actual call:   " + actual[j] + "\n");
            j++;
        }
        if (!report.options.keep_going)
            return;
    }
}

void trace_calls()
{
    for (const std::string &call : sim::journal())
        std::fprintf(stderr, "call: %s\n", call.c_str());
}

std::vector<sim::ReplayCall> answers(const RecordedRequest &q)
{
    std::vector<sim::ReplayCall> calls;
    for (const RecordedCall &c : q.calls)
        calls.push_back(c.call);
    return calls;
}

// Creates the provider; like picture-menu, binds the text domain to the
// desktop's catalogue afterwards.
void create(std::optional<ProviderHost> &provider, const ReplayOptions &options)
{
    provider.reset();
    provider.emplace(options.provider);
    bindtextdomain(kTextDomain, options.locale.c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
}

}  // namespace

ReplayOptions parse_replay(const std::vector<std::string> &args, ReplayOptions options)
{
    options.file.clear();
    for (std::size_t i = 0; i < args.size(); i++) {
        if (args[i] == "--continue")
            options.keep_going = true;
        else if (args[i] == "--provider" && i + 1 < args.size())
            options.provider = args[++i];
        else if (args[i][0] == '-' || !options.file.empty())
            throw BadInput("replay: expected replay FILE [--provider PATH] [--continue]");
        else
            options.file = args[i];
    }
    if (options.file.empty())
        throw BadInput("replay: expected replay FILE [--provider PATH] [--continue]");
    return options;
}

int replay(const ReplayOptions &options)
{
    const Recording rec = read_recording(options.file);
    Report report{rec, options};
    std::optional<ProviderHost> provider;
    Handles handles;
    for (const RecordedRequest &q : rec.requests) {
        sim::replay(answers(q));
        sim::clear_journal();
        sim::clear_log();
        std::string answer;
        if (q.operation->slot < 0 && std::string(q.operation->name) == "create_provider") {
            create(provider, options);
            answer = "0";
        } else if (q.operation->slot < 0) {
            provider.reset();
            answer = "0";
        } else {
            if (!provider) {
                sim::end_replay();  // a recording that starts after the creation
                create(provider, options);
                sim::replay(answers(q));
                sim::clear_journal();
                sim::clear_log();
            }
            answer = issue(*provider, q, handles);
        }
        if (options.trace)
            trace_calls();
        compare_calls(report, q, sim::journal());
        report.calls += static_cast<int>(q.calls.size());
        if ((options.keep_going || report.divergences == 0) && answer != tokens_text(q.answer))
            report.divergence(q, q.answer_line,
                              "  expected answer: " + tokens_text(q.answer) +
                                  "\n  actual answer:   " + answer + "\n");
        if (report.divergences > 0 && !options.keep_going)
            break;
    }
    sim::end_replay();
    provider.reset();
    std::fflush(stdout);
    int status = report.divergences > 0 ? 1 : 0;
    if (options.json) {
        Node outcome(Object{{"command", "replay"},
                            {"file", rec.file},
                            {"requests", static_cast<long long>(rec.requests.size())},
                            {"calls", report.calls},
                            {"divergences", report.divergences},
                            {"status", status}});
        std::printf("%s\n", to_json(outcome).c_str());
    } else if (status == 0) {
        std::printf("%s: %zu requests and %d platform calls match\n", rec.file.c_str(),
                    rec.requests.size(), report.calls);
    }
    if (status != 0)
        std::fprintf(stderr, "%s: %d divergence%s\n", rec.file.c_str(), report.divergences,
                     report.divergences == 1 ? "" : "s");
    return status;
}

}  // namespace host
