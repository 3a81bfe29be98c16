// keylock.h: a lock on one number of a lock file, which another game cannot take meanwhile.
#pragma once

#include <cstdint>
#include <string>

namespace varn {

// Taken with one try, held for as long as the object lives, and let go by the kernel when the
// process ends, however it ends. Each number is a byte of the file, locked through its open file
// description, so that two objects conflict even within one process, as two games would; the
// file stays empty. The folder is made when missing.
class KeyLock {
  public:
    KeyLock(const std::string& path, std::uint64_t key);
    ~KeyLock();
    KeyLock(const KeyLock&) = delete;
    KeyLock& operator=(const KeyLock&) = delete;

    // False when another holds the number, and when the file cannot be opened at all.
    bool held() const { return m_held; }
    // True only when another holds it.
    bool heldElsewhere() const { return m_heldElsewhere; }

  private:
    int m_file = -1;
    bool m_held = false;
    bool m_heldElsewhere = false;
};

}  // namespace varn
