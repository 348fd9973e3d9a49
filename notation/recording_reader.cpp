// The recording's lines: a header (format, provider, time), then for each
// request its line, the platform calls and log lines it caused, and its
// answer.
#include "recording_reader.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace recording {
namespace {

// Where reading is: the file and line that a refusal names.
struct Reader {
    std::string file;
    int line = 0;

    [[noreturn]] void fail(const std::string &what) const
    {
        throw BadRecording(file + ":" + std::to_string(line) + ": " + what);
    }
};

bool starts_with(const std::string &s, const char *prefix)
{
    return s.rfind(prefix, 0) == 0;
}

bool is_integer(const std::string &s)
{
    std::size_t i = s[0] == '-' ? 1 : 0;
    return i < s.size() && s.find_first_not_of("0123456789", i) == std::string::npos;
}

bool is_double(const std::string &s)
{
    char *end = nullptr;
    std::strtod(s.c_str(), &end);
    return !s.empty() && end == s.c_str() + s.size();
}

bool is_handle(const std::string &s)
{
    return s == "null" || s == "?" || (s.size() > 1 && s[0] == '#' && is_integer(s.substr(1)));
}

bool is_item(const std::string &s)
{
    std::size_t open = s.find('[');
    return s == "null" || s == "?" ||
           (open != std::string::npos && s.back() == ']' && is_handle(s.substr(0, open)) &&
            is_integer(s.substr(open + 1, s.size() - open - 2)));
}

bool fits_int(const std::string &s)
{
    errno = 0;
    long long v = std::strtoll(s.c_str(), nullptr, 10);
    return errno == 0 && v >= INT_MIN && v <= INT_MAX;
}

// Whether a token fits a letter of the operation rows.
bool fits(char kind, const Token &t)
{
    bool text_or_null = t.quoted || t.text == "null";
    switch (kind) {
    case 'k':
    case 't': return text_or_null;
    case 'i':
    case 's':
    case 'v': return !t.quoted && is_integer(t.text) && fits_int(t.text);
    case 'd':
    case 'f': return !t.quoted && is_double(t.text);
    case 'h':
    case 'l': return !t.quoted && is_handle(t.text);
    case 'e': return !t.quoted && is_item(t.text);
    default: return false;
    }
}

// The tokens of `rest`, checked against `kinds` (a list answer is a handle
// and a count).
std::vector<Token> tokens(const Reader &r, const std::string &rest, std::string kinds)
{
    if (kinds == "l")
        kinds = "li";
    std::vector<Token> out;
    std::size_t pos = 0;
    while (pos < rest.size()) {
        Token t;
        std::optional<std::string> text = next_token(rest, pos, &t.quoted);
        if (!text)
            r.fail("cannot read a value at column " + std::to_string(pos + 1));
        t.text = *text;
        out.push_back(t);
        while (pos < rest.size() && rest[pos] == ' ')
            ++pos;
    }
    if (out.size() != kinds.size())
        r.fail("expected " + std::to_string(kinds.size()) + " values, found " +
               std::to_string(out.size()));
    for (std::size_t i = 0; i < kinds.size(); i++)
        if (!fits(kinds[i], out[i]))
            r.fail("not a fitting value: " + out[i].text);
    return out;
}

// One value of a call's answer into the stand-in's answer.
void put_value(const Reader &r, sim::Answer &a, const std::string &line, std::size_t &pos,
               bool result)
{
    if (line[pos] == '{') {
        std::map<int, unsigned long long> fields;
        for (++pos; pos < line.size() && line[pos] != '}';) {
            std::size_t eq = line.find('=', pos);
            std::size_t end = line.find_first_of(",}", pos);
            if (eq == std::string::npos || end == std::string::npos || eq > end)
                r.fail("not a record: " + line.substr(pos));
            std::string id = line.substr(pos, eq - pos);
            std::string value = line.substr(eq + 1, end - eq - 1);
            if (!is_integer(id) || !is_integer(value))
                r.fail("not a record field: " + line.substr(pos, end - pos));
            fields[std::stoi(id)] = std::stoull(value);
            pos = line[end] == ',' ? end + 2 : end;
        }
        if (pos >= line.size())
            r.fail("unterminated record");
        ++pos;
        a.records.push_back(std::move(fields));
        return;
    }
    bool quoted = false;
    std::optional<std::string> t = next_token(line, pos, &quoted);
    if (!t)
        r.fail("cannot read a value at column " + std::to_string(pos + 1));
    if (quoted) {
        a.text = *t;
        return;
    }
    long long v = 0;
    if (*t == "object" || *t == "null")
        v = *t == "object" ? 1 : 0;
    else if (is_integer(*t))
        v = std::stoll(*t);
    else
        r.fail("not a value: " + *t);
    if (result) {
        a.result = static_cast<int>(v);
        a.null = *t == "null";
    } else if (!a.out) {
        a.out = v;
    } else {
        a.more.push_back(v);
    }
}

// "name(args) = result, out v v" into the call, as the journal writes it
// too, and the answer.
RecordedCall read_call(const Reader &r, const std::string &line)
{
    RecordedCall c;
    c.line = r.line;
    std::size_t open = line.find('(');
    if (open == std::string::npos || open == 0)
        r.fail("not a platform call: " + line);
    std::size_t pos = open + 1;
    while (pos < line.size() && line[pos] != ')') {
        bool quoted = false;
        if (line[pos] != '"')
            ++pos;
        else if (!next_token(line, pos, &quoted))
            r.fail("unterminated text in a platform call");
    }
    if (pos >= line.size())
        r.fail("unterminated platform call: " + line);
    c.call.call = line.substr(0, ++pos);
    if (line.compare(pos, 3, " = ") == 0) {
        pos += 3;
        put_value(r, c.call.answer, line, pos, true);
    }
    if (line.compare(pos, 6, ", out ") == 0) {
        for (pos += 6; pos < line.size();) {
            put_value(r, c.call.answer, line, pos, false);
            if (pos < line.size() && line[pos] != ' ')
                r.fail("unexpected text after a value: " + line.substr(pos));
            if (pos < line.size())
                ++pos;
        }
    }
    if (pos != line.size())
        r.fail("unexpected text after the platform call: " + line.substr(pos));
    return c;
}

// "request N thread T: name args" (a recording of one thread may leave out
// "thread T"), N as due (any N when `expected_number` is 0).
RecordedRequest read_request(const Reader &r, const std::string &line, int expected_number)
{
    RecordedRequest q;
    q.line = r.line;
    std::size_t colon = line.find(": ");
    std::string number = line.substr(8, colon == std::string::npos ? 0 : colon - 8);
    std::size_t thread = number.find(" thread ");
    if (thread != std::string::npos) {
        std::string t = number.substr(thread + 8);
        number.resize(thread);
        if (!is_integer(t) || !fits_int(t) || std::stoi(t) < 1)
            r.fail("not a request line: " + line);
        q.thread = std::stoi(t);
    }
    if (colon == std::string::npos || !is_integer(number) || !fits_int(number))
        r.fail("not a request line: " + line);
    q.number = std::stoi(number);
    if (expected_number > 0 && q.number != expected_number)
        r.fail("request " + number + " where request " + std::to_string(expected_number) +
               " was due");
    std::string rest = line.substr(colon + 2);
    std::size_t blank = rest.find(' ');
    std::string name = rest.substr(0, blank);
    q.operation = operation_named(name);
    if (!q.operation)
        r.fail("unknown operation: " + name);
    q.args =
        tokens(r, blank == std::string::npos ? "" : rest.substr(blank + 1), q.operation->request);
    return q;
}

// "log: PRIORITY "TAG" "TEXT""
RecordedLog read_log(const Reader &r, const std::string &line)
{
    std::size_t pos = line.find(' ', 5);
    std::string priority = line.substr(5, pos == std::string::npos ? 0 : pos - 5);
    bool quoted = false;
    std::optional<std::string> tag =
        pos == std::string::npos ? std::nullopt : next_token(line, pos, &quoted);
    std::optional<std::string> text = tag && quoted ? next_token(line, pos, &quoted) : std::nullopt;
    if (!text || !quoted || pos != line.size() || !is_integer(priority) || !fits_int(priority))
        r.fail("not a log line: " + line);
    return {r.line, std::stoi(priority), *tag, *text};
}

// Takes " (profile N)", the profile of the object whose method was called,
// off the end of a call line; 0 when the line has none.
int take_profile(std::string &call)
{
    std::size_t at = call.rfind(" (profile ");
    if (at == std::string::npos || call.back() != ')')
        return 0;
    std::string number = call.substr(at + 10, call.size() - at - 11);
    if (!is_integer(number) || !fits_int(number))
        return 0;
    call.resize(at);
    return std::stoi(number);
}

// A line within a request; true at its answer.
bool read_within(const Reader &r, const std::string &line, RecordedRequest &q)
{
    if (starts_with(line, "call: ")) {
        std::string call = line.substr(6);
        int profile = take_profile(call);
        q.calls.push_back(read_call(r, call));
        q.calls.back().profile = profile;
    } else if (starts_with(line, "log: ")) {
        q.log.push_back(read_log(r, line));
    } else if (line == "answer:" || starts_with(line, "answer: ")) {
        q.answer_line = r.line;
        q.answer = tokens(r, line.size() > 8 ? line.substr(8) : "", q.operation->answer);
        return true;
    } else if (starts_with(line, "request ") || starts_with(line, "end: ")) {
        r.fail("request " + std::to_string(q.number) + " has no answer");
    } else {
        r.fail("not a line of a recording: " + line);
    }
    return false;
}

}  // namespace

