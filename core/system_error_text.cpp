#include "core/system_error_text.h"

#include <cerrno>
#include <string_view>

namespace tarlen {

namespace {

struct ErrorText {
    int error;
    std::string_view text;
};

// One row per error number; several numbers may share a text.
constexpr ErrorText kErrorTexts[] = {
    {ENOENT, "böyle bir dosya ya da klasör yok"},
    {EACCES, "erişim izni yok"},
    {EPERM, "erişim izni yok"},
    {EISDIR, "bu bir klasör, dosya değil"},
    {ENOTDIR, "yoldaki bir ad klasör değil"},
    {ENOSPC, "diskte yer kalmadı"},
    {EDQUOT, "disk kotası doldu"},
    {EROFS, "dosya sistemi salt okunur"},
    {EFBIG, "dosya çok büyük (dosya boyutu sınırı aşıldı)"},
    {EMFILE, "çok fazla açık dosya var"},
    {ENFILE, "çok fazla açık dosya var"},
};

} // namespace

std::string systemErrorText(int error)
{
    for (const ErrorText &row : kErrorTexts) {
        if (row.error == error) {
            return std::string(row.text);
        }
    }
    return "sistem hatası " + std::to_string(error);
}

} // namespace tarlen
