// The kept worker thread behind onBothCores: it sleeps on a condition variable between calls
// and is stopped and joined when the program ends.

#include "BothCores.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zuv {

namespace {

class Worker {
public:
    Worker() : thread_([this] { loop(); }) {}
    ~Worker() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

    void run(const std::function<void(int)>& work) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job_ = &work;
        }
        wake_.notify_all();
        work(0);
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return job_ == nullptr; });
    }

private:
    void loop() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || job_ != nullptr; });
            if (quit_) return;
            const std::function<void(int)>* job = job_;
            lock.unlock();
            (*job)(1);
            lock.lock();
            job_ = nullptr;
            wake_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    const std::function<void(int)>* job_ = nullptr;
    bool quit_ = false;
    std::thread thread_;  // last: it starts once the members it uses exist
};

}  // namespace

void onBothCores(const std::function<void(int part)>& work) {
    static Worker worker;
    worker.run(work);
}

}  // namespace zuv
