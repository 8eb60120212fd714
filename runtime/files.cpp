#include "runtime/files.h"

#include "runtime/gbk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace rt {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads to the end. Any error gives the empty text rather than a partial file: a data file
// cut short would decipher to rubbish.
std::string readAll(int fd, std::size_t sizeHint)
{
    std::string bytes;
    bytes.reserve(sizeHint);
    std::array<char, 65536> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::string();
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace

std::string nativePath(std::string_view gbkPath)
{
    // Decode first: in "運\x5C..." the 0x5C is the second half of a character, not a '\'.
    std::string path = gbkToUtf8(gbkPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string readFile(std::string_view gbkPath)
{
    const std::string path = nativePath(gbkPath);
    if (path.empty())
        return std::string();
    // Non-blocking, so that a FIFO in the data folder cannot hang the program; anything
    // but a regular file is then refused.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return std::string();
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::string();
    return readAll(file.get(), static_cast<std::size_t>(info.st_size));
}

std::string runDirectory()
{
    std::string exe(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", exe.data(), exe.size());
        if (length < 0)
            return std::string();
        if (static_cast<std::size_t>(length) < exe.size()) {
            exe.resize(static_cast<std::size_t>(length));
            break;
        }
        exe.resize(exe.size() * 2);  // the name may have been cut: try a larger buffer
    }
    const std::size_t slash = exe.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    // "/kalvon" lives in the root folder, whose name without the separator is "".
    return utf8ToGbk(std::string_view(exe).substr(0, slash));
}

}  // namespace rt
