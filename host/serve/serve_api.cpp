// The JSON API of picture-menu serve: one route per command, each answered
// with the command's --json record.
#include <algorithm>
#include <array>

#include "commands.h"
#include "key_catalog.h"
#include "serve_internal.h"
#include "sim/control.h"
#include "sim_commands.h"
#include "state_file.h"
#include "words.h"

namespace host::serve {
namespace {

// A route: the command it runs and its parameters in the command's order,
// from the query string (GET) or the JSON body (POST). "key" is a setting
// key; "line" is a line of words, as the shell reads it.
struct Route {
    const char *method;
    const char *path;
    const char *command;
    std::array<const char *, 2> params;
    const char *fixed;  // a word after the command, or null
};

const Route kRoutes[] = {
    {"GET", "/api/menu", "menu", {}, nullptr},
    {"GET", "/api/keys", "keys", {}, nullptr},
    {"GET", "/api/get", "get", {"key"}, nullptr},
    {"POST", "/api/set", "set", {"key", "value"}, nullptr},
    {"POST", "/api/preview", "preview", {"key", "value"}, nullptr},
    {"GET", "/api/list", "list", {"key"}, nullptr},
    {"GET", "/api/label", "label", {"key"}, nullptr},
    {"GET", "/api/help", "help", {"key"}, nullptr},
    {"GET", "/api/string", "string", {"key"}, nullptr},
    {"POST", "/api/set-string", "set-string", {"key", "value"}, nullptr},
    {"GET", "/api/info", "info", {"name"}, nullptr},
    {"POST", "/api/key", "key", {"name"}, nullptr},
    {"GET", "/api/sim", "sim", {}, "show"},
    {"POST", "/api/sim", "sim", {"line"}, nullptr},
};

const Route *find_route(const std::string &method, const std::string &path)
{
    for (const Route &r : kRoutes)
        if (method == r.method && path == r.path)
            return &r;
    return nullptr;
}

bool reads_only(const Route &r)
{
    return std::string(r.method) == "GET";
}

// The body's fields as parameters: texts as they are, integers in decimal.
Params body_params(const std::string &body)
{
    json value = json::parse(body);  // throws json::parse_error
    if (!value.is_object())
        throw BadInput("the body is not a JSON object");
    Params params;
    for (const auto &[name, field] : value.items()) {
        if (field.is_string())
            params[name] = field.get<std::string>();
        else if (field.is_number_integer())
            params[name] = field.is_number_unsigned()
                               ? std::to_string(field.get<unsigned long long>())
                               : std::to_string(field.get<long long>());
        else
            throw BadInput(name + ": expected a number or a text");
    }
    return params;
}

// The command's words from the request's parameters, or why they are refused.
std::optional<Reply> words_for(const Route &route, const Params &params,
                               std::vector<std::string> &words)
{
    words.emplace_back(route.command);
    for (const char *name : route.params) {
        if (!name)
            continue;
        auto it = params.find(name);
        if (it == params.end())
            return error_reply(400, route.command,
                               std::string(route.command) + ": missing " + name);
        if (std::string(name) == "key" && !find_key(it->second))
            return error_reply(404, route.command,
                               std::string(route.command) + ": unknown key: " + shown(it->second));
        if (std::string(name) == "line") {
            std::vector<std::string> line;
            try {
                line = split_words(it->second);
            } catch (const BadInput &e) {
                return error_reply(400, route.command,
                                   std::string(route.command) + ": " + e.what());
            }
            words.insert(words.end(), line.begin(), line.end());
        } else {
            words.push_back(it->second);
        }
    }
    for (const auto &field : params) {
        auto named = [&field](const char *p) { return p && field.first == p; };
        if (std::find_if(route.params.begin(), route.params.end(), named) == route.params.end())
            return error_reply(400, route.command,
                               std::string(route.command) +
                                   ": unknown field: " + shown(field.first));
    }
    if (route.fixed)
        words.emplace_back(route.fixed);
    return std::nullopt;
}

json log_lines()
{
    json lines = json::array();
    for (const sim::LogLine &l : sim::log())
        lines.push_back({{"priority", l.priority},
                         {"file", l.file},
                         {"function", l.function},
                         {"line", l.line},
                         {"message", l.message}});
    return lines;
}

}  // namespace

Reply error_reply(int http, const std::string &command, const std::string &message)
{
    // Refused input is the command line's bad input; a state that cannot be
    // saved is its "cannot run".
    return {http, to_json(error_record(command, message, http >= 500 ? 3 : 2))};
}

Reply Api::get(const std::string &path, const Params &query, const std::string &page)
{
    return run("GET", path, query, page);
}

Reply Api::post(const std::string &path, const std::string &body, const std::string &page)
{
    if (path == "/api/leave")
        return leave(body);
    const Route *route = find_route("POST", path);
    if (!route)
        return error_reply(404, "", "no such route: POST " + shown(path));
    Params params;
    try {
        params = body_params(body);
    } catch (const json::exception &e) {
        return error_reply(400, route->command, std::string("bad JSON: ") + e.what());
    } catch (const BadInput &e) {
        return error_reply(400, route->command, e.what());
    }
    return run("POST", path, params, page);
}

Reply Api::run(const std::string &method, const std::string &path, const Params &params,
               const std::string &page)
{
    const Route *route = find_route(method, path);
    if (!route)
        return error_reply(404, "", "no such route: " + method + " " + shown(path));
    std::vector<std::string> words;
    if (std::optional<Reply> refused = words_for(*route, params, words))
        return *refused;

    std::lock_guard<std::mutex> lock(mutex_);
    bool preview = std::string(route->command) == "preview";
    std::optional<long long> committed;
    if (preview && !previews_.knows(words[1]))
        committed = current(words[1]);
    Previews::Live live_before = sim::state().avoc_live;
    sim::clear_journal();
    sim::clear_log();
    json before = reads_only(*route) ? json() : panel();
    Reply reply;
    json event{{"id", ++requests_}, {"request", method + " " + path}, {"words", words}};
    try {
        CommandResult out = run_command(provider_, words);
        reply.body = to_json(out.record);
        event["status"] = out.status;
    } catch (const BadInput &e) {
        reply = error_reply(400, route->command, e.what());
        event["error"] = e.what();
    }
    event["log"] = log_lines();
    event["calls"] = sim::journal();
    json after = reads_only(*route) ? json() : panel();
    if (before != after && state_) {
        try {
            state_->save();
        } catch (const std::exception &e) {
            reply = error_reply(500, route->command, e.what());
            event["error"] = e.what();
        }
    }
    reply.id = requests_;
    if (preview && !event.contains("error"))
        previews_.previewed(words[1], page, committed, live_before, sim::state().avoc_live);
    previews_.settle(sim::state().avoc_live);
    events_.publish("request", event);
    if (before != after) {
        after["previews"] = previews_.to_json();
        events_.publish("panel", after);
    }
    sim::clear_journal();
    sim::clear_log();
    return reply;
}

json Api::panel_values()
{
    json values = panel();
    values["previews"] = previews_.to_json();
    return values;
}

Reply Api::panel_reply()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return {200, dump(panel_values())};
}

