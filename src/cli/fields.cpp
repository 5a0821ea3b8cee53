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
    // Texts are written from where they lie, and other scalars with no string made.
    char scalar[64];
    if (m_kind == Kind::Text)
        WriteJsonString(out, m_text);
    else if (m_kind == Kind::Json)
        m_json->write(out, indented, depth);
    else
        out.append(scalar, writeJsonScalar(scalar, sizeof scalar));
}

FieldGroup::FieldGroup(std::vector<Field> fields) : m_fields(std::move(fields))
{
    std::string object;
    JsonLineWriter json(object);
    for (const Field& field : m_fields) {
        json.add(field.key, field.label, field.value);
        m_keyBits |= field.key.bit();
    }
    json.close();
    m_jsonMembers = object.substr(1, object.size() - 2);
}

void FieldSink::add(const FieldGroup& group)
{
    for (const Field& field : group.fields())
        add(field.key, field.label, field.value);
}

ChosenFields::ChosenFields(const std::vector<std::string>& names, Form form)
    : m_names(names), m_form(form), m_spans(names.size())
{
    m_values.reserve(256);
    for (const std::string& name : names)
        m_nameBits |= name.empty() ? 0 : FieldKey::BitOf(name);
}

void ChosenFields::add(const FieldGroup& group)
{
    if ((m_nameBits & group.keyBits()) == 0)
        return;
    for (const Field& field : group.fields())
        add(field.key, field.label, field.value);
}

void ChosenFields::keep(const FieldKey& key, const FieldValue& value)
{
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] != key.name())
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
    if (m_form == Form::JsonLine) {
        // {"name":value,...} laid out in one go: a batch writes one a line, and piece by
        // piece appends cost more than the values.
        std::size_t size = 3; // the braces and the newline
        for (std::size_t i = 0; i < m_names.size(); ++i)
            size += std::size_t(i > 0) + m_names[i].size() + 3 + m_spans[i].size;
        text.resize(size);
        char* to = text.data();
        *to++ = '{';
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (i > 0)
                *to++ = ',';
            *to++ = '"';
            to = std::copy(m_names[i].begin(), m_names[i].end(), to);
            *to++ = '"';
            *to++ = ':';
            const std::string_view written = value(i);
            to = std::copy(written.begin(), written.end(), to);
        }
        *to++ = '}';
        *to = '\n';
        return text;
    }
    JsonObjectWriter object(text, true);
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
            object.emplace_back(field.key.name(), field.value);
    }
    return object;
}

void JsonFieldWriter::add(const FieldKey& key, std::string_view /*label*/, const FieldValue& value)
{
    if (key.empty())
        return;
    m_object.key(key.name());
    value.writeJson(m_out, true, m_object.valueDepth());
}

void JsonLineWriter::flush()
{
    m_out.append(m_line, m_used);
    m_used = 0;
}

void JsonLineWriter::add(const FieldGroup& group)
{
    const std::string_view members = group.jsonMembers();
    if (members.empty())
        return;
    if (m_used + 1 + members.size() > sizeof m_line)
        flush();
    if (1 + members.size() > sizeof m_line) {
        m_out += ',';
        m_out += members;
    } else {
        m_line[m_used] = ',';
        std::memcpy(m_line + m_used + 1, members.data(), members.size());
        m_used += 1 + members.size();
    }
}

void JsonLineWriter::close(std::string_view then)
{
    assert(then.size() < kValueRoom);
    if (m_used + 2 + then.size() > sizeof m_line)
        flush();
    // Every member was written after a comma, and the first comma opens the object.
    if (m_used == 0 && m_out.size() == m_start)
        m_line[m_used++] = ',';
    m_line[m_used++] = '}';
    m_used = std::size_t(std::copy(then.begin(), then.end(), m_line + m_used) - m_line);
    flush();
    m_out[m_start] = '{';
}
