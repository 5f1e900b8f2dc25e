#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class CheckpointStore;

// Writes checkpoints on a thread of its own, so that the heartbeat never waits for the disk (a
// durable write takes milliseconds). Every operation keeps the order in which it was asked for: a
// removal or a write that must be done now waits for a write in progress and drops one that has
// not begun, which a newer state makes useless anyway.
class CCheckpointWriter {
public:
    explicit CCheckpointWriter(CheckpointStore& store);
    // Finishes a write that was asked for.
    ~CCheckpointWriter();
    CCheckpointWriter(const CCheckpointWriter&) = delete;
    CCheckpointWriter& operator=(const CCheckpointWriter&) = delete;

    // Written soon; a newer text replaces one not yet begun.
    void Post(std::string text);
    // Written before it returns; false when it could not be written.
    bool Write(const std::string& text);
    bool Remove();
    // The checkpoint kept for the next start under a name of its own (CheckpointStore::KeepUnlogged).
    std::string KeepUnlogged();
    // Whether the last checkpoint could not be written.
    bool HasFailed() const { return m_failed; }

private:
    void Run();
    // Holding the lock once no write is in progress, with nothing left to begin.
    std::unique_lock<std::mutex> Quiet();

    CheckpointStore& m_store;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::string> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    std::atomic<bool> m_failed = false;
    std::thread m_thread; // started last, once everything it uses is there
};
