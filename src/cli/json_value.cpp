#include "cli/json_value.h"

namespace {

void Indent(std::string& out, bool indented, int depth)
{
    if (indented) {
        out += '\n';
        out.append(std::size_t(depth) * 4, ' ');
    }
}

bool NeedsEscape(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
}

void WriteString(std::string& out, std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
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
                   [&](std::int64_t n) { out += std::to_string(n); },
                   [&](std::uint64_t n) { out += std::to_string(n); },
                   [&](const std::string& s) { WriteString(out, s); },
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
                       out += '{';
                       for (std::size_t i = 0; i < object.size(); ++i) {
                           if (i > 0)
                               out += ',';
                           Indent(out, indented, depth + 1);
                           WriteString(out, object[i].first);
                           out += indented ? ": " : ":";
                           object[i].second.write(out, indented, depth + 1);
                       }
                       if (!object.empty())
                           Indent(out, indented, depth);
                       out += '}';
                   },
               },
               m_value);
}

std::string JsonText(const JsonValue& value, bool indented)
{
    std::string text;
    text.reserve(1024);
    value.write(text, indented);
    text += '\n';
    return text;
}
