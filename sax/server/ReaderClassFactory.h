#pragma once

#include "ClassFactory.h"

// The class factory of both reader classes. It lives as long as the module;
// references that clients hold on it, like LockServer, keep the module loaded.
class ReaderClassFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override;
    HRESULT LockServer(BOOL lock) override;
};
