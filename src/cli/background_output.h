#pragma once

// Standard output for a batch into a file or pipe: answers gather in one block while the
// block before is written by a second thread, so the kernel's copying of hundreds of
// megabytes runs beside the answering instead of after it. Small outputs never start the
// thread: they are written once, at the end.

#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

class BackgroundOutput
{
public:
    // Large enough that a write costs the kernel little per byte, small enough that the two
    // blocks stay in the cache.
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

    explicit BackgroundOutput(int fd);
    BackgroundOutput(const BackgroundOutput&) = delete;
    BackgroundOutput& operator=(const BackgroundOutput&) = delete;
    ~BackgroundOutput();

    // Appends the text, and writes the block when it is full, with whatever was appended
    // to gathering() since.
    void write(std::string_view text);
    std::string& gathering() { return m_filling; }
    // Writes what is left and waits for it: false when any of the output could not be
    // written (a full disk, a closed pipe).
    bool finish();

private:
    void handOver();
    void writeBlocks();
    bool writeAll(std::string_view text) const;

    int m_fd;
    std::string m_filling;
    std::string m_handed; // the block the thread writes; empty when it is idle
    bool m_closing = false;
    bool m_failed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};
