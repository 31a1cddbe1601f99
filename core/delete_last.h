#pragma once

#include "core/io_status.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarlen {

struct FieldPair {
    std::string xText;
    std::string yText;

    bool operator==(const FieldPair &) const = default;
};

// The records of a points file as blank-separated field pairs (a comma belongs to its field);
// absent when the last record has only one field.
std::optional<std::vector<FieldPair>> parsePointsRecords(std::string_view contents);

// The records written back: x text, blanks up to the next 14-column print zone, y text, CR LF.
std::string printPointsRecords(const std::vector<FieldPair> &records);

// Reads the records of readPath and writes all but the last to writePath (through a temporary
// file in the same folder, renamed over it, so a failed write leaves the file as it was).
IoStatus deleteLastRecord(const std::string &readPath, const std::string &writePath);

} // namespace tarlen
