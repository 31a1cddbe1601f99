#include "core/system_error_text.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>

namespace tarlen {
namespace {

TEST(SystemErrorTextTest, CommonErrorsInTurkishOthersByNumber)
{
    struct Row {
        int error;
        std::string text;
    };
    const Row rows[] = {
        {ENOENT, "böyle bir dosya ya da klasör yok"},
        {EACCES, "erişim izni yok"},
        {EPERM, "erişim izni yok"},
        {EISDIR, "bu bir klasör, dosya değil"},
        {ENOSPC, "diskte yer kalmadı"},
        {EROFS, "dosya sistemi salt okunur"},
        {EFBIG, "dosya çok büyük (dosya boyutu sınırı aşıldı)"},
        {EMFILE, "çok fazla açık dosya var"},
        {ENFILE, "çok fazla açık dosya var"},
        {EXDEV, "sistem hatası " + std::to_string(EXDEV)},
        {0, "sistem hatası 0"},
        {-7, "sistem hatası -7"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(systemErrorText(row.error), row.text) << "errno " << row.error;
    }
}

} // namespace
} // namespace tarlen
