#include "worksheets/text_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace korveld {

namespace {

std::string reason(int error) {
    return std::strerror(error);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    // Closes now; the error of close() counts, as it may report a write that failed late.
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

} // namespace

FileReadResult ReadWholeFile(const std::string& path, std::size_t limit) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return {std::nullopt, reason(errno)};
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return {std::nullopt, reason(errno)};
    }
    // A folder, a pipe or a device is no schedule, and reading it might never end.
    if (!S_ISREG(status.st_mode)) {
        return {std::nullopt, "it is not a regular file"};
    }
    if (static_cast<std::size_t>(status.st_size) > limit) {
        return {std::nullopt, "it is too large (" + std::to_string(status.st_size / 1024) + " KB)"};
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {std::nullopt, reason(errno)};
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > limit) {
            return {std::nullopt, "it is too large"};
        }
    }
    return {std::move(text), {}};
}

std::optional<std::string> ReplaceFileWith(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor temporary(::mkstemp(pattern.data()));
    if (temporary.get() < 0) {
        return reason(errno);
    }
    const auto fail = [&pattern](int error) -> std::optional<std::string> {
        ::unlink(pattern.c_str());
        return reason(error);
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t put = ::write(temporary.get(), text.data() + written, text.size() - written);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        written += static_cast<std::size_t>(put);
    }
    // Readable as a file the user saved, not only by the user as mkstemp leaves it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temporary.get(), 0666 & ~mask);
    if (::fsync(temporary.get()) != 0) {
        return fail(errno);
    }
    if (temporary.close() != 0) {
        return fail(errno);
    }
    if (::rename(pattern.c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    return std::nullopt;
}

} // namespace korveld
