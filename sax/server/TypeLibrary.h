#pragma once

#include "TypeLibRegistration.h"

// What registration records of the type library KXSAX2.
const TypeLibDescription& KXSAX2TypeLibrary();
