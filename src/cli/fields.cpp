#include "cli/fields.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <system_error>

FieldValue::FieldValue(const JsonValue& value) : m_kind(Kind::Json), m_json(&value)
{
    // Held as a text, a string takes the quick way into a line of JSON.
    if (value.isNull())
        m_kind = Kind::Null;
    else if (const std::string* text = value.text())
        *this = FieldValue(std::string_view(*text));
}

JsonValue FieldValue::toJson() const
{
    switch (m_kind) {
    case Kind::Null:
        return {};
    case Kind::Bool:
        return m_unsigned != 0;
    case Kind::Signed:
        return m_signed;
    case Kind::Unsigned:
        return m_unsigned;
    case Kind::Text:
        return std::string(m_text);
    case Kind::Json:
        return *m_json;
    case Kind::Ipv4:
        return ipv4().toString();
    case Kind::Ipv4Network:
        return net::Ipv4Network::containing(ipv4(), int(m_signed)).toString();
    }
    return {};
}

void FieldValue::writeJson(std::string& out, bool indented, int depth) const
{
    // Texts are written from where they lie; a scalar's JsonValue costs no allocation.
    if (m_kind == Kind::Text)
        WriteJsonString(out, m_text);
    else if (m_kind == Kind::Json)
        m_json->write(out, indented, depth);
    else
        toJson().write(out, indented, depth);
}

std::size_t FieldValue::writeJsonScalar(char* to, std::size_t room) const
{
    const auto literal = [&](std::string_view text) -> std::size_t {
        if (text.size() > room)
            return 0;
        std::memcpy(to, text.data(), text.size());
        return text.size();
    };
    const auto number = [&](auto n) -> std::size_t {
        const auto [end, error] = std::to_chars(to, to + room, n);
        return error == std::errc() ? std::size_t(end - to) : 0;
    };
    switch (m_kind) {
    case Kind::Null:
        return literal("null");
    case Kind::Bool:
        return literal(m_unsigned != 0 ? "true" : "false");
    case Kind::Signed:
        return number(m_signed);
    case Kind::Unsigned:
        return number(m_unsigned);
    case Kind::Text:
        if (m_text.size() + 2 > room || !IsPlainJsonText(m_text))
            return 0;
        to[0] = '"';
        std::memcpy(to + 1, m_text.data(), m_text.size());
        to[m_text.size() + 1] = '"';
        return m_text.size() + 2;
    case Kind::Json:
        return 0;
    case Kind::Ipv4:
    case Kind::Ipv4Network: {
        // Quotes, the address, and "/32" at most.
        if (room < net::Ipv4Address::kTextRoom + 5)
            return 0;
        char* at = to;
        *at++ = '"';
        at += ipv4().writeText(at);
        if (m_kind == Kind::Ipv4Network) {
            *at++ = '/';
            at = std::to_chars(at, at + 2, m_signed).ptr;
        }
        *at++ = '"';
        return std::size_t(at - to);
    }
    }
    return 0;
}

FieldGroup::FieldGroup(std::vector<Field> fields) : m_fields(std::move(fields))
{
    std::string object;
    JsonFieldWriter json(object, false);
    for (const Field& field : m_fields)
        json.add(field.key, field.label, field.value);
    json.close();
    m_jsonMembers = object.substr(1, object.size() - 2);
}

void FieldSink::add(const FieldGroup& group)
{
    for (const Field& field : group.fields())
        add(field.key, field.label, field.value);
}

namespace {

// One of 64 bits for a key, from its length and its ends.
std::uint64_t KeyBit(std::string_view key)
{
    const auto hash = key.size() * 7 + std::size_t(key.front()) + std::size_t(key.back()) * 3;
    return std::uint64_t{1} << (hash % 64);
}

} // namespace

ChosenFields::ChosenFields(const std::vector<std::string>& names, Form form)
    : m_names(names), m_form(form), m_spans(names.size())
{
    m_values.reserve(256);
    for (const std::string& name : names)
        m_nameBits |= name.empty() ? 0 : KeyBit(name);
}

void ChosenFields::add(std::string_view key, std::string_view /*label*/, const FieldValue& value)
{
    // Most keys are not asked for, and one test of a bit says so: a batch hands over thirty
    // keys a line, and comparing each with every name cost more than the answer.
    if (key.empty() || (m_nameBits & KeyBit(key)) == 0)
        return;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] != key)
            continue;
        const std::size_t at = m_values.size();
        if (m_form == Form::Lines)
            m_values += value.toJson().plainText();
        else
            value.writeJson(m_values, m_form == Form::JsonDocument, 1);
        m_spans[i] = {at, m_values.size() - at};
    }
}

const std::string* ChosenFields::missing() const
{
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_spans[i].size == std::string::npos)
            return &m_names[i];
    }
    return nullptr;
}

std::string ChosenFields::text() const
{
    const auto value = [&](std::size_t i) {
        return std::string_view(m_values).substr(m_spans[i].at, m_spans[i].size);
    };
    std::string text;
    text.reserve(m_values.size() + 32 * m_names.size());
    if (m_form == Form::Lines) {
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            text += value(i);
            text += '\n';
        }
        return text;
    }
    JsonObjectWriter object(text, m_form == Form::JsonDocument);
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        object.key(m_names[i]);
        text += value(i);
    }
    object.close();
    text += '\n';
    return text;
}

std::string AlignedText(const std::vector<Field>& fields)
{
    std::size_t width = 0;
    for (const Field& field : fields)
        width = std::max(width, field.label.size());
    std::string text;
    for (const Field& field : fields) {
        if (field.label.empty())
            continue;
        text += field.label;
        text += ':';
        text.append(width + 3 - field.label.size() - 1, ' ');
        text += field.value.plainText();
        text += '\n';
    }
    return text;
}

JsonObject JsonObjectOf(const std::vector<Field>& fields)
{
    JsonObject object;
    object.reserve(fields.size());
    for (const Field& field : fields) {
        if (!field.key.empty())
            object.emplace_back(field.key, field.value);
    }
    return object;
}

void JsonFieldWriter::add(std::string_view key, std::string_view /*label*/, const FieldValue& value)
{
    if (key.empty())
        return;
    if (!m_object.indented()) {
        // ,"key":value composed here and appended once: a batch line has thirty members, and
        // appends piece by piece cost more than the answer's arithmetic.
        char text[256];
        const std::size_t keyed = m_object.writeKey(text, sizeof text, key);
        if (keyed > 0) {
            const std::size_t scalar = value.writeJsonScalar(text + keyed, sizeof text - keyed);
            m_out.append(text, keyed + scalar);
            if (scalar == 0)
                value.writeJson(m_out, false, m_object.valueDepth());
            return;
        }
    }
    m_object.key(key);
    value.writeJson(m_out, m_object.indented(), m_object.valueDepth());
}

void JsonFieldWriter::add(const FieldGroup& group)
{
    if (m_object.indented() || group.jsonMembers().empty())
        FieldSink::add(group);
    else
        m_object.members(group.jsonMembers());
}
