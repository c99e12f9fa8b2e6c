#include "regression/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

const char kTextLineEnd[] = "\n";

namespace {

// File names are UTF-8 on the systems this build runs on.
std::string ToUtf8(const wchar_t* text) {
    std::string out;
    for (; *text; ++text) {
        const unsigned long c = static_cast<unsigned long>(*text);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

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

} // namespace

int ReadFileHead(const wchar_t* path, char* buffer, int capacity) {
    if (!path || !*path || !buffer || capacity < 0) {
        return -1;
    }
    const int fd = open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info;
    int total = 0;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        total = -1;
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
    const std::string target = ToUtf8(path);
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
    int ok = WriteAll(fd, data, size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}
