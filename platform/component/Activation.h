#pragma once

#include <string_view>

#include "ClassFactory.h"
#include "Unknown.h"

// Object creation the way the platform does it. A class id is looked up in
// the registry (classes root, "CLSID\{id}\InprocServer32"), that library is
// loaded with dlopen and asked through DllGetClassObject for the class
// factory. When the class is not registered (or its registered library cannot
// serve it), the component libraries (*.so) in the program's own folder and
// then in the folders of VELK_COMPONENT_PATH (separated by ":") are asked in
// turn, so a fresh build runs without a registration step. Libraries stay
// loaded until CoFreeUnusedLibraries finds that DllCanUnloadNow allows it.
HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** object);
HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** object);

// A ProgID's class id, from the classes root ("<ProgID>\CLSID", or through
// "<ProgID>\CurVer"), else from the registration the libraries of the
// program folder (and VELK_COMPONENT_PATH) would write. CO_E_CLASSSTRING when
// nobody knows it.
HRESULT CLSIDFromProgID(std::u16string_view progId, CLSID* clsid);

void CoFreeUnusedLibraries();
