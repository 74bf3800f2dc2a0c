// Files read and written whole. Reading stops past a size cap, so that a file
// too large shows without being read to its end. Writing cannot be torn by a
// crash: the text goes to a new file beside the target, which is flushed,
// renamed over the target, and the folder flushed. Whenever the program dies,
// the target is the old file or the new one, whole; at most the new file is
// left under its temporary name, which its writer knows by the mark in it.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include <sys/stat.h>

// The text of an errno value, as every "PATH: REASON" message gives it.
std::string Reason(int error);

// What ReadRegularFile gives for a path that holds neither a regular file nor
// a folder (a FIFO, a device, a socket).
constexpr int kNotRegularFile = -1;

// Reads the regular file at path into data, at most limit + 1 bytes so that a
// larger one shows, and its status into st. Opened with O_NONBLOCK, so that a
// FIFO in its place cannot hang the open, and with openFlags besides. 0; the
// errno that stopped it (EISDIR for a folder); or kNotRegularFile.
int ReadRegularFile(const std::string& path, int openFlags, std::size_t limit, std::string& data,
                    struct stat& st);

// What differs from one kind of file to the next.
struct CFileWrite {
    // The temporary file is TARGET + tempMark + six random characters.
    std::string tempMark{};
    mode_t mode = 0644;
    // The file replaced, whose owner the new one keeps where we may; failing
    // that (or without it) the new file is simply ours.
    const struct stat* replaced = nullptr;
    // Larger text is refused (EFBIG) before anything is written.
    std::size_t maxSize = std::numeric_limits<std::size_t>::max();
    // Where not empty, the second name that the file replaced keeps: it gets
    // it before the new file takes its place, and loses it again when the new
    // file cannot.
    std::string aside{};
};

// Puts data in target whole, or leaves target as it was and says why in
// failure as "TARGET: REASON".
bool WriteWholeFile(const std::string& target, const std::string& data, const CFileWrite& how,
                    std::string& failure);
