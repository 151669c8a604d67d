#pragma once

#include <initializer_list>

#include "Unknown.h"

// The body of a plain QueryInterface: when `iid` is one of `offered`, hands
// out `self` with a new reference; otherwise E_NOINTERFACE and a null object.
template <class Interface>
HRESULT OfferInterface(Interface* self, const IID& iid, void** object, std::initializer_list<IID> offered)
{
    if (!object) return E_POINTER;
    for (const IID& candidate : offered) {
        if (candidate == iid) {
            self->AddRef();
            *object = self;
            return S_OK;
        }
    }
    *object = nullptr;
    return E_NOINTERFACE;
}