struct RecordingReader::Lines {
    std::ifstream in;
    Reader at;
};

RecordingReader::RecordingReader(const std::string &file) : lines_(new Lines{{}, {file, 0}})
{
    lines_->in.open(file);
    if (!lines_->in)
        lines_->at.fail("cannot read the recording");
    read_header();
}

RecordingReader::~RecordingReader() = default;

// One line, without its line end; false at the end of the file, and for a
// last line that stops short of its line end (the recording was cut).
bool RecordingReader::line(std::string &text)
{
    if (!std::getline(lines_->in, text))
        return false;
    lines_->at.line++;
    if (lines_->in.eof()) {
        cut_line_ = lines_->at.line;
        return false;
    }
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return true;
}

void RecordingReader::read_header()
{
    Reader &r = lines_->at;
    std::string text;
    if (!line(text) || !starts_with(text, kMagic))
        r.fail("not a recording (no \"" + std::string(kMagic) + "\" header)");
    std::string version = text.substr(std::string(kMagic).size());
    if (version != " " + std::to_string(kFormatVersion))
        r.fail("recording format" + version + ", this picture-menu reads version " +
               std::to_string(kFormatVersion));
    if (!line(text) || !starts_with(text, "provider: "))
        r.fail("expected the provider line of the header");
    header_.provider = text.substr(10);
    if (!line(text) || !starts_with(text, "time: "))
        r.fail("expected the time line of the header");
    header_.time = text.substr(6);
    std::streampos after_time = lines_->in.tellg();
    if (line(text) && text == "logs: off") {
        header_.logs = false;
        return;
    }
    // Not a header line: read again as the first request's.
    lines_->in.clear();
    lines_->in.seekg(after_time);
    lines_->at.line--;
    cut_line_ = 0;
}

