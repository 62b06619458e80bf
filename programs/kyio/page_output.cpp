// SPDX-License-Identifier: MIT
// page_output.cpp: the temporary folder, the files in it and the renames that end it.
#include "page_output.h"

#include "cli.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <random>

namespace kyio_tool {
namespace {

const char kPageName[] = "page.html";
const char kFilesName[] = "files";

// Removes name under folder and, when it is a folder, everything in it, following no link.
void removeTree(int folder, const char* name) {
    if (::unlinkat(folder, name, 0) == 0 || errno != EISDIR) return;
    const int fd = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    DIR* listing = ::fdopendir(fd);
    if (listing == nullptr) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string child = entry->d_name;
        if (child != "." && child != "..") removeTree(fd, child.c_str());
    }
    ::closedir(listing);
    ::unlinkat(folder, name, AT_REMOVEDIR);
}

// A file created new in folder (never an existing one, never through a link), written whole.
void writeNew(int folder, const std::string& name, const std::string& data, const std::string& shownAs) {
    const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) throw Failure("cannot write " + shownAs + ": " + errorText(errno));
    const bool written = writeAll(fd, data.data(), data.size());
    const int code = errno;
    if (::close(fd) != 0 && written) throw Failure("cannot write " + shownAs + ": " + errorText(errno));
    if (!written) throw Failure("cannot write " + shownAs + ": " + errorText(code));
}

// What name is under folder: 0 when nothing, else its st_mode (a link is not followed).
mode_t kindOf(int folder, const std::string& name) {
    struct stat status;
    return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 ? status.st_mode : 0;
}

std::string urlEscaped(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : text) {
        if (std::isalnum(c) != 0 || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += {'%', kHex[c >> 4], kHex[c & 15]};
        }
    }
    return out;
}

}  // namespace

PageOutput::PageOutput(const std::string& outDir, const std::string& stem) : outDir_(outDir), stem_(stem) {
    makeFolders(outDir);
    outFd_ = ::open(outDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (outFd_ < 0) throw Failure("cannot open " + outDir + ": " + errorText(errno));
    std::random_device seed;
    for (int attempt = 0; temporaryFd_ < 0; ++attempt) {
        temporary_ = ".kyio-" + std::to_string(seed() % 1000000000u);
        if (::mkdirat(outFd_, temporary_.c_str(), 0700) == 0) {
            temporaryFd_ = ::openat(outFd_, temporary_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (temporaryFd_ < 0) throw Failure("cannot open a folder in " + outDir + ": " + errorText(errno));
        } else if (errno != EEXIST || attempt > 100) {
            throw Failure("cannot create a folder in " + outDir + ": " + errorText(errno));
        }
    }
}

PageOutput::~PageOutput() {
    for (const int fd : {filesFd_, temporaryFd_}) {
        if (fd >= 0) ::close(fd);
    }
    if (!temporary_.empty()) removeTree(outFd_, temporary_.c_str());
    ::close(outFd_);
}

std::string PageOutput::addPicture(const std::string& extension, const std::string& data) {
    if (filesFd_ < 0) {
        if (::mkdirat(temporaryFd_, kFilesName, 0777) != 0 ||
            (filesFd_ = ::openat(temporaryFd_, kFilesName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) < 0) {
            throw Failure("cannot create " + outDir_ + "/" + temporary_ + "/" + kFilesName + ": " + errorText(errno));
        }
    }
    const std::string name = "image" + std::to_string(++pictures_) + "." + extension;
    writeNew(filesFd_, name, data, outDir_ + "/" + stem_ + "_files/" + name);
    return urlEscaped(stem_ + "_files") + "/" + name;
}

std::string PageOutput::commit(const std::string& page) {
    const std::string pageName = stem_ + ".html", filesName = stem_ + "_files";
    const std::string pagePath = outDir_ + "/" + pageName, filesPath = outDir_ + "/" + filesName;
    // Checked first, so that a refusal changes nothing.
    const mode_t pageKind = kindOf(outFd_, pageName), filesKind = kindOf(outFd_, filesName);
    if (pageKind != 0 && !S_ISREG(pageKind)) throw Failure(pagePath + " exists and is not a regular file");
    if (pictures_ > 0 && filesKind != 0 && !S_ISDIR(filesKind)) throw Failure(filesPath + " exists and is not a folder");
    writeNew(temporaryFd_, kPageName, page, pagePath);
    if (pictures_ > 0) {
        // An earlier DOC_files/ is swapped out whole and goes with the temporary folder.
        bool placed = false;
        if (filesKind != 0) {
            placed = ::renameat2(temporaryFd_, kFilesName, outFd_, filesName.c_str(), RENAME_EXCHANGE) == 0;
            if (!placed && ::renameat(outFd_, filesName.c_str(), temporaryFd_, "earlier") != 0) {
                throw Failure("cannot replace " + filesPath + ": " + errorText(errno));
            }
        }
        if (!placed && ::renameat(temporaryFd_, kFilesName, outFd_, filesName.c_str()) != 0) {
            throw Failure("cannot write " + filesPath + ": " + errorText(errno));
        }
    }
    if (::renameat(temporaryFd_, kPageName, outFd_, pageName.c_str()) != 0) {
        throw Failure("cannot write " + pagePath + ": " + errorText(errno));
    }
    return pagePath;
}

}  // namespace kyio_tool
