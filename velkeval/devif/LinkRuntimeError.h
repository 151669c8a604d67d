#pragma once

#include <cstdint>
#include <string>

#include "LinkError.h"

namespace velk {

// A run-time error a link raises with an error number and the name of its
// source, as the hardware reported it: the caller reports it as a failure
// to communicate.
class LinkRuntimeError : public LinkError {
public:
    LinkRuntimeError(uint32_t number, std::string source, const std::string& description)
        : LinkError(description), number_(number), source_(std::move(source))
    {
    }

    uint32_t number() const { return number_; }
    const std::string& source() const { return source_; }

private:
    uint32_t number_;
    std::string source_;
};

}  // namespace velk
