// keylock.cpp: an open file description's lock on one byte of the lock file.
#include "keylock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "makefolders.h"

namespace varn {

KeyLock::KeyLock(const std::string& path, std::uint64_t key) {
    makeFoldersFor(path);
    m_file = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_file == -1) return;
    struct flock byte {};
    byte.l_type = F_WRLCK;
    byte.l_whence = SEEK_SET;
    byte.l_start = off_t(key);
    byte.l_len = 1;
    m_held = ::fcntl(m_file, F_OFD_SETLK, &byte) == 0;
    m_heldElsewhere = !m_held && (errno == EAGAIN || errno == EACCES);
}

KeyLock::~KeyLock() {
    if (m_file != -1) ::close(m_file);
}

}  // namespace varn
