// kvdtool: makes and reads the program's data files from the command line.
//
//   seal / open   container <-> plaintext, stdin to stdout, any bytes
//   pack          readable UTF-8 table -> sealed GBK data file (comments and blank lines dropped)
//   text          readable UTF-8 text  -> GBK text file (every line kept, not sealed)
//   dump          data file -> its rows as UTF-8, tab-separated
//
// The build calls pack and text to make the shipped data folder, so the command line is
// kept stable. A source is turned into GBK character by character: anything the program
// could not read back as written (a character GBK lacks, invalid UTF-8, a NUL, or the one
// single-byte character above 0x7F that the reader would take for half of a two-byte one)
// stops the tool with the line and column, and no output file is left behind.
#include "data/data_cipher.h"
#include "data/profile_data.h"
#include "runtime/gbk.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "usage: kvdtool seal [--password P]   plaintext on stdin -> container on stdout\n"
    "       kvdtool open [--password P]   container on stdin -> plaintext on stdout\n"
    "       kvdtool pack SOURCE OUT       UTF-8 table -> sealed GBK data file\n"
    "       kvdtool text SOURCE OUT       UTF-8 text -> GBK text with CR LF line ends\n"
    "       kvdtool dump FILE             rows of a data file, tab-separated, as UTF-8\n"
    "\n"
    "The password defaults to the data-file password; its bytes are used as given.\n"
    "A table source holds one row a line, fields separated by \"//\"; lines starting with\n"
    "# and blank lines are dropped. A UTF-8 byte order mark and CR before LF are ignored.\n";

struct Failure {
    std::string message;
};

int usageError(std::string_view why)
{
    std::cerr << "kvdtool: " << why << "\n" << kUsage.substr(0, kUsage.find('\n') + 1)
              << "(kvdtool --help for all commands)\n";
    return kExitUsage;
}

std::string readStream(std::istream& in)
{
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readStdin()
{
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        bytes.append(buffer, got);
    if (std::ferror(stdin))
        throw Failure{"cannot read the input"};
    return bytes;
}

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes = readStream(in);
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool writeStdout(std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()
        && std::fflush(stdout) == 0;
}

// Writes beside the target and renames, so a failed run never leaves a half-written OUT.
void writeFileReplacing(const std::string& target, std::string_view bytes)
{
    const std::string temporary = target + ".tmp-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Failure{target + ": cannot write"};
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw Failure{target + ": cannot write: " + error.message()};
    }
}

// Length of the well-formed UTF-8 sequence at the start of `s`, 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

std::string codePointName(std::string_view utf8)
{
    static constexpr unsigned char kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = static_cast<unsigned char>(utf8[0]) & kLeadMask[utf8.size() - 1];
    for (std::size_t i = 1; i < utf8.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(value));
    return std::string(name) + " \"" + std::string(utf8) + "\"";
}

// One character as GBK, or why the program could not read it back as written.
std::string characterToGbk(std::string_view character)
{
    if (character == std::string_view("\0", 1))
        throw Failure{"NUL character (the program stops reading there)"};
    const std::optional<std::string> converted = rt::utf8ToGbkExact(character);
    if (!converted || converted->empty())
        throw Failure{codePointName(character) + " has no GBK form"};
    const auto lead = static_cast<unsigned char>((*converted)[0]);
    const bool readsBack = (converted->size() == 1 && lead < 0x80)
                        || (converted->size() == 2 && lead >= 0x81);
    if (!readsBack)
        throw Failure{codePointName(character)
                      + " is a single byte above 0x7F in GBK, which the program reads as"
                        " the first half of a two-byte character"};
    return *converted;
}

