#include "cli/line_reader.h"

#include <cstdio>
#include <cstdlib>

LineReader::~LineReader()
{
    std::free(m_buffer);
}

bool LineReader::next(std::string& line)
{
    // POSIX getline, which glibc declares with the C stream functions.
    const ssize_t length = ::getline(&m_buffer, &m_capacity, m_stream);
    if (length < 0)
        return false;
    line.assign(m_buffer, std::size_t(length));
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    return true;
}
