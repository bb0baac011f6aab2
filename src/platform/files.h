#pragma once

// Reading and writing a whole file, for the settings file. Every failure is
// told by the run-time error number the designer's message is chosen by, and
// by the system's reason in words, so the settings window and the developer
// tools refuse the same things for the same reasons.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nk {

enum FileErrorNumber : int {
    kFileNotFound = 53,      // the file is not there (its folder is)
    kDeviceError = 57,       // the device failed to read or write
    kDiskFull = 61,          // no room left on the device (or for the file)
    kBadFileName = 64,       // a name the system cannot take
    kTooManyFiles = 67,      // the system has no file left to open
    kPermissionDenied = 70,  // read-only file or folder, or not ours
    kPathFileAccess = 75,    // a folder, pipe or device, or any other failure
    kPathNotFound = 76       // a folder on the way is missing or is a file
};

// Far beyond any settings file: the start-up settings take 29 kB, and a
// file whose catalogue holds the 9,999 models of each type a file allows,
// named in 40 characters, with each of the sixteen texts filling the 32,767
// characters of its box, 5.4 MB. A larger file is refused unread as one that
// is no settings file, as a folder or a device is (75): out of memory (7) or
// disk full (61) would send the administrator after the machine, which is
// not at fault.
inline constexpr std::uintmax_t kLargestSettingsFile = std::uintmax_t(16) << 20;

struct FileOutcome {
    int error = 0;       // 0 when done, otherwise a FileErrorNumber
    std::string reason;  // why not, in English words (for the tools)

    bool ok() const { return error == 0; }
};

// The error number of a system error code (errno) met on a file, where
// nothing tells whether the file's folder is there.
int fileErrorNumber(int err);

// Reads the whole of a regular file. Folders, pipes, devices and sockets, and
// a file larger than kLargestSettingsFile, are refused before anything is
// read, so a reader neither blocks nor consumes what is not a settings file;
// a file that grows past the bound while it is read is refused there.
FileOutcome readWholeFile(const std::string& path, std::string& bytes);

// Replaces a file by `bytes`, whole or not at all: they go to a temporary of
// a name of their own in the file's folder, reach the device, and then take
// the file's place in one step. A symbolic link stays and its file is
// replaced; the file keeps its permissions, and its owner and group where the
// saver may set them (the superuser both, a member of its group the group).
// A file nobody may write (the read-only attribute), a folder, a pipe or a
// device is refused and left as it is. A failure leaves no temporary behind,
// and a save removes the temporaries that saves of the file killed on the
// way left, but not one a save still at work holds. More bytes than
// kLargestSettingsFile are refused, as the reader would refuse them.
// A lock another process holds is waited for a second at most.
// `namesSeed` draws the temporary's names, for a test that must know them;
// `created` is told each temporary's name before the save locks it, for a
// test that must come in between.
FileOutcome replaceFile(const std::string& path, std::string_view bytes,
                        std::optional<std::uint32_t> namesSeed = std::nullopt,
                        const std::function<void(const std::string&)>& created = {});

}  // namespace nk
