#pragma once

#include <listmaking/dictionary/HunspellChecker.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace listmaking {

// Hunspell over many words at once: one instance per thread, each loaded with the same .aff
// and .dic, since one instance may not be shared between threads. The instances are made and
// destroyed on the calling thread only.
class ParallelChecker {
public:
    // `threads` 0 takes the machine's cores.
    ParallelChecker(const std::string& affPath, const std::string& dicPath, unsigned threads = 0);

    bool isLoaded() const;
    // For each word (the dictionary's spelling), whether Hunspell accepts it. Stops early,
    // returning false, once `cancel` is set.
    bool check(const std::vector<std::string>& words, std::vector<char>& accepted,
               const std::atomic<bool>* cancel = nullptr);

private:
    std::vector<std::unique_ptr<HunspellChecker>> checkers_;
};

}  // namespace listmaking
