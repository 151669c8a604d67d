#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "AttributeList.h"

namespace velk {

// Attributes given as name/value pairs; reading index `failAt` throws.
class FakeAttributes : public AttributeList {
public:
    explicit FakeAttributes(std::vector<std::pair<std::string, std::string>> attributes, int failAt = -1)
        : attributes_(std::move(attributes)), failAt_(failAt) {}
    int getLength() const override { return static_cast<int>(attributes_.size()); }
    std::string getLocalName(int index) const override
    {
        if (index == failAt_) throw std::runtime_error("attribute list gone");
        return attributes_.at(static_cast<size_t>(index)).first;
    }
    std::string getValue(int index) const override { return attributes_.at(static_cast<size_t>(index)).second; }

private:
    std::vector<std::pair<std::string, std::string>> attributes_;
    int failAt_;
};

}  // namespace velk
