#pragma once

#include "core/io_status.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace tarlen::detail {

// A file's bytes, or the reason it could not be read (text then empty).
struct FileText {
    IoStatus status;
    std::string text;
};

// "\"<path>\" <what>: <the Turkish reason for error>".
IoStatus fileFailure(const std::string &path, std::string_view what, int error);

// Reads a regular file, or a link to one. A folder, FIFO or device is refused without being
// opened, so nothing waits for a writer or reads without end. At most `limit` bytes are read:
// the start of the file.
FileText readRegularFile(const std::string &path,
                         std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes the bytes after the end of a regular file, creating it when missing. On any failure
// the file is cut back to its size before (a file this call created is removed again), so it
// never ends in a part of the bytes.
IoStatus appendFileBytes(const std::string &path, std::string_view bytes);

// Makes the bytes the whole contents of the file, creating it when missing, all or nothing: a
// failure leaves the file as it was. A link is followed and its target rewritten in the
// target's folder; a file without any write permission is refused; the rewritten file keeps
// its permissions, owner and hard links.
IoStatus replaceFileBytes(const std::string &path, std::string_view bytes);

} // namespace tarlen::detail
