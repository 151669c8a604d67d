#pragma once

#include <stdexcept>

namespace velk::cli {

// Wrong use of the command line: an unknown command or option, a missing or
// malformed argument. Exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not do its work: a file, a description, a link, a
// chip that does not answer, a value the model refuses. Exit status 1.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velk::cli
