// sharedtable.cpp: reading, setting aside and folders for the files of the tables.
#include "sharedtable.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "makefolders.h"
#include "setaside.h"

namespace varn::sharedfile {

Bytes read(const std::string& path, std::size_t limit) {
    Bytes bytes;
    bytes.file = readFile(path, limit, LongFile::KeepHead);
    switch (bytes.file.status) {
        case FileBytes::Status::Missing:
            break;
        case FileBytes::Status::NotAFile:
            bytes.state = State::InTheWay;
            bytes.problem = "it is not a file";
            break;
        case FileBytes::Status::Unreadable:
            bytes.state = State::Damaged;
            bytes.problem = std::string("it cannot be read: ") + std::strerror(bytes.file.error);
            break;
        case FileBytes::Status::Read:
            bytes.state = State::Sound;
            break;
        case FileBytes::Status::TooLong:
            bytes.state = State::Damaged;
            bytes.problem = "it is longer than " + std::to_string(limit) + " bytes";
            break;
    }
    return bytes;
}

void complain(const std::string& path, const std::string& why) {
    std::string line = "varn: " + path + ": " + why;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    std::fprintf(stderr, "%s\n", line.c_str());
}

bool keepAside(const std::string& path, const std::string& problem) {
    if (const auto aside = setAside(path)) {
        complain(path, problem + "; kept as " + *aside);
        return true;
    }
    complain(path, problem + "; left as it is, and the scores are not kept");
    return false;
}

bool makeFolders(const std::string& path) {
    return makeFoldersFor(path);
}

}  // namespace varn::sharedfile
