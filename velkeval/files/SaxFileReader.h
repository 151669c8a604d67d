#pragma once

#include <string>

#include "ElementEvents.h"

namespace velk {

// How a parse ended: the reader's result and, when it failed, its lastError
// and the position it stopped at (1-based).
struct ParseOutcome {
    bool ok = false;
    std::string lastError;
    int line = 0;
    int column = 0;
};

// Parses a file with the sax component: creates a SAXXMLReader through the
// component runtime, subscribes a dispatch event sink of its own on the
// _ISAXContentHandler connection point, calls parseFile and hands every
// startElement and endElement to `events`, synchronously, in document order.
// Every other event is ignored. Names and values arrive as UTF-8.
//
// An exception thrown by `events` never crosses the component: the sink
// keeps the first one, ignores every later event and rethrows it once
// parseFile has returned. A reader that cannot be created is a FileError.
ParseOutcome ReadWithSax(const std::string& path, ElementEvents& events);

}  // namespace velk
