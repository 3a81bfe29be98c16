// clipfile.h: reading a sound file whole, as the clip of a player, with POSIX file access.
#pragma once

#include <cstdint>
#include <string>

#include "propertyvalue.h"

namespace varn {

class ClipFile {
  public:
    // A clip larger than this is refused: the saved design must be able to hold it, and a huge
    // file picked by mistake must not take the designer's memory.
    static constexpr std::uint64_t kMaxClipBytes = 64ull << 20;

    // Opens the file for reading; throws SoundError when it is missing, is no regular file or
    // cannot be opened.
    explicit ClipFile(const std::string& path);
    ~ClipFile();
    ClipFile(const ClipFile&) = delete;
    ClipFile& operator=(const ClipFile&) = delete;

    // The length of the open file in bytes.
    std::uint64_t size() const { return m_size; }

    // The whole file in one read, into a buffer of size() + 1 bytes whose last byte is 0.
    // Throws SoundError when the file is too large, cannot be read or ends early.
    ByteArray readWithTrailingZero() const;

  private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

}  // namespace varn
