// Failure: the exception that ends an operation with a message for the user; the program keeps running.
#pragma once

#include <stdexcept>
#include <string>

namespace qm {

/// Thrown when an operation cannot go on: bad input, a store limit, a file error. The window shows
/// what() in a message box and carries on; whoever throws leaves the program's state as it was.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Checks a limit or an invariant; on failure ends the operation with the given message.
inline void Check(bool condition, const std::string& message)
{
    if (!condition) throw Failure(message);
}

/// Message of a checked index or arithmetic overflow that has no message of its own.
inline constexpr const char* RangeError = "Range check error";

}  // namespace qm
