// One recorded platform call, written in the call journal's notation:
//   call: avoc_get_film_mode(0, out, 1) = 0, out 2
// Arguments are added before the call, the result and out-values after it;
// the line is written when the object goes. Nothing is done when recording
// is off.
#pragma once

#include <map>
#include <string>

#include "notation.h"
#include "record_file.h"

namespace recorder {

class CallLine {
public:
    explicit CallLine(const char *function) : on_(recording())
    {
        if (on_)
            text_ = std::string("call: ") + function + "(";
    }
    CallLine(const CallLine &) = delete;
    CallLine &operator=(const CallLine &) = delete;
    ~CallLine()
    {
        if (on_)
            write_line(text_);
    }

    bool on() const { return on_; }

    CallLine &arg(long long v) { return raw(std::to_string(v)); }
    CallLine &arg_unsigned(unsigned long long v) { return raw(std::to_string(v)); }
    CallLine &hex(unsigned long long v);
    // A text argument; the journal writes a null one as "(null)".
    CallLine &text(const char *v) { return raw(recording::quote(v ? v : "(null)")); }
    CallLine &text(const std::string &v) { return raw(recording::quote(v)); }
    // A placeholder such as out, buffer, handle or criteria.
    CallLine &word(const char *w) { return raw(w); }
    CallLine &raw(const std::string &v);

    // Closes the argument list; the result follows, then the out-values.
    CallLine &done();
    CallLine &result(long long r);
    CallLine &result_text(const char *r);
    CallLine &result_object(bool present)
    {
        return done().put(" = ").put(present ? "object" : "null");
    }
    CallLine &out(long long v) { return out_raw(std::to_string(v)); }
    CallLine &out_text(const std::string &v) { return out_raw(recording::quote(v)); }
    CallLine &out_object(bool present) { return out_raw(present ? "object" : "null"); }
    CallLine &out_record(const std::map<int, unsigned long long> &fields);
    CallLine &out_raw(const std::string &v);

private:
    CallLine &put(const char *s)
    {
        if (on_)
            text_ += s;
        return *this;
    }

    bool on_;
    bool closed_ = false;
    bool first_arg_ = true;
    bool first_out_ = true;
    std::string text_;
};

}  // namespace recorder
