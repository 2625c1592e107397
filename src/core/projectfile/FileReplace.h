#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace korvane::projectfile {

struct ReplaceOptions {
  // A file that did not exist yet is readable by its owner alone (recovery
  // files) instead of what the user's umask allows.
  bool ownerOnly = false;
  // An existing file is never replaced: the call fails with file_exists.
  bool keepExisting = false;
};

// Puts bytes into the file the user named, whole or not at all. A symbolic
// link is followed and stays a link; an existing target that is no regular
// file is refused; a replaced file keeps its permission bits. The data is
// written beside the target, flushed to disk, moved into place and the
// folder flushed too. Whatever fails, nothing is left beside the target.
// Returns the error, or an empty code when the file was saved.
std::error_code ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                            ReplaceOptions options = {});

// The error for a target that exists but is a device, a FIFO or a folder.
std::error_code NotARegularFile();

}  // namespace korvane::projectfile
