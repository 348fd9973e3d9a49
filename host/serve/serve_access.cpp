// Who may use picture-menu serve: the listening address, the Host and Origin
// checks and, off loopback, the token every request must carry.
#include <arpa/inet.h>
#include <netdb.h>
#include <sys/random.h>

#include <cstdio>

#include <httplib.h>

#include "serve_internal.h"
#include "words.h"

namespace host::serve {
namespace {

constexpr const char kTokenCookie[] = "picture-menu-token";

// True when every address `name` stands for is a loopback address.
bool loopback(const std::string &name)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0)
        return false;  // binding fails later with its own message
    bool all = true;
    for (const addrinfo *a = found; a; a = a->ai_next) {
        if (a->ai_family == AF_INET) {
            const auto *in = reinterpret_cast<const sockaddr_in *>(a->ai_addr);
            all = all && (ntohl(in->sin_addr.s_addr) >> 24) == 127;
        } else if (a->ai_family == AF_INET6) {
            const auto *in6 = reinterpret_cast<const sockaddr_in6 *>(a->ai_addr);
            all = all && IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr);
        } else {
            all = false;
        }
    }
    freeaddrinfo(found);
    return all;
}

std::string new_token()
{
    unsigned char bytes[16];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        ssize_t n = getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno != EINTR)
            throw std::runtime_error("serve: no random bytes for the token");
        got += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    std::string token;
    char hex[3];
    for (unsigned char b : bytes) {
        std::snprintf(hex, sizeof hex, "%02x", b);
        token += hex;
    }
    return token;
}

// The same length and every byte compared, so the time says nothing.
bool same_secret(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

std::string cookie_value(const std::string &cookies, const std::string &name)
{
    for (std::size_t at = 0; at < cookies.size();) {
        std::size_t end = cookies.find(';', at);
        std::string pair = cookies.substr(at, end == std::string::npos ? end : end - at);
        std::size_t first = pair.find_first_not_of(' ');
        if (first != std::string::npos && pair.compare(first, name.size() + 1, name + "=") == 0)
            return pair.substr(first + name.size() + 1);
        at = end == std::string::npos ? cookies.size() : end + 1;
    }
    return "";
}

}  // namespace

Listen parse_listen(const std::vector<std::string> &args)
{
    Listen l;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        std::string value;
        if (arg == "--allow-remote") {
            l.remote = true;
            continue;
        }
        if (arg.rfind("--listen=", 0) == 0)
            value = arg.substr(9);
        else if (arg == "--listen" && i + 1 < args.size())
            value = args[++i];
        else if (arg == "--listen")
            throw BadInput("serve: --listen: missing ADDR:PORT");
        else
            throw BadInput("serve: unexpected argument: " + shown(arg));
        std::size_t colon = value.rfind(':');
        if (colon == std::string::npos || colon == 0)
            throw BadInput("serve: --listen: expected ADDR:PORT: " + shown(value));
        l.host = value.substr(0, colon);
        l.bind = l.host;
        if (l.bind.front() == '[' && l.bind.back() == ']')
            l.bind = l.bind.substr(1, l.bind.size() - 2);
        try {
            l.port = static_cast<int>(parse_number(value.substr(colon + 1), 0, 65535));
        } catch (const BadInput &e) {
            throw BadInput(std::string("serve: --listen: ") + e.what());
        }
    }
    if (!loopback(l.bind) && !l.remote)
        throw BadInput("serve: " + shown(l.host) +
                       " is not a loopback address and the API changes the TV; "
                       "--allow-remote serves it to the network, behind a token");
    if (!loopback(l.bind))
        l.token = new_token();
    return l;
}

Access::Access(const Listen &listen, int port) : token_(listen.token)
{
    std::string suffix = ":" + std::to_string(port);
    hosts_ = {listen.host + suffix, "localhost" + suffix};
}

// DNS rebinding: a page of another site that resolves its name to this
// address still sends its own name as Host. Off loopback the names a client
// may use are not known, and the token stands for them.
std::string Access::refusal(const httplib::Request &req) const
{
    std::string host = req.get_header_value("Host");
    if (token_.empty() && hosts_.count(host) == 0)
        return "refused: Host is not this server";
    if (!token_.empty() && !same_secret(token_of(req), token_))
        return "refused: the request carries no valid token (the URL serve printed has it)";
    if (req.method == "GET" || req.method == "HEAD" || !req.has_header("Origin"))
        return "";  // a write without Origin is not sent by a browser
    std::string origin = req.get_header_value("Origin");
    const std::string scheme = "http://";
    bool same = origin.rfind(scheme, 0) == 0 &&
                (token_.empty() ? hosts_.count(origin.substr(scheme.size())) != 0
                                : origin.substr(scheme.size()) == host);
    return same ? "" : "refused: a write from another site";
}

// The token from the query (the printed URL), the cookie the page got with
// it, or an Authorization header for other tools.
std::string Access::token_of(const httplib::Request &req)
{
    if (req.has_param("token"))
        return req.get_param_value("token");
    std::string bearer = req.get_header_value("Authorization");
    if (bearer.rfind("Bearer ", 0) == 0)
        return bearer.substr(7);
    return cookie_value(req.get_header_value("Cookie"), kTokenCookie);
}

// The page loaded with the token keeps it as a cookie that scripts cannot read.
void Access::admit(const httplib::Request &req, httplib::Response &res) const
{
    if (!token_.empty() && req.has_param("token"))
        res.set_header("Set-Cookie", std::string(kTokenCookie) + "=" + token_ +
                                         "; Path=/; HttpOnly; SameSite=Strict");
}

}  // namespace host::serve
