#include "cli/json_value.h"

namespace {

void Indent(std::string& out, bool indented, int depth)
{
    if (indented) {
        out += '\n';
        out.append(std::size_t(depth) * 4, ' ');
    }
}

void WriteString(std::string& out, const std::string& text)
{
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[(c >> 4) & 15];
                out += kHex[c & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

template <typename... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

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
    value.write(text, indented);
    text += '\n';
    return text;
}
