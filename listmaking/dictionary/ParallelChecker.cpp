#include <listmaking/dictionary/ParallelChecker.h>

#include <algorithm>
#include <thread>

namespace listmaking {

ParallelChecker::ParallelChecker(const std::string& affPath, const std::string& dicPath,
                                 unsigned threads)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    // one after the other: Hunspell counts its instances in a global table without a lock
    for (unsigned t = 0; t < threads; ++t)
        checkers_.push_back(std::make_unique<HunspellChecker>(affPath, dicPath));
}

bool ParallelChecker::isLoaded() const
{
    return !checkers_.empty() && checkers_.front()->isLoaded();
}

bool ParallelChecker::check(const std::vector<std::string>& words, std::vector<char>& accepted,
                            const std::atomic<bool>* cancel)
{
    accepted.assign(words.size(), 0);
    // small chunks handed out in turn keep both threads busy to the end
    constexpr std::size_t chunk = 2048;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    const auto work = [&](HunspellChecker& checker) {
        for (;;) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const std::size_t first = next.fetch_add(chunk);
            if (first >= words.size())
                return;
            const std::size_t last = std::min(words.size(), first + chunk);
            for (std::size_t i = first; i < last; ++i)
                accepted[i] = checker.accepts(words[i]) ? 1 : 0;
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < checkers_.size(); ++t)
        threads.emplace_back(work, std::ref(*checkers_[t]));
    work(*checkers_.front());
    for (auto& thread : threads)
        thread.join();
    return !stopped;
}

}  // namespace listmaking
