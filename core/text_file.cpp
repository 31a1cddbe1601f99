#include "core/text_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tarlen::detail {

namespace {

// The system's text for the current errno, after "<path>" and what failed.
IoStatus failureFromErrno(const std::string &path, std::string_view what)
{
    const int error = errno;
    std::string reason = "\"" + path + "\" " + std::string(what);
    if (error != 0) {
        reason += ": " + std::generic_category().message(error);
    }
    return IoStatus::failure(std::move(reason));
}

const char *openModeText(WriteMode mode)
{
    switch (mode) {
    case WriteMode::Truncate:
        return "wb";
    case WriteMode::Append:
        return "ab";
    case WriteMode::CreateNew:
        return "wbx";
    }
    return "wb";
}

} // namespace

FileText readWholeFile(const std::string &path)
{
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {failureFromErrno(path, "açılamadı"), {}};
    }
    std::string text;
    std::array<char, 4096> buffer{};
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        text.append(buffer.data(), count);
    }
    if (std::ferror(file) != 0) {
        IoStatus status = failureFromErrno(path, "okunamadı");
        std::fclose(file);
        return {std::move(status), {}};
    }
    std::fclose(file);
    return {IoStatus::success(), std::move(text)};
}

IoStatus writeFileBytes(const std::string &path, std::string_view bytes, WriteMode mode)
{
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), openModeText(mode));
    if (file == nullptr) {
        return failureFromErrno(path, "açılamadı");
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        IoStatus status = failureFromErrno(path, "yazılamadı");
        std::fclose(file);
        return status;
    }
    // Buffered bytes reach the disk here, so a full disk or a size limit shows up at the close.
    if (std::fclose(file) != 0) {
        return failureFromErrno(path, "yazılamadı");
    }
    return IoStatus::success();
}

} // namespace tarlen::detail
