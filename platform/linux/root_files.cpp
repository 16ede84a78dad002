#include "platform/linux/root_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quarvel::linux_source {

std::optional<std::string> readFileUnder(const std::filesystem::path& root,
                                         const std::filesystem::path& relative, std::size_t limit) {
    int fd = ::open((root / relative).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string contents;
    char buffer[16384];
    while (contents.size() < limit) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        contents.append(buffer, std::min(static_cast<std::size_t>(got), limit - contents.size()));
    }
    ::close(fd);
    return contents;
}

}  // namespace quarvel::linux_source
