#pragma once

#include <string>

#include <QString>

namespace velk {

// A file filter in the program's form, "Name |pattern| Name |pattern",
// as Qt's file dialog takes it, "Name (pattern);;Name (pattern)". Qt reads
// the patterns from the parentheses, so a name's own parenthesised patterns
// are replaced by the pair's pattern, and "*.*" becomes "*" (on this system
// a name need not contain a dot).
QString QtFileFilter(const std::string& filter);

}  // namespace velk
