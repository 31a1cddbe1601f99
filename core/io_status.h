#pragma once

#include <string>
#include <utility>

namespace tarlen {

// The outcome of a file operation: success, or a failure with a reason the user can read.
class IoStatus {
public:
    static IoStatus success() { return IoStatus(); }
    static IoStatus failure(std::string reason) { return IoStatus(std::move(reason)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string &reason() const { return reason_; }

private:
    IoStatus() = default;
    explicit IoStatus(std::string reason) : failed_(true), reason_(std::move(reason)) {}

    bool failed_ = false;
    std::string reason_;
};

} // namespace tarlen
