#pragma once

#include <span>

#include "ClassFactory.h"
#include "Guid.h"

// The classes the server creates on request, in table order, each with its
// registry script.
struct ClassEntry {
    CLSID clsid;
    const char* registryScript;
};

std::span<const ClassEntry> ClassTable();

// The class factory of a table entry, made on first request under a lock
// and kept for the module's life; null for a class the table does not hold.
IClassFactory* ClassFactoryFor(const CLSID& clsid);
