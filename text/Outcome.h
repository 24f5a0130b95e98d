#pragma once

#include <system_error>

// What an operation that can fail returns: its value, and beside it what went wrong, empty when
// nothing did. The problem is a std::error_code for what the system refused, or the layer's
// problem type for what is wrong with the content; the text for the user is made from it by the
// layer's Describe… function, never by the operation.
template <typename Value, typename Problem = std::error_code>
struct Outcome {
    Value value{};
    Problem problem{};
};
