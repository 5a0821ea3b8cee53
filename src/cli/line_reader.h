#pragma once

// Lines of a C stream, of any length and with any bytes (NUL included), without their
// line end. C streams rather than iostreams: those would bring their locale set-up into
// every start of ferol-calc.

#include <cstdio>
#include <string>

class LineReader
{
public:
    explicit LineReader(std::FILE* stream) : m_stream(stream) {}
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False at the end of the stream.
    bool next(std::string& line);

private:
    std::FILE* m_stream;
    char* m_buffer = nullptr;
    std::size_t m_capacity = 0;
};
