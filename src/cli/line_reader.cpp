#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>

LineReader::LineReader(std::FILE* stream, std::size_t limit)
    : m_stream(stream), m_limit(limit), m_buffer(std::make_unique<char[]>(limit * 16)),
      m_capacity(limit * 16)
{}

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    if (m_start > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_start, m_end - m_start);
        m_end -= m_start;
        m_start = 0;
    }
    errno = 0;
    const std::size_t read = std::fread(m_buffer.get() + m_end, 1, m_capacity - m_end, m_stream);
    m_end += read;
    if (read == 0) {
        m_atEnd = true;
        if (std::ferror(m_stream))
            m_error = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

LineReader::Status LineReader::next(std::string_view& line)
{
    if (m_error != 0)
        return Status::Failed;
    std::size_t scanned = m_start; // bytes before this hold no line end
    for (;;) {
        const std::size_t pending = m_end - m_start;
        const void* found = std::memchr(m_buffer.get() + scanned, '\n', m_end - scanned);
        if (found || (m_atEnd && pending > 0) || pending > m_limit) {
            const char* begin = m_buffer.get() + m_start;
            const std::size_t length =
                found ? std::size_t(static_cast<const char*>(found) - begin) : pending;
            if (length > m_limit) {
                // Pass over the rest of the line, one buffer at a time.
                m_start = m_end;
                while (!found && fill()) {
                    found = std::memchr(m_buffer.get(), '\n', m_end);
                    m_start = found ? 0 : m_end;
                }
                m_start = found ? std::size_t(static_cast<const char*>(found) - m_buffer.get()) + 1
                                : m_end;
                m_first = false;
                return m_error != 0 ? Status::Failed : Status::TooLong;
            }
            m_start += found ? length + 1 : length;
            line = std::string_view(begin, length);
            if (m_first && line.substr(0, 3) == "\xEF\xBB\xBF")
                line.remove_prefix(3);
            m_first = false;
            return Status::Line;
        }
        scanned = m_end;
        const std::size_t kept = m_start;
        if (!fill()) {
            if (m_error != 0)
                return Status::Failed;
            if (m_end == m_start)
                return Status::End;
            // A last line without a line end: answered on the next turn.
        }
        scanned -= kept;
    }
}
