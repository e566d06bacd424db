#include <files/RandomLetters.h>

#include <random>

namespace files {

std::string randomLetters()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string text(6, 'x');
    for (char& c : text)
        c = letters[pick(random)];
    return text;
}

}  // namespace files
