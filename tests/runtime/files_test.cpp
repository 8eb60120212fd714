#include "runtime/files.h"

#include "gbk_text.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class ReadFile : public testing::Test {
protected:
    void SetUp() override
    {
        // One folder per process: ctest may run these tests side by side.
        m_root = fs::path(testing::TempDir()) / ("kalvon_files_" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        // 運 is DF 5C in GBK: its trail byte is a backslash.
        fs::create_directories(m_root / "運");
    }
    void TearDown() override { fs::remove_all(m_root); }

    // The folder as the program writes paths: GBK with backslashes.
    std::string gbkRoot() const { return rt::utf8ToGbk(m_root.string()); }

    static void write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path m_root;
};

TEST_F(ReadFile, ReadsAllBytesThroughATrailByteBackslash)
{
    const std::string bytes("H\xD0\xCD\xB8\xD6\0\r\n7//HW", 12);
    write(m_root / "運" / "数据.kvd", bytes);
    EXPECT_EQ(rt::readFile(gbkRoot() + gbk("\\運\\数据.kvd")), bytes);
}

TEST_F(ReadFile, EmptyWhenNotAReadableRegularFile)
{
    const fs::path fifo = m_root / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(rt::readFile(gbkRoot() + "\\pipe"), "") << "a FIFO must neither hang nor read";
    EXPECT_EQ(rt::readFile(gbkRoot() + gbk("\\運")), "") << "directory";
    EXPECT_EQ(rt::readFile(gbkRoot() + "\\missing.kvd"), "");
    EXPECT_EQ(rt::readFile(""), "");
    write(m_root / "empty", "");
    EXPECT_EQ(rt::readFile(gbkRoot() + "\\empty"), "");
}

TEST(NativePath, DecodesBeforeTurningBackslashes)
{
    EXPECT_EQ(rt::nativePath(gbk("\\run\\配置文件\\運.kvd")), "/run/配置文件/運.kvd");
    EXPECT_EQ(rt::nativePath(gbk("運")), "運") << "the trail byte is not a separator";
}

TEST(RunDirectory, IsTheFolderOfThisExecutable)
{
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    const std::string folder = rt::runDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder, rt::utf8ToGbk(exe.parent_path().string()));
    EXPECT_EQ(rt::readFile(folder + "\\" + rt::utf8ToGbk(exe.filename().string())).size(),
              fs::file_size(exe));
}

}  // namespace
