#include "core/delete_last.h"

#include "core/text_file.h"

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

// Writes the bytes to a fresh file beside the target and renames it over the target, so the
// target either gets all the bytes or stays exactly as it was.
IoStatus replaceFile(const std::string &target, std::string_view bytes)
{
    constexpr int kNameAttempts = 100;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = target + ".tmp" + std::to_string(attempt);
        std::error_code probe;
        if (std::filesystem::symlink_status(temporary, probe).type() != std::filesystem::file_type::not_found) {
            continue; // the name is taken; never overwrite someone else's file
        }
        IoStatus written = detail::writeFileBytes(temporary, bytes, detail::WriteMode::CreateNew);
        if (!written) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return written;
        }
        std::error_code renamed;
        std::filesystem::rename(temporary, target, renamed);
        if (renamed) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return IoStatus::failure("\"" + target + "\" yazılamadı: " + renamed.message());
        }
        return IoStatus::success();
    }
    return IoStatus::failure("\"" + target + "\" için geçici dosya adı bulunamadı");
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

IoStatus deleteLastRecord(const std::string &readPath, const std::string &writePath)
{
    const detail::FileText file = detail::readWholeFile(readPath);
    if (!file.status) {
        return file.status;
    }
    auto records = parsePointsRecords(file.text);
    if (!records) {
        return IoStatus::failure("\"" + readPath + "\": son kaydın yalnızca bir alanı var");
    }
    if (!records->empty()) {
        records->pop_back();
    }
    return replaceFile(writePath, printPointsRecords(*records));
}

} // namespace tarlen
