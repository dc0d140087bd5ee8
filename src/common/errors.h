// Error types that end a running command.
#pragma once

#include <stdexcept>
#include <string>

namespace mingshu {

// A content lookup failed: the running command ends without a message.
struct SilentAbort {};

// Any other failure of a command; its message is shown by the general error handler.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const std::string &message) : std::runtime_error(message) {}
};

// A text that cannot be written in GBK.
class EncodingError : public CommandError {
public:
    using CommandError::CommandError;
};

} // namespace mingshu