std::optional<long long> Api::current(const std::string &key)
{
    CommandResult out = run_command(provider_, {"get", key});
    json record = json::parse(to_json(out.record));
    sim::clear_journal();
    sim::clear_log();
    if (out.status != 0 || !record.contains("value") || !record["value"].is_number_integer())
        return std::nullopt;
    return record["value"].get<long long>();
}

json Api::revert(const std::string &page)
{
    std::vector<std::pair<std::string, long long>> keys;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        keys = previews_.of_page(page);
    }
    // Each through the provider, as a Back on the page would: other pages see it.
    json reverted = json::array();
    for (const auto &[key, value] : keys) {
        run("POST", "/api/preview", {{"key", key}, {"value", std::to_string(value)}}, page);
        reverted.push_back(key);
    }
    return reverted;
}

Reply Api::leave(const std::string &body)
{
    json value = json::parse(body, nullptr, false);
    if (!value.is_object() || !value.contains("page") || !value["page"].is_string() ||
        value.size() != 1)
        return error_reply(400, "", "leave: expected {\"page\": ID}");
    return {200, dump({{"reverted", revert(value["page"].get<std::string>())}})};
}

void Api::stream_opened(const std::string &page)
{
    std::lock_guard<std::mutex> lock(mutex_);
    previews_.opened(page);
}

void Api::stream_closed(const std::string &page)
{
    bool last = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        last = previews_.closed(page);
    }
    // At the server's stop every stream closes: the TV keeps what it shows.
    if (last && !events_.closed())
        revert(page);
}

Reply Api::vocabulary()
{
    std::lock_guard<std::mutex> lock(mutex_);
    json avoc = json::array();
    for (const auto &[name, value] : sim::default_state().avoc)
        avoc.push_back(name);
    return {200, dump({{"commands", command_help()},
                       {"functions", sim::known_functions()},
                       {"avoc", avoc}})};
}

}  // namespace host::serve
