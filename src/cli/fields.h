#pragma once

// The values of one summary, handed over one by one as a command makes them, to whichever
// form was asked for: the JSON form writes each straight into the answer, so a batch of a
// million lines builds no list of values in between; --field keeps only the values it names;
// the text form keeps them all, since it aligns their labels.

#include "cli/json_value.h"
#include "net/ipv4_network.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A field's JSON key, with the comma and quotes a line of JSON puts around it made when the
// program is compiled: a batch writes thirty keys a line, a million lines, and each is now
// one fixed-size copy. Made from the program's own literals only; a key too long for the
// room is refused by the compiler.
class FieldKey
{
public:
    static constexpr std::size_t kRoom = 32;

    constexpr FieldKey() = default; // no key: a line of the text form only
    template <std::size_t N>
    consteval FieldKey(const char (&name)[N])
        : m_size(N == 1 ? 0 : N + 3), m_bit(N == 1 ? 0 : BitOf(name))
    {
        static_assert(N + 3 <= kRoom, "a field key must fit in FieldKey::kRoom");
        if (N == 1)
            return;
        m_member[0] = ',';
        m_member[1] = '"';
        for (std::size_t i = 0; i + 1 < N; ++i)
            m_member[i + 2] = name[i];
        m_member[N + 1] = '"';
        m_member[N + 2] = ':';
    }

    bool empty() const { return m_size == 0; }
    std::string_view name() const
    {
        return empty() ? std::string_view() : std::string_view(m_member + 2, m_size - 4);
    }
    // ,"name": and its size; kRoom bytes may be copied whatever the size.
    const char* member() const { return m_member; }
    std::size_t memberSize() const { return m_size; }

    // One of 64 bits for a name, from its length and its ends, so that a sink looking for a
    // few names passes most keys with one test; 0 for no key.
    static constexpr std::uint64_t BitOf(std::string_view name)
    {
        const auto hash =
            name.size() * 7 + std::size_t(name.front()) + std::size_t(name.back()) * 3;
        return std::uint64_t{1} << (hash % 64);
    }
    std::uint64_t bit() const { return m_bit; }

private:
    char m_member[kRoom] = {};
    std::size_t m_size = 0;
    std::uint64_t m_bit = 0;
};

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
    // The program's own text, with nothing in it to escape (a zone's name, a status): a
    // batch writes it without looking for quotes and controls. Debug builds check.
    static FieldValue plainText(std::string_view text)
    {
        assert(IsPlainJsonText(text));
        FieldValue value(text);
        value.m_plain = true;
        return value;
    }
    // Written from the number itself into a line of JSON, with no string made in between.
    FieldValue(net::Ipv4Address address) : m_kind(Kind::Ipv4), m_unsigned(address.value()) {}
    FieldValue(std::optional<net::Ipv4Address> address)
        : m_kind(address ? Kind::Ipv4 : Kind::Null), m_unsigned(address ? address->value() : 0)
    {}
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
    bool m_plain = false; // m_text is known to need no escape
    const JsonValue* m_json = nullptr;
};

// A field kept, for the forms that need all of them before they write.
struct Field
{
    FieldKey key;
    std::string_view label; // the program's own literals, so a view
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
    // The bits of all its keys.
    std::uint64_t keyBits() const { return m_keyBits; }

private:
    std::vector<Field> m_fields;
    std::string m_jsonMembers;
    std::uint64_t m_keyBits = 0;
};

class FieldSink
{
public:
    // `key` empty: a line of the text form only; `label` empty: a JSON key only.
    virtual void add(const FieldKey& key, std::string_view label, const FieldValue& value) = 0;
    virtual void add(const FieldGroup& group);

protected:
    ~FieldSink() = default;
};

