#pragma once

// Lines of a C stream without their line end, read through one fixed buffer so that memory
// stays flat whatever the input: a line longer than the limit is passed over (and said to
// be), never held whole. C streams rather than iostreams: those would bring their locale
// set-up into every start of ferol-calc. A byte-order mark before the first line is no
// part of it.

#include <cstdio>
#include <memory>
#include <string_view>

// The longest line a batch answers; longer ones are refused by number.
inline constexpr std::size_t kLineLimit = 4096;

class LineReader
{
public:
    enum class Status
    {
        Line,    // `line` holds the next line
        TooLong, // the next line was longer than the limit and has been passed over
        End,     // the stream ended
        Failed,  // the stream could not be read: errorNumber() says why
    };

    explicit LineReader(std::FILE* stream, std::size_t limit = kLineLimit);

    // `line` stays valid until the next call.
    Status next(std::string_view& line);
    int errorNumber() const { return m_error; }

private:
    // Reads more after the bytes kept from m_start; false at the end or on failure.
    bool fill();

    std::FILE* m_stream;
    std::size_t m_limit;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_start = 0; // the first byte not yet handed out
    std::size_t m_end = 0;   // one past the last byte read
    bool m_first = true;
    bool m_atEnd = false;
    int m_error = 0;
};
