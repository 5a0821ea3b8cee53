#pragma once

// What a parse gives back: the value, or the reason it was refused. IPv4 and IPv6 parsers
// share the reasons, so a caller words a refusal once whatever the family.

#include <cassert>
#include <utility>
#include <variant>

namespace net {

enum class ParseError
{
    Empty,             // nothing given
    Malformed,         // not the shape of an address, network or number
    LeadingZero,       // "010" would read as octal somewhere else, so it is refused
    OutOfRange,        // a field or number beyond its largest value
    BadPrefixLength,   // after "/": not a length the family allows
    NonContiguousMask, // after "/": not a mask of leading ones (malformed, or with a gap)
    HostBitsSet,       // a network written with host bits where none may be
    ZoneIndex,         // an IPv6 zone ("%eth0") names a link of one host, not an address
};

// `Error` is ParseError but where a parser can say more (where, and which rule broke).
template <typename T, typename Error = ParseError> class Parsed
{
public:
    Parsed(T value) : m_state(std::move(value)) {}
    Parsed(Error error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const
    {
        assert(ok());
        return std::get<T>(m_state);
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const
    {
        assert(!ok());
        return std::get<Error>(m_state);
    }

private:
    std::variant<T, Error> m_state;
};

} // namespace net
