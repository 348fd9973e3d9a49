// Pieces of picture-menu serve: the event stream, the simulated TV's live
// values as JSON, and the API over the commands.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace host {

class ProviderHost;
class StateFile;

namespace serve {

using nlohmann::json;

// JSON text, written as the command's records are: invalid UTF-8 from the
// simulated TV's texts is replaced, not thrown on.
std::string dump(const json &value);

// Open event streams at most; each holds a worker thread of the server.
constexpr std::size_t kMaxStreams = 32;

// Where serve listens, from its arguments.
struct Listen {
    std::string host = "127.0.0.1";  // as written, brackets of an IPv6 address included
    std::string bind = "127.0.0.1";  // the address to bind
    int port = 8080;
    bool remote = false;  // --allow-remote: an address off loopback may be served
    std::string token;    // the secret every request needs, off loopback only
};

// Throws BadInput for a bad --listen, and for an address off loopback
// without --allow-remote.
Listen parse_listen(const std::vector<std::string> &args);

// Which requests the server answers.
class Access {
public:
    Access(const Listen &listen, int port);
    // Why the request is refused (403), or "" when it may go on.
    std::string refusal(const httplib::Request &req) const;
    // Gives the page that came with the token a cookie holding it.
    void admit(const httplib::Request &req, httplib::Response &res) const;

private:
    static std::string token_of(const httplib::Request &req);

    std::set<std::string> hosts_;  // the Host values of loopback: ADDR:PORT, localhost:PORT
    std::string token_;
};

// Server-sent events for every page that listens: each is kept until newer
// ones push it out, so a listener that falls behind loses the oldest.
class EventHub {
public:
    // Each stream holds one of the server's threads while it is open, so
    // their number is bounded: false when no other may open now.
    bool open_stream();
    void close_stream();

    void publish(const std::string &event, const json &data);
    // Waits for events after `*seen` and appends them to `out` in the stream's
    // format. Returns false once the hub is closed.
    bool wait(unsigned long long *seen, std::string *out);
    unsigned long long latest();
    void close();
    bool closed();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<unsigned long long, std::string>> events_;
    unsigned long long last_ = 0;
    bool closed_ = false;
    std::size_t streams_ = 0;
};

// The simulated TV's values that the picture is drawn from.
json panel();

// The previews in force, each by the key that set it and the page that sent
// it last (the X-Page header; "" for other clients), with the value committed
// before it when that could be read. Also counts each page's event streams.
class Previews {
public:
    using Live = std::map<std::string, int>;  // output control values apart from the committed

    bool knows(const std::string &key) const;
    // After a preview of `key`: the live values before and after it tell what it moved.
    void previewed(const std::string &key, const std::string &page,
                   std::optional<long long> committed, const Live &before, const Live &after);
    // Forgets the previews that a commit, a revert or a reset ended.
    void settle(const Live &live);
    // The keys the page is previewing, with their committed values.
    std::vector<std::pair<std::string, long long>> of_page(const std::string &page) const;
    json to_json() const;

    void opened(const std::string &page);
    // True when the page's last stream closed.
    bool closed(const std::string &page);

private:
    struct Preview {
        std::optional<long long> committed;
        std::string page;
        std::set<std::string> names;
    };
    std::map<std::string, Preview> previews_;
    std::map<std::string, int> streams_;
};

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

    // The route's reply for a GET with its query or a POST with its body,
    // sent by `page` ("" when the client did not say).
    Reply get(const std::string &path, const Params &query, const std::string &page = "");
    Reply post(const std::string &path, const std::string &body, const std::string &page = "");
    // The live values and the vocabulary, taken under the same lock.
    Reply panel_reply();
    Reply vocabulary();

    // A page left (its pagehide beacon, the body {"page": ID}): its previews
    // return to their committed values. Answers {"reverted": [KEY...]}.
    Reply leave(const std::string &body);
    // A page's event stream opened or closed; the last one closing is a leave.
    void stream_opened(const std::string &page);
    void stream_closed(const std::string &page);

private:
    Reply run(const std::string &method, const std::string &path, const Params &params,
              const std::string &page);
    // The live values with the previews in force, as the page draws them.
    json panel_values();
    // The key's value as a get reads it now, outside any request's record.
    std::optional<long long> current(const std::string &key);
    json revert(const std::string &page);

    const ProviderHost &provider_;
    StateFile *state_;  // null without --state
    EventHub &events_;
    std::mutex mutex_;
    unsigned long long requests_ = 0;
    Previews previews_;
};

// An error reply with the HTTP status: the command line's error record, with
// the command (null when none was reached) and the exit status it would have.
Reply error_reply(int http, const std::string &command, const std::string &message);

}  // namespace serve
}  // namespace host
