#pragma once

#include "Guid.h"
#include "HResult.h"

class RegistryKey;

// The entry points an in-process component library exports with C linkage:
//   DllGetClassObject(clsid, iid, object)  the class factory of a class it serves
//   DllCanUnloadNow()                      S_OK when no object or lock is left
//   DllRegisterServer() / DllUnregisterServer()  write / remove its registration
//   DllRegisterServerInto(root)            writes that same registration into a
//                                          tree in memory (ProgID look-ups of
//                                          libraries that are not registered)
#define COMPONENT_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
using DllGetClassObjectFunction = HRESULT (*)(const CLSID& clsid, const IID& iid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllRegisterServerIntoFunction = HRESULT (*)(RegistryKey* machineRoot);
}
