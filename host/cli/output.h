// Results of the commands, printed as readable text or as JSON.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace host {

struct Node;
using Object = std::vector<std::pair<std::string, Node>>;
using Array = std::vector<Node>;

// A JSON-like value: nothing, a truth value, a number, a text, a list or
// named fields in order.
struct Node {
    std::variant<std::monostate, bool, long long, std::string, Array, Object> value;

    Node() = default;
    Node(bool v) : value(v) {}
    Node(int v) : value(static_cast<long long>(v)) {}
    Node(long long v) : value(v) {}
    Node(std::string v) : value(std::move(v)) {}
    Node(const char *v) : value(std::string(v)) {}
    Node(Array v) : value(std::move(v)) {}
    Node(Object v) : value(std::move(v)) {}

    bool is_null() const { return value.index() == 0; }
    const Object *object() const { return std::get_if<Object>(&value); }
    const Array *array() const { return std::get_if<Array>(&value); }
    // The field of an object, or null.
    const Node *field(const std::string &name) const;
};

// One line of JSON.
std::string to_json(const Node &node);

// The record of a command that did not run: the command (null when the line
// held none), the message and the exit status it causes.
Node error_record(const std::string &command, const std::string &message, int exit_status);

// Fields one per line as "name: value", lists of records as aligned tables,
// records within a record as their fields indented; empty fields and records
// are left out, and so is the "command" field: the reader knows what was asked.
std::string to_text(const Node &record);

// A scalar as text: numbers in decimal, truth values as yes and no, nothing as "-".
std::string scalar_text(const Node &node);

}  // namespace host
