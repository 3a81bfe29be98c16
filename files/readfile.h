// readfile.h: reading a file whole, up to a bound, however many reads the system takes for it.
#pragma once

#include <cstddef>
#include <string>

namespace varn {

struct FileBytes {
    enum class Status {
        Read,        // all of it is in `bytes`
        Missing,     // nothing of that name
        NotAFile,    // a folder, a FIFO, a device...
        Unreadable,  // `error` tells why
        TooLong,     // longer than the bound; `bytes` holds its head when that was asked for
    };
    Status status = Status::Missing;
    std::string bytes;
    int error = 0;  // the errno of an unreadable file
};

enum class LongFile {
    Refuse,    // a file longer than the bound is not read at all
    KeepHead,  // its first bytes, up to the bound, are read
};

// Reads at most `limit` bytes of `file` into `bytes`. A read may give less than asked, on a
// network or FUSE home folder for one, or be interrupted: only the end of the file or an error
// ends it. False on an error.
bool readAtMost(int file, std::size_t limit, std::string& bytes);

// The regular file at `path`, opened without blocking so that a FIFO put in its place cannot
// hang the game, and bounded so that a huge or foreign file is never loaded whole.
FileBytes readFile(const std::string& path, std::size_t limit, LongFile longFile);

}  // namespace varn
