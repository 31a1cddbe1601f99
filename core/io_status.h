#pragma once

#include <string>
#include <utility>

namespace tarlen {

// The outcome of a file operation: success, or a failure with a reason the user can read and,
// when the system gave one, its error number (errno).
class IoStatus {
public:
    static IoStatus success() { return IoStatus(); }
    static IoStatus failure(std::string reason, int error = 0)
    {
        return IoStatus(std::move(reason), error);
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string &reason() const { return reason_; }
    int error() const { return error_; }

private:
    IoStatus() = default;
    IoStatus(std::string reason, int error)
        : failed_(true), reason_(std::move(reason)), error_(error)
    {
    }

    bool failed_ = false;
    std::string reason_;
    int error_ = 0;
};

} // namespace tarlen
