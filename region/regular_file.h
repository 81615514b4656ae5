/* Opening and reading database files for the engine: the platform's part. Internal to the
 * library. */
#ifndef QUORVANE_REGION_REGULAR_FILE_H_
#define QUORVANE_REGION_REGULAR_FILE_H_

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <quorvane/region_db.h>

/* Opens path (narrow text) for reading in binary mode when it names a regular file of at most
 * QUORVANE_DB_IPV4_MAX_BYTES (the eleven functions read IPv4 files only); NULL otherwise. Never
 * blocks on a named pipe or a device: a pipe would hold the caller until someone writes to it, and
 * a directory or a device has no size that an image could be made of. */
FILE* OpenRegularFile(const char* path);

/* A database file open for reads at offsets (OpenDatabaseFile). */
typedef struct DatabaseFile DatabaseFile;

/* Opens the regular file at path (UTF-8) for ReadDatabaseAt, never waiting on a pipe (as
 * OpenRegularFile), refusing what is no regular file or larger than QUORVANE_DB_MAX_BYTES (the
 * largest of any family), and stores it in *file and its size in *size. Returns QUORVANE_DB_OK,
 * or the status that says why not (then *file is NULL). */
int OpenDatabaseFile(const char* path, DatabaseFile** file, uint64_t* size);

/* Reads bytes bytes at offset of file (a DatabaseFile) into to: 1, or 0 when they cannot all be
 * read (an error, or a file cut short since it was opened). */
int ReadDatabaseAt(void* file, uint64_t offset, void* to, size_t bytes);

/* Closes file; NULL is allowed. */
void CloseDatabaseFile(DatabaseFile* file);

/* A new block of bytes for a database image, or NULL; released with free(). Where the system
 * offers it, a large block asks to be backed by large (2 MiB) pages: a search touches a few
 * entries and one record far apart in an image of tens of MiB, and with small pages nearly every
 * one of those reads also misses the address translation cache. */
unsigned char* AllocateImage(size_t bytes);

#endif /* QUORVANE_REGION_REGULAR_FILE_H_ */
