// The call line's notation.
#include "call_line.h"

#include <cstdio>

namespace recorder {

CallLine &CallLine::hex(unsigned long long v)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", v);
    return raw(text);
}

CallLine &CallLine::raw(const std::string &v)
{
    if (!on_)
        return *this;
    if (!first_arg_)
        text_ += ", ";
    first_arg_ = false;
    text_ += v;
    return *this;
}

CallLine &CallLine::done()
{
    if (on_ && !closed_)
        text_ += ")";
    closed_ = true;
    return *this;
}

CallLine &CallLine::result(long long r)
{
    done();
    if (on_)
        text_ += " = " + std::to_string(r);
    return *this;
}

CallLine &CallLine::result_text(const char *r)
{
    done();
    if (on_)
        text_ += " = " + recording::quote(r);
    return *this;
}

CallLine &CallLine::out_record(const std::map<int, unsigned long long> &fields)
{
    std::string text = "{";
    for (const auto &[id, value] : fields)
        text += (text.size() > 1 ? ", " : "") + std::to_string(id) + "=" + std::to_string(value);
    return out_raw(text + "}");
}

CallLine &CallLine::out_raw(const std::string &v)
{
    done();
    if (!on_)
        return *this;
    text_ += first_out_ ? ", out " : " ";
    first_out_ = false;
    text_ += v;
    return *this;
}

}  // namespace recorder
