// Regular files only: a name is opened without waiting, checked on the open
// descriptor itself, and only then read. Writes go through a temporary file
// created afresh, so that nothing found under its name is written into.
#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>

namespace {
// The file goes out in pieces of this size (the last one shorter).
constexpr size_t writePiece = 512;

// The rename itself only lasts once the folder is on the disk as well.
void syncFolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
}  // namespace

std::FILE* platformOpenDataFile(const char* path)
{
    // Without O_NONBLOCK the open of a pipe waits for a writer that never comes.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
    }
    return file;
}

bool platformReadFile(const char* path, size_t limit, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    std::FILE* file = platformOpenDataFile(path);
    if (!file) {
        return false;
    }
    // The size comes from the open file itself, so a file over the limit is
    // refused before any of it is read or any room is made for it.
    struct stat info {};
    bool ok = fstat(fileno(file), &info) == 0 && info.st_size >= 0 && uintmax_t(info.st_size) <= limit;
    if (ok) {
        try {
            bytes.resize(size_t(info.st_size));
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    if (ok) {
        // A file cut short since the size was taken yields what it still holds.
        const size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        ok = std::ferror(file) == 0;
        bytes.resize(ok ? got : 0);
    } else {
        bytes.clear();
    }
    std::fclose(file);
    return ok;
}

bool platformReplaceFile(const char* path, const std::vector<uint8_t>& bytes, void (*afterPiece)())
{
    const std::string temporary = std::string(path) + ".tmp";
    // Whatever file stands under the temporary name goes first (a pipe there
    // would wait for a reader for ever); anything else makes the write fail.
    unlink(temporary.c_str());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, std::min(writePiece, bytes.size() - done));
        if (n <= 0) {
            break;
        }
        done += size_t(n);
        if (afterPiece) {
            afterPiece();
        }
    }
    bool ok = done == bytes.size();
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}
