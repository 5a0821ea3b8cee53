#include "cli/background_output.h"

#include <cerrno>
#include <system_error>

#include <unistd.h>

namespace {

// A block is written once it is full, so it holds a block and the answer that filled it:
// with room for that, a block is never moved to grow.
constexpr std::size_t kBlockRoom = BackgroundOutput::kBlockSize + (std::size_t{64} << 10);

} // namespace

BackgroundOutput::BackgroundOutput(int fd) : m_fd(fd)
{
    m_filling.reserve(kBlockRoom);
}

BackgroundOutput::~BackgroundOutput()
{
    finish();
}

void BackgroundOutput::write(std::string_view text)
{
    m_filling += text;
    if (m_filling.size() >= kBlockSize)
        handOver();
}

void BackgroundOutput::handOver()
{
    if (!m_thread.joinable()) {
        m_handed.reserve(kBlockRoom); // the block filled next
        try {
            m_thread = std::thread(&BackgroundOutput::writeBlocks, this);
        } catch (const std::system_error&) {
            // No second thread to be had: the block is written here instead.
            m_failed = !writeAll(m_filling) || m_failed;
            m_filling.clear();
            return;
        }
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_handed.empty(); });
    // The writer empties each block it is done with, so the swap leaves an empty one here.
    m_handed.swap(m_filling);
    m_changed.notify_all();
}

void BackgroundOutput::writeBlocks()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_handed.empty() || m_closing; });
        if (m_handed.empty())
            return;
        // The block is the thread's alone until it is emptied, so it is written unlocked.
        lock.unlock();
        const bool written = writeAll(m_handed);
        lock.lock();
        m_failed = m_failed || !written;
        m_handed.clear();
        m_changed.notify_all();
    }
}

bool BackgroundOutput::writeAll(std::string_view text) const
{
    while (!text.empty()) {
        const ssize_t written = ::write(m_fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

bool BackgroundOutput::finish()
{
    if (m_thread.joinable()) {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_handed.empty(); });
            m_closing = true;
            m_changed.notify_all();
        }
        m_thread.join();
    }
    if (!m_filling.empty()) {
        m_failed = !writeAll(m_filling) || m_failed;
        m_filling.clear();
    }
    return !m_failed;
}