class FieldList final : public FieldSink
{
public:
    using FieldSink::add;
    void add(const FieldKey& key, std::string_view label, const FieldValue& value) override
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
    // Most keys are not asked for, and one test of a bit, made where the command hands the
    // value over, says so: a batch hands over thirty keys a line.
    void add(const FieldKey& key, std::string_view /*label*/, const FieldValue& value) override
    {
        if ((m_nameBits & key.bit()) != 0)
            keep(key, value);
    }
    void add(const FieldGroup& group) override;
    // The first name no field had, or nothing when every name was found.
    const std::string* missing() const;
    // The answer, when none is missing.
    std::string text() const;

private:
    void keep(const FieldKey& key, const FieldValue& value);

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

// The JSON object, indented, written member by member into `out` as fields arrive; close()
// ends it.
class JsonFieldWriter final : public FieldSink
{
public:
    explicit JsonFieldWriter(std::string& out) : m_out(out), m_object(out, true) {}
    using FieldSink::add;
    void add(const FieldKey& key, std::string_view label, const FieldValue& value) override;
    void close() { m_object.close(); }

private:
    std::string& m_out;
    JsonObjectWriter m_object;
};

// The JSON object on one line, for a batch: members are gathered in a buffer of its own and
// appended to `out` a few kilobytes at a time, since appending each piece to a string cost
// more than the answer's arithmetic. close() ends the object, and writes `then` after it
// (a batch's line end).
class JsonLineWriter final : public FieldSink
{
public:
    explicit JsonLineWriter(std::string& out) : m_out(out), m_start(out.size()) {}
    void add(const FieldKey& key, std::string_view label, const FieldValue& value) override;
    // Addresses and counts written as their types say, with no FieldValue in between: they
    // are most of a batch's line.
    void add(const FieldKey& key, std::string_view label, std::optional<net::Ipv4Address> address);
    void add(const FieldKey& key, std::string_view label, net::Ipv4Address address)
    {
        add(key, label, std::optional(address));
    }
    // Exactly a count: a bool or an int would convert to one, and be written as a number.
    template <std::same_as<std::uint64_t> Count>
    void add(const FieldKey& key, std::string_view label, Count count);
    void add(const FieldGroup& group) override;
    void close(std::string_view then = {});

private:
    static constexpr std::size_t kValueRoom = 64; // an address, a number or a short text
    // The member's key written, with room after it for a short value (the buffer emptied
    // when it has none): where the value goes.
    char* startMember(const FieldKey& key);
    void flush();

    std::string& m_out;
    std::size_t m_start; // where the object begins in m_out
    std::size_t m_used = 0;
    char m_line[2048];
};

// Defined here, so that a command that knows its sink and its values' types has the
// writing inlined and the choice of type made when compiled.

[[gnu::always_inline]] inline std::size_t FieldValue::writeJsonScalar(char* to,
                                                                      std::size_t room) const
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
        if (m_text.size() + 2 > room || (!m_plain && !IsPlainJsonText(m_text)))
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

inline char* JsonLineWriter::startMember(const FieldKey& key)
{
    if (m_used + FieldKey::kRoom + kValueRoom > sizeof m_line)
        flush();
    std::memcpy(m_line + m_used, key.member(), FieldKey::kRoom);
    m_used += key.memberSize();
    return m_line + m_used;
}

[[gnu::always_inline]] inline void
JsonLineWriter::add(const FieldKey& key, std::string_view /*label*/, const FieldValue& value)
{
    if (key.empty())
        return;
    const std::size_t written = value.writeJsonScalar(startMember(key), kValueRoom);
    m_used += written;
    if (written == 0) {
        flush();
        value.writeJson(m_out, false, 1);
    }
}

[[gnu::always_inline]] inline void JsonLineWriter::add(const FieldKey& key,
                                                       std::string_view /*label*/,
                                                       std::optional<net::Ipv4Address> address)
{
    if (key.empty())
        return;
    char* const at = startMember(key);
    if (!address) {
        static constexpr std::string_view kNull = "null";
        m_used += std::size_t(std::copy(kNull.begin(), kNull.end(), at) - at);
        return;
    }
    at[0] = '"';
    const std::size_t length = address->writeText(at + 1);
    at[length + 1] = '"';
    m_used += length + 2;
}

template <std::same_as<std::uint64_t> Count>
[[gnu::always_inline]] inline void JsonLineWriter::add(const FieldKey& key,
                                                       std::string_view /*label*/, Count count)
{
    if (key.empty())
        return;
    char* const at = startMember(key);
    m_used += std::size_t(std::to_chars(at, at + kValueRoom, count).ptr - at);
}
