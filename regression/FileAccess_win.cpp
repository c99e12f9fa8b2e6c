#include "regression/FileAccess.h"

#include <string>
#include <windows.h>

// The platform writes text files with carriage return and line feed.
const char kTextLineEnd[] = "\r\n";

namespace {

// Closes the handle when the scope ends.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    int Close() {
        if (!IsValid()) {
            return 1;
        }
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed ? 1 : 0;
    }

private:
    HANDLE m_handle;
};

int WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) {
            return 0;
        }
        data += written;
        size -= written;
    }
    return 1;
}

// Moving a file over a read-only one replaces it and drops the attribute, where
// a plain write would be refused: refuse the same way.
bool MayReplace(const wchar_t* target) {
    const DWORD attributes = GetFileAttributesW(target);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

} // namespace

int ReadFileHead(const wchar_t* path, char* buffer, int capacity) {
    if (!path || !*path || !buffer || capacity < 0) {
        return -1;
    }
    // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened.
    CFileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid() || GetFileType(file.Get()) != FILE_TYPE_DISK) {
        return -1;
    }
    int total = 0;
    while (total < capacity) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer + total, static_cast<DWORD>(capacity - total), &got,
                      nullptr)) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<int>(got);
    }
    return total;
}

int ReplaceFileContents(const wchar_t* path, const char* data, size_t size) {
    if (!path || !*path || (!data && size > 0)) {
        return 0;
    }
    const std::wstring target = path;
    if (!MayReplace(path)) {
        return 0;
    }
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    // A fresh name beside the target, never one that exists already.
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = target + L".~save" + std::to_wstring(attempt);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return 0;
        }
    }
    CFileHandle file(created);
    if (!file.IsValid()) {
        return 0;
    }
    int ok = WriteAll(file.Get(), data, size) && FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    ok = ok && MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary.c_str());
    }
    return ok;
}
