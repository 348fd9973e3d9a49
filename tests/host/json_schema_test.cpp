// Every --json object picture-menu writes, errors included, against the
// field tables of the JSON reference page: the page is the schema.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace {

using namespace host_test;
using json = nlohmann::ordered_json;  // keeps the fields in their order

struct Field {
    std::string name;
    std::vector<std::string> types;  // alternatives
    bool optional = false;
};

struct Reference {
    std::map<std::string, std::vector<Field>> objects;          // by heading
    std::vector<std::pair<std::string, std::string>> examples;  // object name, text
};

std::vector<std::string> split(const std::string &text, const std::string &by)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size())
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

// "### name" headings, "| `field` | type | meaning |" rows and the example
// lines indented by four blanks under them.
Reference read_reference()
{
    Reference ref;
    std::istringstream in(read_file(JSON_REFERENCE));
    static const std::regex row(R"(^\| `(\w+)` \| ([^|]+?) \|.*)");
    std::string line, object;
    std::smatch m;
    while (std::getline(in, line)) {
        if (line.rfind("### ", 0) == 0) {
            object = line.substr(4);
            ref.objects[object];
        } else if (!object.empty() && std::regex_match(line, m, row)) {
            Field f{m[1], {}, false};
            std::string type = m[2];
            if (std::size_t comma = type.find(", optional"); comma != std::string::npos) {
                f.optional = true;
                type.erase(comma);
            }
            for (std::string alt : split(type, " or "))
                f.types.push_back(alt.front() == '`' ? alt.substr(1, alt.size() - 2) : alt);
            ref.objects[object].push_back(f);
        } else if (!object.empty() && line.rfind("    {", 0) == 0) {
            ref.examples.emplace_back(object, line.substr(4));
        }
    }
    return ref;
}

class Schema {
public:
    explicit Schema(const Reference &ref) : ref_(ref) {}

    // Empty when `value` is a valid `object`; what is wrong otherwise.
    std::string check(const json &value, const std::string &object) const
    {
        auto it = ref_.objects.find(object);
        if (it == ref_.objects.end())
            return "no object " + object + " in the reference";
        if (!value.is_object())
            return object + ": not an object: " + value.dump();
        std::vector<std::string> seen;
        for (const auto &[name, v] : value.items())
            seen.push_back(name);
        std::size_t next = 0;  // fields come in the table's order
        for (const Field &f : it->second) {
            if (next < seen.size() && seen[next] == f.name) {
                if (std::string wrong = check_types(value[f.name], f.types); !wrong.empty())
                    return std::string(object).append(".").append(f.name).append(": ").append(
                        wrong);
                ++next;
            } else if (!f.optional) {
                return object + ": missing or out of order: " + f.name + " in " + value.dump();
            }
        }
        if (next != seen.size())
            return object + ": field not in the reference: " + seen[next];
        return {};
    }

private:
    std::string check_types(const json &v, const std::vector<std::string> &types) const
    {
        std::string why;
        for (const std::string &t : types) {
            why = check_type(v, t);
            if (why.empty())
                return {};
        }
        return types.size() == 1 ? why : "none of the types fits " + v.dump();
    }

    std::string check_type(const json &v, const std::string &type) const
    {
        static const std::map<std::string, bool (json::*)() const noexcept> kPlain{
            {"string", &json::is_string},
            {"integer", &json::is_number_integer},
            {"boolean", &json::is_boolean},
            {"null", &json::is_null}};
        if (auto plain = kPlain.find(type); plain != kPlain.end())
            return (v.*plain->second)() ? "" : "not " + type + ": " + v.dump();
        if (type.front() == '"')
            return v == json::parse(type) ? "" : "not " + type + ": " + v.dump();
        if (type.rfind("array of ", 0) == 0) {
            if (!v.is_array())
                return "not an array: " + v.dump();
            for (const json &element : v)
                if (std::string wrong = check_type(element, type.substr(9)); !wrong.empty())
                    return wrong;
            return {};
        }
        return check(v, type);
    }

    const Reference &ref_;
};

// The object a line of output is: an error, or the one named by its command.
std::string object_of(const json &line)
{
    return line.contains("error") ? "error" : line.value("command", "");
}

