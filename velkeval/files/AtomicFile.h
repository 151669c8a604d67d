#pragma once

#include <string>
#include <string_view>

namespace velk {

// Replaces `target` with `contents` so that it holds either its old bytes
// or all the new ones, even when the process is killed meanwhile: the
// contents go to a temporary file under the first free name of target +
// ".tmp", ".tmp0", ".tmp1", ..., are flushed to disk, and that file is
// renamed over the target (a read-only target is replaced too). A name
// whose file a killed save left behind counts as free and is reused, so
// there are never more temporary files than saves running at once. Throws
// FileError naming the file when any step fails; the temporary file is
// then removed and the target is untouched.
void WriteFileAtomically(const std::string& target, std::string_view contents);

}  // namespace velk
