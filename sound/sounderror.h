// sounderror.h: a run-time error of the sound control, with its number and description.
#pragma once

#include <stdexcept>
#include <string>

namespace varn {

class SoundError : public std::runtime_error {
  public:
    // The numbers are those of the host language's run-time errors.
    static constexpr int kTypeMismatch = 13;
    static constexpr int kFileNotFound = 53;
    static constexpr int kDeviceIoError = 57;
    static constexpr int kInputPastEndOfFile = 62;
    static constexpr int kPermissionDenied = 70;
    static constexpr int kPathFileAccessError = 75;
    static constexpr int kCannotSetAtRunTime = 382;
    static constexpr int kCannotReadAtRunTime = 393;

    SoundError(int number, const std::string& description)
        : std::runtime_error(description), m_number(number) {}

    int number() const { return m_number; }

  private:
    int m_number;
};

}  // namespace varn
