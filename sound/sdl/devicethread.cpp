// devicethread.cpp: the queue of SDL audio calls and the thread that works through it.
#include "devicethread.h"

#include <thread>
#include <utility>

namespace varn {

DeviceThread::DeviceThread() {
    std::thread([this] { run(); }).detach();
}

void DeviceThread::post(std::function<void()> job) {
    // Never destroyed: the thread may still be inside the sound library when the process ends.
    static DeviceThread* const thread = new DeviceThread;
    {
        const std::lock_guard lock(thread->m_mutex);
        thread->m_jobs.push_back(std::move(job));
    }
    thread->m_posted.notify_one();
}

void DeviceThread::run() {
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_posted.wait(lock, [this] { return !m_jobs.empty(); });
        const std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job();
    }
}

}  // namespace varn
