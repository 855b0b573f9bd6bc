#pragma once

#include "search/bytesource.h"

#include <memory>

// A byte source over `fd`, an open regular file of `size` bytes; it closes
// the file when it goes.
std::unique_ptr<ByteSource> sourceOfOpenFile(int fd, quint64 size);
