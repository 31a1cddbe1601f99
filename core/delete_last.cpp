#include "core/delete_last.h"

#include "core/text_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tarlen {

namespace {

constexpr std::size_t kPrintZoneWidth = 14;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> fieldsOf(std::string_view contents)
{
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < contents.size()) {
        while (at < contents.size() && isSeparator(contents[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < contents.size() && !isSeparator(contents[at])) {
            ++at;
        }
        if (at > start) {
            fields.push_back(contents.substr(start, at - start));
        }
    }
    return fields;
}

// Whether the folder a file name lies in is there: the working folder for a bare name (which
// may have been removed while the program runs), else the named folder.
bool folderExists(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty() || parent.is_relative()) {
        (void)std::filesystem::current_path(error);
        if (error) {
            return false;
        }
    }
    return std::filesystem::is_directory(parent.empty() ? "." : parent, error);
}

} // namespace

std::optional<std::vector<FieldPair>> parsePointsRecords(std::string_view contents)
{
    const std::vector<std::string_view> fields = fieldsOf(contents);
    if (fields.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<FieldPair> records;
    records.reserve(fields.size() / 2);
    for (std::size_t at = 0; at < fields.size(); at += 2) {
        records.push_back({std::string(fields[at]), std::string(fields[at + 1])});
    }
    return records;
}

std::string printPointsRecords(const std::vector<FieldPair> &records)
{
    std::string text;
    for (const FieldPair &record : records) {
        text += record.xText;
        // The y text starts at the first print zone (columns 1, 15, 29, ...) that leaves a blank.
        const std::size_t zone = record.xText.size() / kPrintZoneWidth + 1;
        text.append(zone * kPrintZoneWidth - record.xText.size(), ' ');
        text += record.yText;
        text += "\r\n";
    }
    return text;
}

DeleteLastOutcome deleteLastRecord(const std::string &path)
{
    const detail::FileText file = detail::readRegularFile(path);
    if (!file.status) {
        const bool noFile = file.status.error() == ENOENT && folderExists(path);
        return {noFile ? DeleteLastResult::NoRecord : DeleteLastResult::Failed, file.status};
    }
    auto records = parsePointsRecords(file.text);
    if (!records) {
        return {DeleteLastResult::Failed,
                IoStatus::failure("\"" + path + "\" okunamadı: son kaydın yalnızca bir alanı var")};
    }
    if (!records->empty()) {
        records->pop_back();
    }
    IoStatus written = detail::replaceFileBytes(path, printPointsRecords(*records));
    if (!written) {
        return {DeleteLastResult::Failed, std::move(written)};
    }
    return {DeleteLastResult::Deleted, IoStatus::success()};
}

} // namespace tarlen
