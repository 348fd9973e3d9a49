// Replay: each recorded request is issued through the operation table while
// the stand-in answers the platform calls from the recording; the provider's
// answer and its calls are then compared with what was recorded.
#include "replay.h"

#include <dlfcn.h>
#include <libintl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "build_id.h"
#include "output.h"
#include "provider_host.h"
#include "recording_reader.h"
#include "sequence_diff.h"
#include "words.h"

namespace host {
namespace {

using recording::RecordedCall;
using recording::RecordedRequest;
using recording::RecordingReader;
using recording::Token;
using recording::tokens_text;

// A recording that cannot be read is bad input, exit 2.
template <typename Read> auto reading(Read read)
{
    try {
        return read();
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
    const std::string &file;
    const ReplayOptions &options;
    int divergences = 0;
    int calls = 0;

    // Prints one divergence with its request and the request's log lines.
    void divergence(const RecordedRequest &q, int line, const std::string &what)
    {
        divergences++;
        std::fflush(stdout);
        std::fprintf(stderr, "%s:%d: request %d: %s %s\n%s", file.c_str(), line, q.number,
                     q.operation->name, tokens_text(q.args).c_str(), what.c_str());
        for (const sim::LogLine &l : sim::log())
            std::fprintf(stderr, "  log: %s%s", l.raw.c_str(), l.well_formed ? "" : "\n");
    }
};

// What was recorded of one kind (calls, log lines), each with its line.
struct Expected {
    int line;
    std::string text;
};

// Compares what was recorded with what happened, entry by entry along an
// alignment; within a run of differing entries, an expected and an actual
// one side by side are one changed entry.
void compare(Report &report, const RecordedRequest &q, const char *kind,
             const std::vector<Expected> &expected, const std::vector<std::string> &actual)
{
    std::vector<std::string_view> a, b;
    for (const Expected &e : expected)
        a.push_back(e.text);
    b.assign(actual.begin(), actual.end());
    std::vector<Step> steps = align(a, b);
    auto shown = [](bool has, const std::string &text) { return has ? text : "(none)"; };
    std::size_t i = 0, j = 0;
    for (std::size_t s = 0; s < steps.size();) {
        if (steps[s] == Step::Same) {
            i++, j++, s++;
            continue;
        }
        std::size_t run = s, drops = 0, adds = 0;
        for (; run < steps.size() && steps[run] != Step::Same; run++)
            (steps[run] == Step::Expected ? drops : adds)++;
        for (s = run; drops > 0 || adds > 0;) {
            bool skip_expected = drops > 0, skip_actual = adds > 0;
            int line = i < expected.size() ? expected[i].line : q.answer_line;
            report.divergence(q, line,
                              "  expected " + std::string(kind) + ": " +
                                  shown(skip_expected, skip_expected ? expected[i].text : "") +
                                  "\n  actual " + kind + ":   " +
                                  shown(skip_actual, skip_actual ? actual[j] : "") + "\n");
            if (skip_expected)
                i++, drops--;
            if (skip_actual)
                j++, adds--;
            if (!report.options.keep_going)
                return;
        }
    }
}

void compare_calls(Report &report, const RecordedRequest &q)
{
    std::vector<Expected> expected;
    for (const RecordedCall &c : q.calls)
        expected.push_back({c.line, c.call.call});
    compare(report, q, "call", expected, sim::journal());
}

std::string log_text(int priority, const std::string &tag, const std::string &text)
{
    return std::to_string(priority) + " " + recording::quote(tag) + " " +
           recording::quote(recording::log_message(text));
}

// Log lines by priority, tag and text; the prefix that moves with every
// edit of the provider is left out.
void compare_log(Report &report, const RecordedRequest &q)
{
    std::vector<Expected> expected;
    for (const recording::RecordedLog &l : q.log)
        expected.push_back({l.line, log_text(l.priority, l.tag, l.text)});
    std::vector<std::string> actual;
    for (const sim::LogLine &l : sim::log())
        actual.push_back(log_text(l.priority, l.tag, l.raw));
    compare(report, q, "log", expected, actual);
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

// Gives back what the recording's host still held where it stops (cut in
// the middle, or ended before releasing), as a host would before leaving.
void release_held(const ProviderHost &p, Handles &h)
{
    auto release =
        reinterpret_cast<provider_release_string_fn>(p.table()[PROVIDER_SLOT_RELEASE_STRING]);
    auto free_items =
        reinterpret_cast<provider_free_list_items_fn>(p.table()[PROVIDER_SLOT_FREE_LIST_ITEMS]);
    for (const auto &[number, held] : h.handed_out) {
        auto list = h.counts.find(number);
        if (list != h.counts.end() && free_items)
            free_items(static_cast<void **>(held), list->second);
        else if (list == h.counts.end() && release)
            release(static_cast<char *>(held));
    }
    h.handed_out.clear();
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

// The build ids of the recorded provider and of the loaded one, side by
// side with --trace, and a warning when they differ.
void compare_builds(const ReplayOptions &options, const std::string &recorded_provider)
{
    std::size_t at = recorded_provider.rfind(" build ");
    std::string recorded = at == std::string::npos ? "unknown" : recorded_provider.substr(at + 7);
    void *handle = dlopen(options.provider.c_str(), RTLD_NOW | RTLD_NOLOAD);
    std::string loaded = handle ? recorder::build_id(handle) : "unknown";
    if (handle)
        dlclose(handle);
    if (options.trace)
        std::fprintf(stderr, "provider build: %s recorded, %s loaded\n", recorded.c_str(),
                     loaded.c_str());
    if (recorded != loaded)
        std::fprintf(stderr,
                     "%s: warning: recorded with another build of the provider "
                     "(--trace shows both)\n",
                     options.file.c_str());
}

}  // namespace

ReplayOptions parse_replay(const std::vector<std::string> &args, ReplayOptions options)
{
    const char *usage =
        "replay: expected replay FILE [--provider PATH] [--continue] [--ignore-log]";
    options.file.clear();
    for (std::size_t i = 0; i < args.size(); i++) {
        if (args[i] == "--continue")
            options.keep_going = true;
        else if (args[i] == "--ignore-log")
            options.ignore_log = true;
        else if (args[i] == "--provider" && i + 1 < args.size())
            options.provider = args[++i];
        else if (args[i][0] == '-' || !options.file.empty())
            throw BadInput(usage);
        else
            options.file = args[i];
    }
    if (options.file.empty())
        throw BadInput(usage);
    return options;
}

namespace {

struct Replay {
    const ReplayOptions &options;
    Report report;
    bool logs;  // the recording has the log lines to compare
    const std::string &recorded_provider;
    bool builds_compared = false;
    std::optional<ProviderHost> provider;
    Handles handles;
    int requests = 0;

    // Issues one request with the platform answering as recorded; compares.
    void run(const RecordedRequest &q)
    {
        requests++;
        sim::replay(answers(q));
        sim::clear_journal();
        sim::clear_log();
        std::string answer = "0";
        if (q.operation->slot < 0 && std::string(q.operation->name) == "create_provider") {
            create(provider, options);
        } else if (q.operation->slot < 0) {
            provider.reset();
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
        if (provider && !builds_compared) {
            builds_compared = true;
            compare_builds(options, recorded_provider);
        }
        if (options.trace)
            trace_calls();
        compare_calls(report, q);
        report.calls += static_cast<int>(q.calls.size());
        bool going = options.keep_going || report.divergences == 0;
        if (going && logs)
            compare_log(report, q);
        going = options.keep_going || report.divergences == 0;
        if (going && answer != tokens_text(q.answer))
            report.divergence(q, q.answer_line,
                              "  expected answer: " + tokens_text(q.answer) +
                                  "\n  actual answer:   " + answer + "\n");
    }

    // The outcome: 0 a match, 1 a divergence, kUnfinished a match of every
    // complete request of a recording that stops in the middle of one.
    int finish(const RecordingReader &reader, bool at_end)
    {
        std::fflush(stdout);
        const std::string &file = options.file;
        int status = report.divergences > 0 ? 1 : reader.cut().empty() ? 0 : kUnfinished;
        if (!at_end)
            status = 1;
        if (options.json) {
            Node outcome(Object{{"command", "replay"},
                                {"file", file},
                                {"requests", static_cast<long long>(requests)},
                                {"calls", report.calls},
                                {"divergences", report.divergences},
                                {"status", status}});
            std::printf("%s\n", to_json(outcome).c_str());
        } else if (report.divergences == 0) {
            std::printf("%s: %d requests and %d platform calls match\n", file.c_str(), requests,
                        report.calls);
        }
        std::fflush(stdout);
        if (report.divergences > 0)
            std::fprintf(stderr, "%s: %d divergence%s\n", file.c_str(), report.divergences,
                         report.divergences == 1 ? "" : "s");
        if (!at_end)
            return status;
        if (!reader.cut().empty())
            std::fprintf(stderr, "%s:%d: %s: the recording stops there\n", file.c_str(),
                         reader.cut_line(), reader.cut().c_str());
        else if (reader.end().empty())
            std::fprintf(stderr, "%s: no end line: the host did not end the recording\n",
                         file.c_str());
        return status;
    }
};

}  // namespace

int replay(const ReplayOptions &options)
{
    // Read through once first: a recording with a bad line is refused before
    // any request runs.
    reading([&] {
        RecordingReader check(options.file);
        for (RecordedRequest q; check.next(q);) {
        }
        return 0;
    });
    RecordingReader reader = reading([&] { return RecordingReader(options.file); });
    bool logs = reader.header().logs && !options.ignore_log;
    Replay r{options, {options.file, options}, logs, reader.header().provider, false, {}, {}, 0};
    bool at_end = false;
    for (RecordedRequest q; !at_end;) {
        at_end = !reading([&] { return reader.next(q); });
        if (!at_end)
            r.run(q);
        if (r.report.divergences > 0 && !options.keep_going)
            break;
    }
    sim::end_replay();
    if (r.provider)
        release_held(*r.provider, r.handles);
    r.provider.reset();
    return r.finish(reader, at_end);
}

}  // namespace host
