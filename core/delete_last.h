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

enum class DeleteLastResult {
    Deleted,  // the file holds all records but the last (an empty file stays empty)
    NoRecord, // no file of that name in its folder: no value was entered yet
    Failed,   // the file could not be read or written; the reason says why
};

struct DeleteLastOutcome {
    DeleteLastResult result;
    IoStatus status; // the reason when Failed
};

// Reads the records of the file and writes all but the last back to that same file, all or
// nothing (see replaceFileBytes): a failure leaves the file as it was.
DeleteLastOutcome deleteLastRecord(const std::string &path);

} // namespace tarlen
