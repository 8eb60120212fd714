// Runs the built kvdtool (its path comes from the build as KVDTOOL_PATH) the way the build
// and other tools call it, and checks exit codes, stdout, stderr and files.
#include "data/data_cipher.h"
#include "runtime/gbk.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class KvdTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path()
              / ("kvdtool_test_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // `args` is pasted into a shell command line: the tests quote what needs quoting.
    Result run(const std::string& args, const std::string& input = "")
    {
        writeFile(m_dir / "stdin", input);
        const std::string command = "'" KVDTOOL_PATH "' " + args + " <'" + path("stdin") + "' >'"
                                  + path("stdout") + "' 2>'" + path("stderr") + "'";
        const int status = std::system(command.c_str());
        Result result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readFile(m_dir / "stdout");
        result.err = readFile(m_dir / "stderr");
        return result;
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(KvdTool, seal_then_open_gives_back_arbitrary_bytes)
{
    std::mt19937 random(3);
    std::string bytes(5000, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    bytes += "\r\n\0\x1a"s;

    const Result sealed = run("seal --password 'se cret'", bytes);
    ASSERT_EQ(sealed.exitCode, 0) << sealed.err;
    EXPECT_EQ(sealed.out, data::sealDataFile(bytes, "se cret"));

    const Result opened = run("open --password 'se cret'", sealed.out);
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(opened.out, bytes);
}

TEST_F(KvdTool, default_password_is_the_data_file_password)
{
    const Result sealed = run("seal", "1//a//1.1//x\r\n");
    ASSERT_EQ(sealed.exitCode, 0);
    EXPECT_EQ(data::openDataFile(sealed.out, "kwm815"), "1//a//1.1//x\r\n");
}

TEST_F(KvdTool, open_of_garbage_fails_with_nothing_on_stdout)
{
    for (const std::string& garbage : {"not a container"s, std::string(16, '\x55'), ""s}) {
        const Result opened = run("open", garbage);
        EXPECT_EQ(opened.exitCode, 1);
        EXPECT_EQ(opened.out, "");
        EXPECT_NE(opened.err, "");
        EXPECT_EQ(opened.err.find('\n'), opened.err.size() - 1) << "one line: " << opened.err;
    }
}

TEST_F(KvdTool, pack_then_dump_round_trip)
{
    writeFile(m_dir / "table.txt",
              "\xEF\xBB\xBF# 型号表\r\n"
              "1//HW100x100//17.2//宽翼缘\r\n"
              "\n"
              "2//HW125x125//23.8//  \n"
              "3//HN150x75////无\n");
    const Result packed = run("pack '" + path("table.txt") + "' '" + path("H型钢.kvd") + "'");
    ASSERT_EQ(packed.exitCode, 0) << packed.err;

    const std::string plain = data::openDataFile(readFile(m_dir / "H型钢.kvd"));
    EXPECT_EQ(plain, rt::utf8ToGbk("1//HW100x100//17.2//宽翼缘\r\n2//HW125x125//23.8//  \r\n"
                                   "3//HN150x75////无\r\n"));

    const Result dumped = run("dump '" + path("H型钢.kvd") + "'");
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    EXPECT_EQ(dumped.out, "1\tHW100x100\t17.2\t宽翼缘\n2\tHW125x125\t23.8\t  \n3\tHN150x75\t\t无\n");
}

TEST_F(KvdTool, pack_refuses_what_the_program_could_not_read_back)
{
    struct Case {
        const char* name;
        std::string source;
        std::string mentions;
    };
    const Case cases[] = {
        {"emoji", "1//a//1//x\n2//b//2//\xF0\x9F\x98\x80\n", ":2:10: U+1F600"},
        {"invalid_utf8", "# note\n1//a//1//\xC3\n", ":2:10: not valid UTF-8"},
        {"euro_sign_is_a_lone_high_byte", "1//a//1//\xE2\x82\xAC\n", ":1:10: U+20AC"},
        {"nul", "1//a//1//x\n\n1//a\0//1//x\n"s, ":3:5: NUL"},
        {"nothing_but_comments", "# only\n\n", "no line to pack"},
    };
    for (const Case& c : cases) {
        writeFile(m_dir / "bad.txt", c.source);
        writeFile(m_dir / "old.kvd", "previous");
        const Result packed = run("pack '" + path("bad.txt") + "' '" + path("old.kvd") + "'");
        EXPECT_EQ(packed.exitCode, 1) << c.name;
        EXPECT_NE(packed.err.find(c.mentions), std::string::npos) << c.name << ": " << packed.err;
        EXPECT_EQ(readFile(m_dir / "old.kvd"), "previous") << c.name;

        const Result fresh = run("pack '" + path("bad.txt") + "' '" + path("new.kvd") + "'");
        EXPECT_EQ(fresh.exitCode, 1) << c.name;
        EXPECT_FALSE(fs::exists(m_dir / "new.kvd")) << c.name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 5)
        << "no temporary file left behind";
}

TEST_F(KvdTool, text_keeps_every_line_and_does_not_seal)
{
    writeFile(m_dir / "standards.ini",
              "\xEF\xBB\xBF; 各种类的标准\n[H型钢]\r\n标准=GB/T 11263-2017\n\n# kept too\n");
    const Result written = run("text '" + path("standards.ini") + "' '" + path("out.ini") + "'");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(readFile(m_dir / "out.ini"),
              rt::utf8ToGbk("; 各种类的标准\r\n[H型钢]\r\n标准=GB/T 11263-2017\r\n\r\n# kept too\r\n"));
}

TEST_F(KvdTool, dump_of_a_bad_file_fails)
{
    writeFile(m_dir / "bad.kvd", "12345678");
    EXPECT_EQ(run("dump '" + path("bad.kvd") + "'").exitCode, 1);
    EXPECT_EQ(run("dump '" + path("missing.kvd") + "'").exitCode, 1);
    EXPECT_EQ(run("dump '" + m_dir.string() + "'").exitCode, 1);
}

TEST_F(KvdTool, usage)
{
    struct Case {
        const char* args;
        int exitCode;
    };
    const Case cases[] = {
        {"--help", 0}, {"pack --help", 0}, {"", 2},          {"frobnicate", 2},
        {"pack only-one", 2}, {"seal --password", 2}, {"open extra", 2}, {"dump", 2},
    };
    for (const Case& c : cases) {
        const Result result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args;
        const std::string& text = c.exitCode == 0 ? result.out : result.err;
        EXPECT_NE(text.find("usage: kvdtool"), std::string::npos) << c.args;
    }
}

}  // namespace
