#pragma once

#include "core/io_status.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarlen {

// graphBaseName + "_" + lineNumber + ".txt"; no folder, so the file lives in the working folder.
std::string makePointsFileName(std::string_view graphBaseName, std::int16_t lineNumber);

// One PointsRecord: x text, two blanks, y text, CR LF.
std::string pointsRecordText(std::string_view xText, std::string_view yText);

// Opens the file for appending (creating it), writes one record and closes it again. A failed
// write leaves the file as it was, ending on a whole record.
IoStatus appendPointsRecord(const std::string &fileName, std::string_view xText,
                            std::string_view yText);

} // namespace tarlen
