#include "regular_file.h"

#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>

/* Windows opens no named pipe without a server and no directory through fopen; the type and the
 * size are checked once the file is open. */
FILE* OpenRegularFile(const char* path) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return NULL;
    }
    struct _stat64 st;
    if (_fstat64(_fileno(file), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG ||
        (uint64_t)st.st_size > QUORVANE_DB_IPV4_MAX_BYTES) {
        fclose(file);
        return NULL;
    }
    return file;
}

/* The wide name of a UTF-8 path in a new malloc'ed string, or NULL. */
static wchar_t* WideName(const char* path) {
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, NULL, 0);
    if (length <= 0) {
        return NULL;
    }
    wchar_t* name = (wchar_t*)malloc((size_t)length * sizeof(wchar_t));
    if (name != NULL &&
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, name, length) != length) {
        free(name);
        name = NULL;
    }
    return name;
}

static int StatusOfError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return QUORVANE_DB_NOT_FOUND;
        case ERROR_ACCESS_DENIED:
            /* What a folder gives without backup semantics, as well as a refusal. */
            return QUORVANE_DB_NO_ACCESS;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return QUORVANE_DB_NO_MEMORY;
        default:
            return QUORVANE_DB_READ_FAILED;
    }
}

/* Opens path for reading, shared with its writers and renamers, when it is a regular file of at
 * most QUORVANE_DB_MAX_BYTES; stores the handle in *file and the size in *size. */
static int OpenShared(const char* path, HANDLE* file, uint64_t* size) {
    wchar_t* name = WideName(path);
    if (name == NULL) {
        return QUORVANE_DB_NOT_FOUND;
    }
    DWORD attributes = GetFileAttributesW(name);
    *file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD error = GetLastError();
    free(name);
    if (*file == INVALID_HANDLE_VALUE) {
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return QUORVANE_DB_NOT_A_FILE;
        }
        return StatusOfError(error);
    }
    LARGE_INTEGER length;
    int status = QUORVANE_DB_OK;
    if (GetFileType(*file) != FILE_TYPE_DISK) {
        status = QUORVANE_DB_NOT_A_FILE;
    } else if (!GetFileSizeEx(*file, &length)) {
        status = QUORVANE_DB_READ_FAILED;
    } else if ((uint64_t)length.QuadPart > QUORVANE_DB_MAX_BYTES) {
        status = QUORVANE_DB_TOO_LARGE;
    } else {
        *size = (uint64_t)length.QuadPart;
        return QUORVANE_DB_OK;
    }
    CloseHandle(*file);
    return status;
}

struct DatabaseFile {
    HANDLE handle;
};

int OpenDatabaseFile(const char* path, DatabaseFile** file, uint64_t* size) {
    *file = NULL;
    HANDLE handle;
    int status = OpenShared(path, &handle, size);
    if (status != QUORVANE_DB_OK) {
        return status;
    }
    *file = (DatabaseFile*)malloc(sizeof **file);
    if (*file == NULL) {
        CloseHandle(handle);
        return QUORVANE_DB_NO_MEMORY;
    }
    (*file)->handle = handle;
    return QUORVANE_DB_OK;
}

int ReadDatabaseAt(void* file, uint64_t offset, void* to, size_t bytes) {
    HANDLE handle = ((DatabaseFile*)file)->handle;
    size_t got = 0;
    while (got < bytes) {
        /* A read at an offset on a handle opened for plain reads: the call still waits for it. */
        OVERLAPPED at;
        memset(&at, 0, sizeof at);
        uint64_t where = offset + got;
        at.Offset = (DWORD)where;
        at.OffsetHigh = (DWORD)(where >> 32);
        DWORD want = bytes - got > 0x40000000u ? 0x40000000u : (DWORD)(bytes - got);
        DWORD n = 0;
        if (!ReadFile(handle, (unsigned char*)to + got, want, &n, &at) || n == 0) {
            return 0;
        }
        got += n;
    }
    return 1;
}

void CloseDatabaseFile(DatabaseFile* file) {
    if (file != NULL) {
        CloseHandle(file->handle);
        free(file);
    }
}

/* Large pages on Windows need a privilege that ordinary users lack: plain memory. */
unsigned char* AllocateImage(size_t bytes) {
    return (unsigned char*)malloc(bytes);
}
