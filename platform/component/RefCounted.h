#pragma once

#include <atomic>

#include "Unknown.h"

// Reference counting for an object made with new: it starts with the one
// reference its creator holds (hand it to ComPtr::adopt) and deletes itself
// when the last one is released. The derived class answers QueryInterface.
template <class Base>
class RefCounted : public Base {
public:
    ULONG AddRef() override { return ++count_; }
    ULONG Release() override
    {
        const ULONG left = --count_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~RefCounted() = default;

private:
    std::atomic<ULONG> count_{1};
};
