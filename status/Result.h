#pragma once

#include <status/Status.h>

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace status {

// What an operation of the engine gives back when it makes a value and can fail: the value, or
// the Status of its failure (a French reason, or a cancelled run).
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Status failed) : status_(std::move(failed)) { assert(!status_.ok()); }

    bool ok() const { return status_.ok(); }
    explicit operator bool() const { return ok(); }
    const Status& status() const { return status_; }
    // Empty on success and for a cancelled run.
    const std::string& why() const { return status_.why(); }
    // Only on success.
    const T& value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // The same, for a value taken out of it.
    T& value() { return *value_; }
    T& operator*() { return *value_; }
    T* operator->() { return &*value_; }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace status