// One line of UTF-8 as GBK; a fault names `where` (file and line) and the 1-based column.
std::string lineToGbk(std::string_view line, const std::string& where)
{
    std::string gbk;
    std::size_t at = 0;
    for (std::size_t column = 1; at < line.size(); ++column) {
        const std::size_t length = utf8SequenceLength(line.substr(at));
        try {
            if (length == 0)
                throw Failure{"not valid UTF-8"};
            gbk += characterToGbk(line.substr(at, length));
        } catch (const Failure& failure) {
            throw Failure{where + ":" + std::to_string(column) + ": " + failure.message};
        }
        at += length;
    }
    return gbk;
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The source's lines converted to GBK, each ended with CR LF.
std::string sourceToGbk(const std::string& sourcePath, bool dropCommentsAndBlanks)
{
    const std::optional<std::string> source = readWholeFile(sourcePath);
    if (!source)
        throw Failure{sourcePath + ": cannot read"};
    std::string_view rest = *source;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);

    std::string gbk;
    for (std::size_t lineNumber = 1; !rest.empty(); ++lineNumber) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (dropCommentsAndBlanks && (isBlank(line) || line.front() == '#'))
            continue;
        gbk += lineToGbk(line, sourcePath + ":" + std::to_string(lineNumber));
        gbk += "\r\n";
    }
    return gbk;
}

// Reads "[--password P]" after the command; returns the password or nothing on bad usage.
std::optional<std::string> passwordOption(const std::vector<std::string_view>& args)
{
    if (args.empty())
        return std::string(data::kDataFilePassword);
    if (args.size() == 2 && args[0] == "--password")
        return std::string(args[1]);
    return std::nullopt;
}

int runSeal(const std::vector<std::string_view>& args)
{
    const std::optional<std::string> password = passwordOption(args);
    if (!password)
        return usageError("seal takes only --password P");
    const std::string plaintext = readStdin();
    if (plaintext.empty())
        throw Failure{"nothing to seal: the input is empty"};
    const std::string container = data::sealDataFile(plaintext, *password);
    if (container.empty())
        throw Failure{"the input is too long for a data file"};
    if (!writeStdout(container))
        throw Failure{"cannot write the output"};
    return 0;
}

int runOpen(const std::vector<std::string_view>& args)
{
    const std::optional<std::string> password = passwordOption(args);
    if (!password)
        return usageError("open takes only --password P");
    const std::string plaintext = data::openDataFile(readStdin(), *password);
    if (plaintext.empty())
        throw Failure{"not a valid data file (or not sealed with this password)"};
    if (!writeStdout(plaintext))
        throw Failure{"cannot write the output"};
    return 0;
}

int runPack(const std::vector<std::string_view>& args)
{
    if (args.size() != 2)
        return usageError("pack takes SOURCE OUT");
    const std::string source(args[0]);
    const std::string plaintext = sourceToGbk(source, true);
    if (plaintext.empty())
        throw Failure{source + ": no line to pack"};
    writeFileReplacing(std::string(args[1]), data::sealDataFile(plaintext));
    return 0;
}

int runText(const std::vector<std::string_view>& args)
{
    if (args.size() != 2)
        return usageError("text takes SOURCE OUT");
    writeFileReplacing(std::string(args[1]), sourceToGbk(std::string(args[0]), false));
    return 0;
}

int runDump(const std::vector<std::string_view>& args)
{
    if (args.size() != 1)
        return usageError("dump takes FILE");
    const std::string path(args[0]);
    const std::optional<std::string> container = readWholeFile(path);
    if (!container)
        throw Failure{path + ": cannot read"};
    const std::string plaintext = data::openDataFile(*container);
    if (plaintext.empty())
        throw Failure{path + ": not a valid data file"};
    std::string out;
    for (const data::ProfileRow& row : data::parseProfile(plaintext)) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            out += column == 0 ? "" : "\t";
            out += rt::gbkToUtf8(row[column]);
        }
        out += '\n';
    }
    if (!writeStdout(out))
        throw Failure{"cannot write the output"};
    return 0;
}

int run(const std::vector<std::string_view>& args)
{
    const auto isHelp = [](std::string_view arg) { return arg == "--help" || arg == "-h"; };
    if ((!args.empty() && isHelp(args[0])) || (args.size() > 1 && isHelp(args[1]))) {
        std::cout << kUsage;
        return 0;
    }
    if (args.empty())
        return usageError("no command");
    const std::string_view command = args[0];
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (command == "seal")
        return runSeal(rest);
    if (command == "open")
        return runOpen(rest);
    if (command == "pack")
        return runPack(rest);
    if (command == "text")
        return runText(rest);
    if (command == "dump")
        return runDump(rest);
    return usageError("unknown command \"" + std::string(command) + "\"");
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        return run(args);
    } catch (const Failure& failure) {
        std::cerr << "kvdtool: " << failure.message << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvdtool: " << error.what() << "\n";
    }
    return kExitFailure;
}
