// Failure: the exception that ends an operation with a message for the user; the program keeps running.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace qm {

/// Thrown when an operation cannot go on: bad input, a store limit, a file error. The window shows
/// what() in a message box and carries on; whoever throws leaves the program's state as it was.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Checks a limit or an invariant; on failure ends the operation with the given message.
inline void Check(bool condition, std::string_view message)
{
    if (!condition) throw Failure(std::string(message));
}

/// The same for a message that costs something to build (numbers, names): makeMessage runs only when
/// the check fails, so checks inside loops over large inputs stay cheap.
template <typename MakeMessage>
    requires std::is_invocable_r_v<std::string, MakeMessage>
inline void Check(bool condition, MakeMessage&& makeMessage)
{
    if (!condition) throw Failure(std::forward<MakeMessage>(makeMessage)());
}

/// Message of a checked index or arithmetic overflow that has no message of its own.
inline constexpr const char* RangeError = "Range check error";

}  // namespace qm