class JsonSchema : public HostTest {
protected:
    Reference ref_ = read_reference();
    Schema schema_{ref_};

    // Checks each line and returns the objects seen.
    std::set<std::string> check_lines(const std::string &output)
    {
        std::set<std::string> seen;
        std::istringstream in(output);
        for (std::string line; std::getline(in, line);) {
            json value = json::parse(line, nullptr, false);
            if (value.is_discarded()) {
                ADD_FAILURE() << "not JSON: " << line;
                continue;
            }
            EXPECT_EQ(schema_.check(value, object_of(value)), "") << line;
            seen.insert(object_of(value));
        }
        return seen;
    }
};

TEST_F(JsonSchema, ReferenceExamplesFollowTheirTables)
{
    ASSERT_GE(ref_.objects.size(), 20u);
    std::set<std::string> shown;
    for (const auto &[object, text] : ref_.examples) {
        EXPECT_EQ(schema_.check(json::parse(text), object), "") << text;
        shown.insert(object);
    }
    for (const auto &[object, fields] : ref_.objects) {
        EXPECT_FALSE(fields.empty()) << object;
        EXPECT_TRUE(shown.count(object)) << "no example of " << object;
    }
}

// Every command, successful, failing and refused, in one shell, and the
// command line's own errors.
TEST_F(JsonSchema, EveryCommandsOutputFollowsTheReference)
{
    const char *script = "menu\n"
                         "keys gamma\n"
                         "keys nothing-like-this\n"
                         "get menu/picture/picture-options/film-mode\n"
                         "get menu/picture/reset\n"
                         "set menu/picture/picture-options/film-mode 1\n"
                         "preview menu/picture/picture-options/film-mode 2\n"
                         "preview menu/picture/reset 1\n"
                         "list menu/picture/picturesize/mode\n"
                         "list menu/picture/pip/channel\n"
                         "label menu/picture/reset\n"
                         "help menu/picture/reset\n"
                         "help\n"
                         "string menu/picture/pip/channel\n"
                         "get-string menu/picture/reset\n"
                         "set-string menu/picture/pip/channel Up\n"
                         "info provider/owner\n"
                         "info provider/nothing\n"
                         "key XF86Info\n"
                         "sim\n"
                         "sim avoc\n"
                         "sim force\n"
                         "sim show\n"
                         "sim show --changed\n"
                         "sim force avoc_get_picture_mode 1\n"
                         "list menu/picture/picture-options/color-tone\n"
                         "menu\n"
                         "get menu/picture/gama\n"
                         "frob\n"
                         "\"unterminated\n"
                         "set menu/picture/reset x\n";
    std::string errors;  // the same messages for people
    Result r = run_apart("--json shell", script, &errors);
    EXPECT_EQ(r.exit, 2);
    std::set<std::string> seen = check_lines(r.output);
    for (const char *object : {"menu", "keys", "get", "set", "preview", "list", "label", "help",
                               "string", "set-string", "info", "key", "sim", "error"})
        EXPECT_TRUE(seen.count(object)) << object;

    // A recording replayed, and one that is not there.
    fs::path recording = dir_ / "tv.rec";
    ASSERT_EQ(
        run_apart("--record " + recording.string() + " get menu/picture/reset", "", &errors).exit,
        1);
    Result replayed = run_apart("--json replay " + recording.string(), "", &errors);
    EXPECT_EQ(replayed.exit, 0) << errors;
    EXPECT_TRUE(check_lines(replayed.output).count("replay")) << replayed.output;

    fs::path unwritable = dir_ / "no-such-folder" / "tv.txt";
    for (const std::string &args : std::vector<std::string>{
             "--json --state " + unwritable.string() + " sim reset",
             "--json --provider " + (dir_ / "none.so").string() + " menu",
             "--json get menu/picture/gama", "--json replay " + (dir_ / "none.rec").string()}) {
        Result failed = run_apart(args, "", &errors);
        EXPECT_NE(failed.exit, 0) << args;
        EXPECT_TRUE(check_lines(failed.output).count("error")) << failed.output;
    }
}

}  // namespace
