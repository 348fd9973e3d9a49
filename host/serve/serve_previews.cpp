// The previews in force: which page set each key apart from its committed
// value, and what that value was, so that a page that goes away leaves none.
#include "serve_internal.h"

namespace host::serve {

bool Previews::knows(const std::string &key) const
{
    return previews_.count(key) != 0;
}

void Previews::previewed(const std::string &key, const std::string &page,
                         std::optional<long long> committed, const Live &before, const Live &after)
{
    Preview &p = previews_[key];
    if (!p.committed)
        p.committed = committed;
    p.page = page;
    // The output control values this preview moved are the key's from now on.
    for (const auto &[name, value] : after) {
        auto was = before.find(name);
        if (was == before.end() || was->second != value)
            p.names.insert(name);
    }
    for (const auto &[name, value] : before)
        if (!after.count(name))
            p.names.insert(name);
}

void Previews::settle(const Live &live)
{
    // A preview is over once none of its values is apart from the committed one.
    for (auto it = previews_.begin(); it != previews_.end();) {
        bool apart = false;
        for (const std::string &name : it->second.names)
            apart = apart || live.count(name) != 0;
        it = apart ? std::next(it) : previews_.erase(it);
    }
}

std::vector<std::pair<std::string, long long>> Previews::of_page(const std::string &page) const
{
    std::vector<std::pair<std::string, long long>> found;
    for (const auto &[key, p] : previews_)
        if (p.page == page && p.committed)
            found.emplace_back(key, *p.committed);
    return found;
}

json Previews::to_json() const
{
    json out = json::object();
    for (const auto &[key, p] : previews_)
        out[key] = {{"committed", p.committed ? json(*p.committed) : json()}, {"page", p.page}};
    return out;
}

void Previews::opened(const std::string &page)
{
    ++streams_[page];
}

bool Previews::closed(const std::string &page)
{
    auto it = streams_.find(page);
    if (it == streams_.end() || --it->second > 0)
        return false;
    streams_.erase(it);
    return true;
}

}  // namespace host::serve
