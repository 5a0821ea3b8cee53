#pragma once

// The values of one summary, handed over one by one as a command makes them, to whichever
// form was asked for: the JSON form writes each straight into the answer, so a batch of a
// million lines builds no list of values in between; --field keeps only the values it names;
// the text form keeps them all, since it aligns their labels.

#include "cli/json_value.h"
#include "net/ipv4_network.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A value as a command hands it over. It may point into the caller's temporaries, so a
// sink writes or copies it before add() returns.
class FieldValue
{
public:
    FieldValue() = default; // null: "-" in the text form
    FieldValue(bool value) : m_kind(Kind::Bool), m_unsigned(value) {}
    FieldValue(int value) : m_kind(Kind::Signed), m_signed(value) {}
    FieldValue(std::uint64_t value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FieldValue(std::string_view text) : m_kind(Kind::Text), m_text(text) {}
    FieldValue(const std::string& text) : FieldValue(std::string_view(text)) {}
    FieldValue(const char* text) : FieldValue(std::string_view(text)) {}
    FieldValue(const JsonValue& value);
    // Written from the number itself into a line of JSON, with no string made in between.
    FieldValue(net::Ipv4Address address) : m_kind(Kind::Ipv4), m_unsigned(address.value()) {}
    FieldValue(const net::Ipv4Network& network)
        : m_kind(Kind::Ipv4Network), m_signed(network.prefixLength()),
          m_unsigned(network.address().value())
    {}

    JsonValue toJson() const;
    void writeJson(std::string& out, bool indented, int depth) const;
    // Written into `to` when it is a scalar or a text that needs no escape and fits in
    // `room` bytes: the bytes written, or 0 when writeJson() must do it.
    std::size_t writeJsonScalar(char* to, std::size_t room) const;

private:
    net::Ipv4Address ipv4() const { return net::Ipv4Address(std::uint32_t(m_unsigned)); }

    enum class Kind
    {
        Null,
        Bool,
        Signed,
        Unsigned,
        Text,
        Json,
        Ipv4,        // the address in m_unsigned
        Ipv4Network, // and the prefix length in m_signed
    };
    Kind m_kind = Kind::Null;
    std::int64_t m_signed = 0;
    std::uint64_t m_unsigned = 0;
    std::string_view m_text;
    const JsonValue* m_json = nullptr;
};

// A field kept, for the forms that need all of them before they write.
struct Field
{
    std::string_view key; // the program's own literals, so views
    std::string_view label;
    JsonValue value;
};

// Fields that never change, such as those of one special-purpose block: a batch hands the
// same few dozen groups over a million times, so their line of JSON is written once.
class FieldGroup
{
public:
    explicit FieldGroup(std::vector<Field> fields);
    const std::vector<Field>& fields() const { return m_fields; }
    // "key":value,... on one line, no braces.
    std::string_view jsonMembers() const { return m_jsonMembers; }

private:
    std::vector<Field> m_fields;
    std::string m_jsonMembers;
};

class FieldSink
{
public:
    // `key` empty: a line of the text form only; `label` empty: a JSON key only.
    virtual void add(std::string_view key, std::string_view label, const FieldValue& value) = 0;
    virtual void add(const FieldGroup& group);

protected:
    ~FieldSink() = default;
};

class FieldList final : public FieldSink
{
public:
    using FieldSink::add;
    void add(std::string_view key, std::string_view label, const FieldValue& value) override
    {
        m_fields.push_back({key, label, value.toJson()});
    }
    const std::vector<Field>& fields() const { return m_fields; }

private:
    std::vector<Field> m_fields;
};

// Only the fields a list of names asks for, each written as it arrives in the form asked
// for, one after another in one text; the other fields pass by untouched.
class ChosenFields final : public FieldSink
{
public:
    enum class Form
    {
        Lines,        // the values' texts, one a line
        JsonLine,     // an object on one line
        JsonDocument, // an object, indented
    };
    ChosenFields(const std::vector<std::string>& names, Form form);
    using FieldSink::add;
    void add(std::string_view key, std::string_view label, const FieldValue& value) override;
    // The first name no field had, or nothing when every name was found.
    const std::string* missing() const;
    // The answer, when none is missing.
    std::string text() const;

private:
    struct Span
    {
        std::size_t at = 0;
        std::size_t size = std::string::npos; // npos: no such field (yet)
    };

    const std::vector<std::string>& m_names;
    Form m_form;
    std::string m_values;
    std::vector<Span> m_spans;    // each name's value in m_values
    std::uint64_t m_nameBits = 0; // a bit for each name, so most other keys pass at once
};

// Labels padded to one column, each line ended by a newline.
std::string AlignedText(const std::vector<Field>& fields);
JsonObject JsonObjectOf(const std::vector<Field>& fields);

// The JSON object written member by member into `out` as fields arrive; close() ends it.
class JsonFieldWriter final : public FieldSink
{
public:
    JsonFieldWriter(std::string& out, bool indented) : m_out(out), m_object(out, indented) {}
    void add(std::string_view key, std::string_view label, const FieldValue& value) override;
    void add(const FieldGroup& group) override;
    void close() { m_object.close(); }

private:
    std::string& m_out;
    JsonObjectWriter m_object;
};
