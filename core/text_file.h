#pragma once

#include "core/io_status.h"

#include <string>
#include <string_view>

namespace tarlen::detail {

// A whole file's bytes, or the reason it could not be read (text then empty).
struct FileText {
    IoStatus status;
    std::string text;
};

FileText readWholeFile(const std::string &path);

enum class WriteMode {
    Truncate,  // create, or empty an existing file first
    Append,    // create, or write after the existing bytes
    CreateNew, // create; fails when the file exists already
};

// Opens the file, writes the bytes and closes it; any of the three failing is a failure.
IoStatus writeFileBytes(const std::string &path, std::string_view bytes, WriteMode mode);

} // namespace tarlen::detail
