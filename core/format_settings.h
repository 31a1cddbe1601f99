#pragma once

#include "core/io_status.h"
#include "core/number_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarlen {

inline constexpr std::string_view kXFormatsFileName = "xformats.txt";
inline constexpr std::string_view kYFormatsFileName = "yformats.txt";

// The bytes of a settings file: sign position, digits, blank, CR LF (" 2 \r\n" for 2).
std::string formatSettingsText(NumberFormatIndex index);

// Writes the settings file whole, through a new file renamed over it, so a failed save keeps
// the setting saved before.
IoStatus saveFormatSetting(const std::string &path, NumberFormatIndex index);

// The index read back from a settings file's contents (absent when the file could not be
// read): a missing or empty file gives 0, a first field that is no number or lies outside the
// 16-bit range keeps the previous index, any other number is rounded half to even and taken.
NumberFormatIndex readFormatSetting(const std::optional<std::string> &contents,
                                    NumberFormatIndex previous);

// Reads the start of the settings file at the path (see readFormatSetting); anything but a
// regular file counts as one that cannot be read.
NumberFormatIndex loadFormatSetting(const std::string &path, NumberFormatIndex previous);

} // namespace tarlen
