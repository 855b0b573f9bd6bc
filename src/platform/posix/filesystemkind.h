#pragma once

// What kind of file system holds a file or folder, as far as the page-count
// cache must know it.
struct FileSystemKind
{
    // NFS, CIFS/SMB, FUSE and the like: file times come from another
    // machine's clock, the client may answer from a stale copy, and SQLite's
    // shared memory cannot be trusted across hosts.
    bool network = false;
    // Inode numbers that stay with a file across mounts: not on FUSE (the
    // daemon may hand out new ones), CIFS/SMB or overlay file systems.
    bool stableInodes = true;
};

// Of a file system by its statfs() f_type.
FileSystemKind fileSystemKindOfType(long type);
// Of the open file or folder `fd`; a local file system when it cannot be told.
FileSystemKind fileSystemKindOf(int fd);
// Of the file or folder at `path` (native bytes).
FileSystemKind fileSystemKindAt(const char *path);
