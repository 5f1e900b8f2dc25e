#include "metering/CheckpointWriter.h"

#include "metering/CheckpointStore.h"

CCheckpointWriter::CCheckpointWriter(CheckpointStore& store) : m_store(store), m_thread([this] { Run(); }) {}

CCheckpointWriter::~CCheckpointWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CCheckpointWriter::Post(std::string text) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(text);
    }
    m_changed.notify_all();
}

std::unique_lock<std::mutex> CCheckpointWriter::Quiet() {
    std::unique_lock lock(m_mutex);
    m_pending.reset();
    m_changed.wait(lock, [this] { return !m_writing; });
    return lock;
}

bool CCheckpointWriter::Write(const std::string& text) {
    const std::unique_lock lock = Quiet();
    m_failed = !m_store.Write(text);
    return !m_failed;
}

bool CCheckpointWriter::Remove() {
    const std::unique_lock lock = Quiet();
    return m_store.Remove();
}

std::string CCheckpointWriter::KeepUnlogged() {
    const std::unique_lock lock = Quiet();
    return m_store.KeepUnlogged();
}

void CCheckpointWriter::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending) {
            return;
        }
        const std::string text = std::move(*m_pending);
        m_pending.reset();
        m_writing = true;
        lock.unlock();
        const bool written = m_store.Write(text);
        lock.lock();
        m_writing = false;
        m_failed = !written;
        m_changed.notify_all();
    }
}
