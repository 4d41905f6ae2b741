#include "common/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace orln7a {

namespace {

std::string SystemError(const std::string& what, const std::filesystem::path& path) {
    return what + " " + path.string() + ": " + std::strerror(errno);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

} // namespace

Result<Bytes> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return MakeError("", SystemError("cannot open", path));
    Bytes data;
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return MakeError("", SystemError("cannot read", path));
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes)
            return MakeError("", path.string() + " is larger than " + std::to_string(maxBytes) +
                                     " bytes");
        data.insert(data.end(), chunk, chunk + n);
    }
    return data;
}

Status WriteFileAtomically(const std::filesystem::path& path, ByteView bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp-" + std::to_string(::getpid());
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return MakeError("", SystemError("cannot create", temp));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const auto error = SystemError("cannot write", temp);
            ::unlink(temp.c_str());
            return MakeError("", error);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
        const auto error = SystemError("cannot flush", temp);
        ::unlink(temp.c_str());
        return MakeError("", error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const auto error = SystemError("cannot replace", path);
        ::unlink(temp.c_str());
        return MakeError("", error);
    }
    return Ok();
}

} // namespace orln7a
