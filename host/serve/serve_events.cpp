// The event stream of picture-menu serve.
#include "output.h"
#include "serve_internal.h"

namespace host::serve {

// Enough for a page that was busy drawing for a moment; older events are gone.
constexpr std::size_t kKeptEvents = 256;

bool EventHub::open_stream()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (streams_ >= kMaxStreams)
        return false;
    ++streams_;
    return true;
}

void EventHub::close_stream()
{
    std::lock_guard<std::mutex> lock(mutex_);
    --streams_;
}

namespace {

// The value as the command line's records hold it, so that one writer writes
// both; the server's values hold no fractions.
Node to_node(const json &value)
{
    switch (value.type()) {
    case json::value_t::boolean: return value.get<bool>();
    case json::value_t::number_integer:
    case json::value_t::number_unsigned:
    case json::value_t::number_float: return value.get<long long>();
    case json::value_t::string: return value.get<std::string>();
    case json::value_t::array: {
        Array out;
        for (const json &item : value)
            out.push_back(to_node(item));
        return out;
    }
    case json::value_t::object: {
        Object out;
        for (const auto &[name, item] : value.items())
            out.emplace_back(name, to_node(item));
        return out;
    }
    default: return Node();
    }
}

}  // namespace

std::string dump(const json &value)
{
    return to_json(to_node(value));
}

void EventHub::publish(const std::string &event, const json &data)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++last_;
    events_.emplace_back(last_, "id: " + std::to_string(last_) + "\nevent: " + event +
                                    "\ndata: " + dump(data) + "\n\n");
    if (events_.size() > kKeptEvents)
        events_.pop_front();
    changed_.notify_all();
}

bool EventHub::wait(unsigned long long *seen, std::string *out)
{
    std::unique_lock<std::mutex> lock(mutex_);
    // A quiet stream still sends a comment now and then, which is how a
    // listener that went away is noticed.
    changed_.wait_for(lock, std::chrono::seconds(15), [&] { return closed_ || last_ > *seen; });
    if (closed_)
        return false;
    for (const auto &[id, text] : events_)
        if (id > *seen)
            *out += text;
    if (out->empty())
        *out = ": idle\n\n";
    *seen = last_;
    return true;
}

unsigned long long EventHub::latest()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return last_;
}

bool EventHub::closed()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}

void EventHub::close()
{
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

}  // namespace host::serve
