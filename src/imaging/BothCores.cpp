// The kept worker thread behind onBothCores. A call posts its second part; whichever thread
// takes it first (the worker, or the caller once its own part is done) runs it, so a sleeping
// worker costs the caller nothing but the wake-up call. Between calls the worker watches for
// the next one for a short while before it sleeps on a condition variable; it is stopped and
// joined when the program ends.

#include "BothCores.h"

#include "VectorPath.h"

#if ZUV_X86_VECTORS
#include <emmintrin.h>
#endif

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace zuv {

namespace {

// How long the worker keeps watching after a call: longer than the gap between the pictures of
// one screen, short enough that an idle program does not keep a core busy.
constexpr std::chrono::microseconds kStayAwake{200};

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
        job_ = &work;
        pause_.store(vectorPath(), std::memory_order_relaxed);
        state_.store(Posted);
        if (sleeping_.load()) {
            std::lock_guard<std::mutex> lock(mutex_);
            wake_.notify_all();
        }
        work(0);
        int posted = Posted;
        if (state_.compare_exchange_strong(posted, Idle)) {
            work(1);  // the worker did not get to it
            return;
        }
        // The worker is running the second part, about as long as the first.
        for (int spins = 0; state_.load(std::memory_order_acquire) != Done; ++spins)
            spins < 4096 ? spinTurn() : std::this_thread::yield();
        state_.store(Idle, std::memory_order_relaxed);
    }

private:
    enum State { Idle, Posted, Taken, Done };

    void loop() {
        for (;;) {
            if (!watchForWork()) {
                std::unique_lock<std::mutex> lock(mutex_);
                sleeping_.store(true);
                wake_.wait(lock, [this] { return quit_ || state_.load() == Posted; });
                sleeping_.store(false);
                if (quit_) return;
            }
            int posted = Posted;
            if (state_.compare_exchange_strong(posted, Taken)) {
                (*job_)(1);
                state_.store(Done, std::memory_order_release);
            }
        }
    }

    // One turn of a spin-wait: x86's pause, which spares the other hyperthread and the memory
    // order machinery, with the vector forms; a plain turn in the portable form. The choice is
    // taken once a call, beside the state both threads spin on, so that a spin reads no other
    // cache line (one the cores write while inflating would slow them both).
    void spinTurn() const {
#if ZUV_X86_VECTORS
        if (pause_.load(std::memory_order_relaxed)) _mm_pause();
#endif
    }

    // True as soon as a call is posted, false when none came within kStayAwake.
    bool watchForWork() const {
        const auto until = std::chrono::steady_clock::now() + kStayAwake;
        do {
            for (int i = 0; i < 64; ++i) {
                if (state_.load(std::memory_order_relaxed) == Posted) return true;
                spinTurn();
            }
        } while (std::chrono::steady_clock::now() < until);
        return false;
    }

    std::atomic<int> state_{Idle};
    std::atomic<bool> pause_{vectorPath()};  // spin with x86's pause
    std::atomic<bool> sleeping_{false};
    const std::function<void(int)>* job_ = nullptr;  // written before state_ becomes Posted
    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;   // under mutex_
    std::thread thread_;  // last: it starts once the members it uses exist
};

}  // namespace

void onBothCores(const std::function<void(int part)>& work) {
    static Worker worker;
    worker.run(work);
}

}  // namespace zuv
