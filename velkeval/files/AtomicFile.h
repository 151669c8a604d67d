#pragma once

#include <string>
#include <string_view>

namespace velk {

// Replaces `target` with `contents` so that it holds either its old bytes
// or all the new ones: the contents go to a new file under the first free
// name of target + ".tmp", ".tmp0", ".tmp1", ..., are flushed to disk, and
// that file is renamed over the target (a read-only target is replaced too). Throws FileError naming the
// file when any step fails; the temporary file is then removed and the
// target is untouched.
void WriteFileAtomically(const std::string& target, std::string_view contents);

}  // namespace velk
