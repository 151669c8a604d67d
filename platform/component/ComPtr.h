#pragma once

#include <utility>

#include "Unknown.h"

// Holds one reference on an interface and releases it at the end of its life.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a reference of its own.
    explicit ComPtr(T* object) : object_(object)
    {
        if (object_) object_->AddRef();
    }
    // Takes over a reference the caller already holds (a new object, an out parameter).
    static ComPtr adopt(T* object)
    {
        ComPtr result;
        result.object_ = object;
        return result;
    }
    ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr()
    {
        if (object_) object_->Release();
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For out parameters: releases the current object first.
    T** out()
    {
        *this = nullptr;
        return &object_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

    T* detach() { return std::exchange(object_, nullptr); }

    // Asks the object for another interface; empty when it has none.
    template <class U>
    ComPtr<U> as(const IID& iid) const
    {
        ComPtr<U> result;
        if (object_) object_->QueryInterface(iid, result.outVoid());
        return result;
    }

private:
    T* object_ = nullptr;
};
