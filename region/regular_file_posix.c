#define _POSIX_C_SOURCE 200809L

#include "regular_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FILE* OpenRegularFile(const char* path) {
    int fd;
    do {
        fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return NULL;
    }
    struct stat st;
    int flags = -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        (uint64_t)st.st_size > QUORVANE_MAX_IMAGE_BYTES || (flags = fcntl(fd, F_GETFL)) == -1 ||
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        close(fd);
        return NULL;
    }
    FILE* file = fdopen(fd, "rb");
    if (file == NULL) {
        close(fd);
    }
    return file;
}
