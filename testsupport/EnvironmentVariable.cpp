#include <testsupport/EnvironmentVariable.h>

#include <files/Utf8Path.h>

#include <cstdlib>

namespace testsupport {

EnvironmentVariable::EnvironmentVariable(const char* name, const char* value)
    : name_(name), was_(get(name))
{
    set(name, value);
}

EnvironmentVariable::~EnvironmentVariable()
{
    set(name_.c_str(), was_ ? was_->c_str() : nullptr);
}

#ifdef _WIN32
std::optional<std::string> EnvironmentVariable::get(const char* name)
{
    const wchar_t* value = _wgetenv(files::fromUtf8(name).c_str());
    if (!value)
        return std::nullopt;
    return files::toUtf8(std::filesystem::path(value));
}

void EnvironmentVariable::set(const char* name, const char* value)
{
    // an empty value removes the variable on Windows
    _wputenv_s(files::fromUtf8(name).c_str(), value ? files::fromUtf8(value).c_str() : L"");
}
#else
std::optional<std::string> EnvironmentVariable::get(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void EnvironmentVariable::set(const char* name, const char* value)
{
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}
#endif

}  // namespace testsupport
