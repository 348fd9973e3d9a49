// Pieces of picture-menu serve: the event stream, the simulated TV's live
// values as JSON, and the API over the commands.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

namespace host {

class ProviderHost;
class StateFile;

namespace serve {

using nlohmann::json;

// JSON text; invalid UTF-8 from the simulated TV's texts is replaced, not thrown on.
std::string dump(const json &value);

// Server-sent events for every page that listens: each is kept until newer
// ones push it out, so a listener that falls behind loses the oldest.
class EventHub {
public:
    void publish(const std::string &event, const json &data);
    // Waits for events after `*seen` and appends them to `out` in the stream's
    // format. Returns false once the hub is closed.
    bool wait(unsigned long long *seen, std::string *out);
    unsigned long long latest();
    void close();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<unsigned long long, std::string>> events_;
    unsigned long long last_ = 0;
    bool closed_ = false;
};

// The simulated TV's values that the picture is drawn from.
json panel();

// An answer: the HTTP status and a JSON body.
struct Reply {
    int http = 200;
    std::string body;
    unsigned long long id = 0;  // the request's number in the event stream; 0 for none
};

// A named parameter of a request, from the query string or the JSON body.
using Params = std::map<std::string, std::string>;

// The API: each request runs one picture-menu command against the one
// provider and simulated TV, one request at a time.
class Api {
public:
    Api(const ProviderHost &provider, StateFile *state, EventHub &events)
        : provider_(provider), state_(state), events_(events)
    {
    }

    // The route's reply for a GET with its query or a POST with its body.
    Reply get(const std::string &path, const Params &query);
    Reply post(const std::string &path, const std::string &body);
    // The live values and the vocabulary, taken under the same lock.
    Reply panel_reply();
    Reply vocabulary();

private:
    Reply run(const std::string &method, const std::string &path, const Params &params);

    const ProviderHost &provider_;
    StateFile *state_;  // null without --state
    EventHub &events_;
    std::mutex mutex_;
    unsigned long long requests_ = 0;
};

// An error reply with the HTTP status: the command line's error record, with
// the command (null when none was reached) and the exit status it would have.
Reply error_reply(int http, const std::string &command, const std::string &message);

}  // namespace serve
}  // namespace host
