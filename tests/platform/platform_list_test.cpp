// The list of platform functions that the provider build checks against is
// the functions the platform headers declare: neither may drift.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

using Names = std::set<std::string>;

std::string read_file(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The header without comments and preprocessor lines.
std::string code_of(std::string text)
{
    text = std::regex_replace(text, std::regex(R"(/\*[\s\S]*?\*/)"), " ");
    text = std::regex_replace(text, std::regex(R"(//[^\n]*)"), " ");
    return std::regex_replace(text, std::regex(R"((^|\n)\s*#[^\n]*)"), "\n");
}

// The functions a header declares that a library defines: free functions and
// class members, qualified by their class; pure virtual, deleted and
// defaulted members are bound through objects or not at all.
Names declared_functions(const std::string &header)
{
    static const std::regex class_head(R"(^(?:class|struct)\s+(\w+))");
    static const std::regex no_symbol(R"(^typedef|=\s*(0|delete|default)$)");
    static const std::regex function_name(R"((operator\s*[^\s(]+|~?\w+)\s*\()");
    Names names;
    std::vector<std::string> scopes;  // class names; empty for other braces
    std::string statement;
    for (char c : code_of(header)) {
        if (c != ';' && c != '{' && c != '}') {
            statement += c;
            continue;
        }
        std::string s = std::regex_replace(statement, std::regex(R"(\s+)"), " ");
        s = std::regex_replace(s, std::regex(R"(^ | $)"), "");
        statement.clear();
        std::smatch m;
        if (c == '{') {
            bool is_class = std::regex_search(s, m, class_head) && s.rfind("typedef", 0) != 0;
            scopes.push_back(is_class ? m[1].str() : "");
        } else if (c == '}') {
            if (!scopes.empty())
                scopes.pop_back();
        } else if (!std::regex_search(s, no_symbol) && std::regex_search(s, m, function_name)) {
            std::string name;
            for (const std::string &scope : scopes)
                if (!scope.empty())
                    name += scope + "::";
            names.insert(name + m[1].str());
        }
    }
    return names;
}

// The list, grouped by header under "# header.h" lines.
std::map<std::string, Names> listed_functions(const fs::path &list)
{
    std::map<std::string, Names> groups;
    std::ifstream in(list);
    std::string line;
    std::string group;
    static const std::regex header_line(R"(^# (\w+\.h)$)");
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, header_line))
            group = m[1];
        else if (!line.empty() && line[0] != '#')
            groups[group].insert(line);
    }
    return groups;
}

TEST(PlatformList, NamesEveryFunctionOfEachHeaderAndNothingElse)
{
    const fs::path dir = PLATFORM_INCLUDE_DIR;
    std::map<std::string, Names> listed = listed_functions(dir / "platform_functions.txt");
    std::map<std::string, Names> declared;
    for (const auto &entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".h")
            declared[entry.path().filename().string()] =
                declared_functions(read_file(entry.path()));
    ASSERT_FALSE(declared.empty());
    EXPECT_EQ(listed, declared);
}

// The reader above, on declarations in each form the headers use.
TEST(PlatformList, ReadsEachFormOfDeclaration)
{
    const char *header = R"(
        #pragma once
        // int commented_out(int);
        extern "C" {
        typedef void (*callback)(int);
        typedef struct { int a; } record;
        enum { A = 1 };
        int plain(int a,
                  int b);
        int logged(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
        }
        class Data {
        public:
            Data();
            Data(const Data &other) = delete;
            Data &operator=(const Data &other);
            virtual ~Data();
            const int *Get(int id) const;
        };
        class IControl {
        public:
            virtual int Pure(int *out) = 0;
        protected:
            ~IControl() = default;
        };
        class Api {
        public:
            static int Create(int profile, IControl **out);
        };
    )";
    EXPECT_EQ(declared_functions(header), (Names{"plain", "logged", "Data::Data", "Data::operator=",
                                                 "Data::~Data", "Data::Get", "Api::Create"}));
}

}  // namespace
