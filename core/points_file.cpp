#include "core/points_file.h"

#include "core/text_file.h"

namespace tarlen {

std::string makePointsFileName(std::string_view graphBaseName, std::int16_t lineNumber)
{
    std::string name(graphBaseName);
    name += '_';
    name += std::to_string(lineNumber);
    name += ".txt";
    return name;
}

std::string pointsRecordText(std::string_view xText, std::string_view yText)
{
    std::string record(xText);
    record += "  ";
    record += yText;
    record += "\r\n";
    return record;
}

IoStatus appendPointsRecord(const std::string &fileName, std::string_view xText, std::string_view yText)
{
    return detail::appendFileBytes(fileName, pointsRecordText(xText, yText));
}

} // namespace tarlen
