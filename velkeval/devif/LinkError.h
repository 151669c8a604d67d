#pragma once

#include <stdexcept>

namespace velk {

// A failure of a link operation (a setting or an argument that does not
// convert, a link that cannot be built). The command that started the work
// catches it and reports its description.
class LinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velk
