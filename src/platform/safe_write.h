#pragma once
// Replacing a file so that a failure never leaves it half written.

#include <string>
#include <string_view>

namespace tarvex {

enum class LinkPolicy {
    // A symbolic link at the path stays a link and its target is replaced:
    // the user pointed it there on purpose.
    ReplaceTarget,
    // The link itself is replaced and never followed: the name lies where
    // someone else could plant one.
    ReplaceLink,
};

// Writes `bytes` to a new file beside `path` and renames it over `path`.
// Every write, the flush and the close are checked; on any failure the
// temporary file is removed, the old file is left as it was and the result
// is false. An existing file keeps its permission bits. `durable` waits for
// the data to reach the disk before the rename; a scratch file skips that.
bool ReplaceFile(const std::string& path, std::string_view bytes,
                 LinkPolicy links = LinkPolicy::ReplaceTarget, bool durable = true);

} // namespace tarvex
