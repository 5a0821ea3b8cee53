#include "cli/json_value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <system_error>

namespace {

void Indent(std::string& out, bool indented, int depth)
{
    if (indented) {
        out += '\n';
        out.append(std::size_t(depth) * 4, ' ');
    }
}

// A table rather than three comparisons a byte: a batch writes hundreds of millions.
constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[std::size_t(c)] = true;
    table['"'] = true;
    table['\\'] = true;
    return table;
}();

bool NeedsEscape(char c)
{
    return kNeedsEscape[static_cast<unsigned char>(c)];
}

template <typename Number> void WriteNumber(std::string& out, Number n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, std::size_t(end - digits));
}

} // namespace

bool IsPlainJsonText(std::string_view text)
{
    // One look-up and no branch a byte: a batch checks hundreds of millions of them.
    bool escape = false;
    for (const char c : text)
        escape |= NeedsEscape(c);
    return !escape;
}

void WriteJsonString(std::string& out, std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    // Most texts are addresses and names with nothing to escape: one append, quotes and all.
    if (IsPlainJsonText(text)) {
        const std::size_t at = out.size();
        out.resize(at + text.size() + 2);
        char* const to = out.data() + at;
        to[0] = '"';
        std::memcpy(to + 1, text.data(), text.size());
        to[text.size() + 1] = '"';
        return;
    }
    out += '"';
    const char* plain = text.data(); // start of the characters not yet written
    const char* const end = text.data() + text.size();
    for (const char* c = plain; c != end; ++c) {
        if (!NeedsEscape(*c))
            continue;
        out.append(plain, std::size_t(c - plain));
        plain = c + 1;
        const auto code = static_cast<unsigned char>(*c);
        if (*c == '"' || *c == '\\') {
            const char escaped[] = {'\\', *c};
            out.append(escaped, 2);
        } else {
            const char escaped[] = {'\\', 'u', '0', '0', kHex[code >> 4], kHex[code & 15]};
            out.append(escaped, 6);
        }
    }
    out.append(plain, std::size_t(end - plain));
    out += '"';
}

namespace {

template <typename... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

std::string JsonValue::plainText() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string("-"); },
                          [](bool b) { return std::string(b ? "yes" : "no"); },
                          [](std::int64_t n) { return std::to_string(n); },
                          [](std::uint64_t n) { return std::to_string(n); },
                          [](const std::string& s) { return s; },
                          [this](const auto&) {
                              std::string text;
                              write(text, false);
                              return text;
                          },
                      },
                      m_value);
}

void JsonValue::write(std::string& out, bool indented, int depth) const
{
    std::visit(Overloaded{
                   [&](std::monostate) { out += "null"; },
                   [&](bool b) { out += b ? "true" : "false"; },
                   [&](std::int64_t n) { WriteNumber(out, n); },
                   [&](std::uint64_t n) { WriteNumber(out, n); },
                   [&](const std::string& s) { WriteJsonString(out, s); },
                   [&](const JsonArray& array) {
                       out += '[';
                       for (std::size_t i = 0; i < array.size(); ++i) {
                           if (i > 0)
                               out += ',';
                           Indent(out, indented, depth + 1);
                           array[i].write(out, indented, depth + 1);
                       }
                       if (!array.empty())
                           Indent(out, indented, depth);
                       out += ']';
                   },
                   [&](const JsonObject& object) {
                       JsonObjectWriter writer(out, indented, depth);
                       for (const auto& [key, value] : object)
                           writer.member(key, value);
                       writer.close();
                   },
               },
               m_value);
}

JsonObjectWriter::JsonObjectWriter(std::string& out, bool indented, int depth)
    : m_out(out), m_indented(indented), m_depth(depth)
{
    m_out += '{';
}

void JsonObjectWriter::member(std::string_view key, const JsonValue& value)
{
    this->key(key);
    value.write(m_out, m_indented, valueDepth());
}

void JsonObjectWriter::key(std::string_view key)
{
    if (!m_empty)
        m_out += ',';
    m_empty = false;
    Indent(m_out, m_indented, m_depth + 1);
    // Keys are the program's own names, which need no escape.
    m_out += '"';
    m_out += key;
    m_out.append(m_indented ? "\": " : "\":");
}

void JsonObjectWriter::close()
{
    if (!m_empty)
        Indent(m_out, m_indented, m_depth);
    m_out += '}';
}

std::string JsonText(const JsonValue& value, bool indented)
{
    std::string text;
    text.reserve(1024);
    value.write(text, indented);
    text += '\n';
    return text;
}
