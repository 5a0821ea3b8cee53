#pragma once

// A JSON value small enough for ferol-calc's answers: null, true/false, whole numbers,
// strings, arrays and objects whose keys keep the order they were given in. Written
// indented (one document) or on one line (JSON Lines).

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class JsonValue;
using JsonArray = std::vector<JsonValue>;
// Keys are the program's own literals, so they are held as views.
using JsonObject = std::vector<std::pair<std::string_view, JsonValue>>;

class JsonValue
{
public:
    JsonValue() = default; // null
    JsonValue(bool value) : m_value(value) {}
    JsonValue(int value) : m_value(std::int64_t{value}) {}
    JsonValue(std::int64_t value) : m_value(value) {}
    JsonValue(std::uint64_t value) : m_value(value) {}
    JsonValue(std::string value) : m_value(std::move(value)) {}
    JsonValue(const char* value) : m_value(std::string(value)) {}
    JsonValue(JsonArray value) : m_value(std::move(value)) {}
    JsonValue(JsonObject value) : m_value(std::move(value)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    // The string, when this is one.
    const std::string* text() const { return std::get_if<std::string>(&m_value); }

    // The text form of a summary line: null "-", booleans "yes"/"no", numbers in decimal.
    std::string plainText() const;

    void write(std::string& out, bool indented, int depth = 0) const;

private:
    std::variant<std::monostate, bool, std::int64_t, std::uint64_t, std::string, JsonArray,
                 JsonObject>
        m_value;
};

// An object written member by member, for callers that hold their members in a shape of
// their own: no JsonObject is built in between.
class JsonObjectWriter
{
public:
    JsonObjectWriter(std::string& out, bool indented, int depth = 0);
    void member(std::string_view key, const JsonValue& value);
    // The separator and the key: the member's value is the caller's to write next, at
    // valueDepth().
    void key(std::string_view key);
    int valueDepth() const { return m_depth + 1; }
    bool indented() const { return m_indented; }
    void close();

private:
    std::string& m_out;
    bool m_indented;
    int m_depth;
    bool m_empty = true;
};

// A string with its quotes and escapes.
void WriteJsonString(std::string& out, std::string_view text);
// True when `text` is written between quotes as it is, with no escape.
bool IsPlainJsonText(std::string_view text);

// One document: indented and ended by a newline, or on one line for JSON Lines.
std::string JsonText(const JsonValue& value, bool indented);
