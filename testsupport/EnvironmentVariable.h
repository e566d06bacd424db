#pragma once

#include <optional>
#include <string>

namespace testsupport {

// Sets an environment variable (UTF-8), or unsets it when `value` is null, for the life of the
// object, then puts back what was there. On Windows it is set wide, as the programs read it,
// so that an accented user name comes through whole.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value);
    ~EnvironmentVariable();
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

    static std::optional<std::string> get(const char* name);
    static void set(const char* name, const char* value);

private:
    std::string name_;
    std::optional<std::string> was_;
};

}  // namespace testsupport
