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
    std::size_t plain = 0; // start of the characters not yet written
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        out += '\\';
        if (c == '"' || c == '\\') {
            out += char(c);
        } else {
            out += "u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    out.append(text, plain, std::string::npos);
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
    value.write(text, indented);
    text += '\n';
    return text;
}
