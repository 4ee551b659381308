#pragma once

#include <exception>
#include <string>

namespace velmora::store {

// Outcome of an operation that touches the disk: success, or a message in Greek that a window or
// the command-line tool can show as it stands.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message);
    // The failure that an exception nobody expected stands for.
    static Status unexpected(std::exception_ptr exception);

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    Status() = default;
    bool ok_ = true;
    std::string message_;
};

} // namespace velmora::store
