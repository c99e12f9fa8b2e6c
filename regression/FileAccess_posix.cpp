#include "regression/FileAccess.h"

// File names are UTF-8 on the systems this build runs on.
#include "ui/ZoqUtf8.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

const char kTextLineEnd[] = "\n";

namespace {

int WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return 0;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return 1;
}

// The rename that replaces the file needs only a writable folder, so it would
// replace a file that a plain write may not change. A file without any write
// permission is read-only even for the superuser, as the read-only attribute is
// on the other platform. `mode` receives the permissions of the existing file, or
// 0 when there is none.
bool MayReplace(const std::string& target, mode_t& mode) {
    mode = 0;
    struct stat info;
    if (stat(target.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    mode = info.st_mode & 07777;
    if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace

int ReadFileHead(const wchar_t* path, char* buffer, int capacity) {
    if (!path || !*path || !buffer || capacity < 0) {
        return -1;
    }
    // Opening a FIFO without a writer would wait for one: open without waiting,
    // and read only once the file is known to be a regular one.
    const int fd = open(ZoqToUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info;
    int total = 0;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        total = -1;
    } else {
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            total = -1;
        }
    }
    while (total >= 0 && total < capacity) {
        const ssize_t got = read(fd, buffer + total, static_cast<size_t>(capacity - total));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            total = -1;
        } else if (got == 0) {
            break;
        } else {
            total += static_cast<int>(got);
        }
    }
    close(fd);
    return total;
}

int ReplaceFileContents(const wchar_t* path, const char* data, size_t size) {
    if (!path || !*path || (!data && size > 0)) {
        return 0;
    }
    const std::string target = ZoqToUtf8(path);
    mode_t mode = 0;
    if (!MayReplace(target, mode)) {
        return 0;
    }
    std::string temporary;
    int fd = -1;
    // A fresh name beside the target, never one that exists already.
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target + ".~save" + std::to_string(attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return 0;
        }
    }
    if (fd < 0) {
        return 0;
    }
    // The new file keeps the permissions of the one it replaces.
    int ok = (mode == 0 || fchmod(fd, mode) == 0) && WriteAll(fd, data, size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}
