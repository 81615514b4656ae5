#define _POSIX_C_SOURCE 200809L
#define _DEFAULT_SOURCE 1 /* madvise's MADV_HUGEPAGE (Linux) */

#include "regular_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

/* The large page size of x86-64 and of 64-bit ARM with 4 KiB pages: blocks at least this large
 * are aligned to it, so that every whole large page of the block can be one. */
enum { kLargePage = 2 << 20 };

/* Opens path without waiting on a pipe and checks that it is a regular file of at most max_bytes;
 * returns the descriptor (blocking again), or -1 with the status in *status. */
static int OpenChecked(const char* path, uint64_t max_bytes, int* status, uint64_t* size) {
    int fd;
    do {
        fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *status = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG
                      ? QUORVANE_DB_NOT_FOUND
                  : errno == EACCES || errno == EPERM ? QUORVANE_DB_NO_ACCESS
                  : errno == ELOOP                    ? QUORVANE_DB_NOT_A_FILE
                  : errno == ENOMEM                   ? QUORVANE_DB_NO_MEMORY
                                                      : QUORVANE_DB_READ_FAILED;
        return -1;
    }
    struct stat st;
    int flags;
    if (fstat(fd, &st) != 0) {
        *status = QUORVANE_DB_READ_FAILED;
    } else if (!S_ISREG(st.st_mode)) {
        *status = QUORVANE_DB_NOT_A_FILE;
    } else if ((uint64_t)st.st_size > max_bytes) {
        *status = QUORVANE_DB_TOO_LARGE;
    } else if ((flags = fcntl(fd, F_GETFL)) == -1 ||
               fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        *status = QUORVANE_DB_READ_FAILED;
    } else {
        *size = (uint64_t)st.st_size;
        *status = QUORVANE_DB_OK;
        return fd;
    }
    close(fd);
    return -1;
}

FILE* OpenRegularFile(const char* path) {
    int status;
    uint64_t size;
    int fd = OpenChecked(path, QUORVANE_DB_IPV4_MAX_BYTES, &status, &size);
    if (fd < 0) {
        return NULL;
    }
    FILE* file = fdopen(fd, "rb");
    if (file == NULL) {
        close(fd);
    }
    return file;
}

struct DatabaseFile {
    int fd;
};

int OpenDatabaseFile(const char* path, DatabaseFile** file, uint64_t* size) {
    *file = NULL;
    int status;
    int fd = OpenChecked(path, QUORVANE_DB_MAX_BYTES, &status, size);
    if (fd < 0) {
        return status;
    }
    *file = (DatabaseFile*)malloc(sizeof **file);
    if (*file == NULL) {
        close(fd);
        return QUORVANE_DB_NO_MEMORY;
    }
    (*file)->fd = fd;
    return QUORVANE_DB_OK;
}

int ReadDatabaseAt(void* file, uint64_t offset, void* to, size_t bytes) {
    int fd = ((DatabaseFile*)file)->fd;
    size_t got = 0;
    while (got < bytes) {
        ssize_t n = pread(fd, (unsigned char*)to + got, bytes - got, (off_t)(offset + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return 0;
        }
        got += (size_t)n;
    }
    return 1;
}

void CloseDatabaseFile(DatabaseFile* file) {
    if (file != NULL) {
        close(file->fd);
        free(file);
    }
}

unsigned char* AllocateImage(size_t bytes) {
    if (bytes < kLargePage) {
        return (unsigned char*)malloc(bytes);
    }
    void* block = NULL;
    if (posix_memalign(&block, kLargePage, bytes) != 0) {
        return NULL;
    }
#ifdef MADV_HUGEPAGE
    /* Advice only: where the system keeps large pages for those who ask (Linux's "madvise"
     * setting) this is what makes them large; a refusal leaves small pages, which work too. */
    (void)madvise(block, bytes / kLargePage * kLargePage, MADV_HUGEPAGE);
#endif
    return (unsigned char*)block;
}