bool RecordingReader::next(RecordedRequest &q)
{
    Reader &r = lines_->at;
    std::string text;
    try {
        if (!line(text)) {
            if (cut_line_ != 0 && starts_with(text, "request "))
                cut_ = "request " + std::to_string(number_ + 1) + " has no answer";
            else if (cut_line_ != 0)
                cut_ = "the last line stops short";
            return false;
        }
        if (!end_.empty())
            r.fail("a line after the end: " + text);
        if (starts_with(text, "end: ")) {
            end_ = text.substr(5);
            if (end_.empty())
                r.fail("an end line without its reason");
            return next(q);
        }
        if (!starts_with(text, "request "))
            r.fail("expected a request line: " + text);
        q = read_request(r, text, number_ ? number_ + 1 : 0);
        while (line(text))
            if (read_within(r, text, q)) {
                number_ = q.number;
                return true;
            }
    } catch (const std::out_of_range &) {
        r.fail("a number out of range");
    }
    cut_line_ = q.line;
    cut_ = "request " + std::to_string(q.number) + " has no answer";
    return false;
}

std::string tokens_text(const std::vector<Token> &tokens)
{
    std::string text;
    for (const Token &t : tokens)
        text += (text.empty() ? "" : " ") + (t.quoted ? quote(t.text) : t.text);
    return text;
}

}  // namespace recording
