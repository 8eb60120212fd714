// kvdtool: makes and reads the program's data files from the command line.
//
//   seal / open   container <-> plaintext, stdin to stdout, any bytes
//   pack          readable UTF-8 table -> sealed GBK data file (comments and blank lines dropped)
//   text          readable UTF-8 text  -> GBK text file (every line kept, not sealed)
//   dump          data file -> its rows as UTF-8, tab-separated
//
// The build calls pack and text to make the shipped data folder, so the command line is
// kept stable. Errors go to stderr as one line and exit 1, wrong arguments exit 2; a file
// is written beside its target and renamed, so a failed run leaves no output behind.
#include "data/data_cipher.h"
#include "data/profile_data.h"
#include "runtime/gbk.h"
#include "tools/source_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
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
    std::cerr << "kvdtool: " << why << "\n" << kUsage.substr(0, kUsage.find("\n\n") + 1);
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

// The source file's lines as GBK text with CR LF line ends.
std::string sourceToGbk(const std::string& sourcePath, tools::Comments comments)
{
    const std::optional<std::string> source = readWholeFile(sourcePath);
    if (!source)
        throw Failure{sourcePath + ": cannot read"};
    try {
        return tools::sourceTextToGbk(*source, sourcePath, comments);
    } catch (const tools::SourceError& error) {
        throw Failure{error.message};
    }
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
    const std::string plaintext = sourceToGbk(source, tools::Comments::Drop);
    if (plaintext.empty())
        throw Failure{source + ": no line to pack"};
    writeFileReplacing(std::string(args[1]), data::sealDataFile(plaintext));
    return 0;
}

int runText(const std::vector<std::string_view>& args)
{
    if (args.size() != 2)
        return usageError("text takes SOURCE OUT");
    const std::string text = sourceToGbk(std::string(args[0]), tools::Comments::Keep);
    writeFileReplacing(std::string(args[1]), text);
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
