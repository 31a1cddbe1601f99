#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tarlen::testing {

// A fresh, empty folder under the system's temporary folder, removed again with its contents.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tarlen-core-";
        name += test != nullptr ? test->name() : "test";
        for (char &c : name) {
            if (c == '/') {
                c = '-';
            }
        }
        path_ = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// The file's bytes, absent when it cannot be read as a file.
inline std::optional<std::string> readBytes(const std::string &path)
{
    if (!std::filesystem::is_regular_file(path)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, to show that no stray file was left behind.
inline std::vector<std::string> namesIn(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tarlen::testing
