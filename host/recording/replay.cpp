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
#include "recording_reader.h"
#include "words.h"

namespace host {
namespace {

using recording::RecordedCall;
using recording::RecordedRequest;
using recording::Recording;
using recording::Token;
using recording::tokens_text;

// A recording that cannot be read is bad input, exit 2.
Recording read(const std::string &file)
{
    try {
        return recording::read_recording(file);
    } catch (const recording::BadRecording &e) {
        throw BadInput(e.what());
    }
}

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

// A request's value as the slot takes it.
template <typename Value> Value value_of(const Token &t);
template <> int value_of<int>(const Token &t)
{
    return std::stoi(t.text);
}
template <> bool value_of<bool>(const Token &t)
{
    return t.text != "0";
}
template <> double value_of<double>(const Token &t)
{
    return std::stod(t.text);
}

// ---- one request through its slot, by the slot's signature; each returns
// the answer in the recording's notation ----

template <typename Value>
std::string issue(int (*set)(const char *, Value), const RecordedRequest &q, Handles &)
{
    return std::to_string(set(key(q.args[0]), value_of<Value>(q.args[1])));
}

std::string issue(provider_set_string_fn set, const RecordedRequest &q, Handles &)
{
    return std::to_string(set(key(q.args[0]), key(q.args[1])));
}

template <typename Value>
std::string issue(int (*get)(const char *, Value *), const RecordedRequest &q, Handles &)
{
    Value value = value_of<Value>(q.args[1]);
    int status = get(key(q.args[0]), &value);
    return std::to_string(status) + " " + recording::value_text(value);
}

std::string issue(provider_get_string_fn get, const RecordedRequest &q, Handles &h)
{
    char *text = nullptr;
    int status = get(key(q.args[0]), &text);
    if (text)
        h.handed_out[q.number] = text;
    return status_and_text(status, text);
}

std::string issue(provider_release_string_fn release, const RecordedRequest &q, Handles &h)
{
    const Token &t = q.args[0];
    void *text = handle(h, t);
    h.handed_out.erase(t.text[0] == '#' ? number_after_hash(t.text) : 0);
    return std::to_string(release(static_cast<char *>(text)));
}

std::string issue(provider_get_list_items_fn get, const RecordedRequest &q, Handles &h)
{
    int count = std::stoi(q.args[1].text);
    void **items = get(key(q.args[0]), &count);
    if (items) {
        h.handed_out[q.number] = items;
        h.counts[q.number] = count;
    }
    return (items ? "#" + std::to_string(q.number) : std::string("null")) + " " +
           std::to_string(count);
}

std::string issue(provider_get_item_string_fn get, const RecordedRequest &q, Handles &h)
{
    char *text = nullptr;
    int status = get(item(h, q.args[0]), &text);
    return status_and_text(status, text);
}

std::string issue(provider_get_item_int_fn get, const RecordedRequest &q, Handles &h)
{
    int value = std::stoi(q.args[1].text);
    int status = get(item(h, q.args[0]), &value);
    return std::to_string(status) + " " + std::to_string(value);
}

std::string issue(provider_free_list_items_fn free_items, const RecordedRequest &q, Handles &h)
{
    auto **items = static_cast<void **>(handle(h, q.args[0]));
    if (items)
        h.handed_out.erase(number_after_hash(q.args[0].text));
    return std::to_string(free_items(items, std::stoi(q.args[1].text)));
}

std::string issue(provider_send_keyevent_fn send, const RecordedRequest &q, Handles &)
{
    send(key(q.args[0]));
    return "";
}

using Issue = std::string (*)(const ProviderHost &p, const RecordedRequest &q, Handles &h);

template <typename Signature, provider_slot Slot>
std::string issue_at(const ProviderHost &p, const RecordedRequest &q, Handles &h)
{
    return issue(reinterpret_cast<Signature>(p.table()[Slot]), q, h);
}

#define REPLAYED_SLOT(name, NAME, slot, signature)                                                 \
    {PROVIDER_SLOT_##NAME, issue_at<signature, PROVIDER_SLOT_##NAME>},
const std::pair<int, Issue> kIssues[] = {PROVIDER_OPERATIONS(REPLAYED_SLOT)};
#undef REPLAYED_SLOT

// Issues one request through its slot.
std::string issue(const ProviderHost &p, const RecordedRequest &q, Handles &h)
{
    const int s = q.operation->slot;
    if (!p.table()[s])
        return "(empty slot)";
    for (const auto &[slot, issue_request] : kIssues)
        if (slot == s)
            return issue_request(p, q, h);
    return "(unknown slot)";
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
    const Recording rec = read(options.file);
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
