#include "platform/posix/filesystemkind.h"

#include <sys/vfs.h>

namespace {

// f_type values (linux/magic.h and the file systems' own sources).
constexpr long kNfs = 0x6969;
constexpr long kSmb = 0x517B;
constexpr long kCifs = 0xFF534D42;
constexpr long kSmb2 = 0xFE534D42;
constexpr long kFuse = 0x65735546;
constexpr long kCeph = 0x00C36400;
constexpr long kAfs = 0x5346414F;
constexpr long kCoda = 0x73757245;
constexpr long kNinePee = 0x01021997;
constexpr long kOverlay = 0x794C7630;

} // namespace

FileSystemKind fileSystemKindOfType(long type)
{
    FileSystemKind kind;
    switch (type) {
    case kNfs:
    case kCeph:
    case kAfs:
    case kCoda:
        kind.network = true;
        break;
    case kSmb:
    case kCifs:
    case kSmb2:
    case kFuse:
    case kNinePee:
        kind.network = true;
        kind.stableInodes = false;
        break;
    case kOverlay:
        kind.stableInodes = false;
        break;
    default:
        break;
    }
    return kind;
}

FileSystemKind fileSystemKindOf(int fd)
{
    struct statfs fs;
    return fstatfs(fd, &fs) == 0 ? fileSystemKindOfType(long(fs.f_type)) : FileSystemKind();
}

FileSystemKind fileSystemKindAt(const char *path)
{
    struct statfs fs;
    return statfs(path, &fs) == 0 ? fileSystemKindOfType(long(fs.f_type)) : FileSystemKind();
}
