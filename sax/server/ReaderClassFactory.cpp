#include "ReaderClassFactory.h"

#include "ModuleLifetime.h"
#include "OfferInterface.h"
#include "SAXReader.h"

HRESULT ReaderClassFactory::QueryInterface(const IID& iid, void** object)
{
    return OfferInterface<IClassFactory>(this, iid, object, {IID_IUnknown, IID_IClassFactory});
}

// The count itself is the module's: the factory is never deleted.
ULONG ReaderClassFactory::AddRef()
{
    ModuleLifetime::lock();
    return 2;
}

ULONG ReaderClassFactory::Release()
{
    ModuleLifetime::unlock();
    return 1;
}

HRESULT ReaderClassFactory::CreateInstance(IUnknown* outer, const IID& iid, void** object)
{
    return SAXReader::Create(outer, iid, object);
}

HRESULT ReaderClassFactory::LockServer(BOOL lock)
{
    if (lock)
        ModuleLifetime::lock();
    else
        ModuleLifetime::unlock();
    return S_OK;
}
