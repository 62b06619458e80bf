// SPDX-License-Identifier: MIT
// package.cpp: the .docx reader: what the input is, and its parts under caps.
#include "package.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>
#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

const unsigned char kOleSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// Whether an OLE compound file holds a stream named EncryptedPackage, which is how an office
// suite stores a password-protected .docx. Directory entries hold names in UTF-16LE.
bool holdsEncryptedPackage(int fd) {
    static const char kName[] = "EncryptedPackage";
    std::string pattern;
    for (const char* c = kName; *c != '\0'; ++c) pattern += std::string{*c, '\0'};
    std::vector<char> chunk(1 << 16);
    std::string carry;
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, chunk.data(), chunk.size(), offset);
        if (got <= 0) return false;
        offset += got;
        const std::string window = carry + std::string(chunk.data(), static_cast<size_t>(got));
        if (window.find(pattern) != std::string::npos) return true;
        carry = window.substr(window.size() - std::min(window.size(), pattern.size()));
    }
}

[[noreturn]] void refuse(const std::string& path, const std::string& why) { throw Failure(path + ": " + why); }

// Raw deflate data, or stored bytes handed on as they are, in chunks of at most 64 KiB.
class Inflater {
public:
    Inflater(const std::string& part, bool deflated) : part_(part), deflated_(deflated) {
        if (deflated_ && inflateInit2(&stream_, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    }
    ~Inflater() {
        if (deflated_) inflateEnd(&stream_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool ended() const { return ended_; }
    // False when deliver asked to stop.
    template <typename Deliver>
    bool feed(const char* data, std::size_t size, Deliver& deliver) {
        if (!deflated_) return deliver(data, size);
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
        stream_.avail_in = static_cast<uInt>(size);
        while (!ended_ && (stream_.avail_in > 0 || stream_.avail_out == 0)) {
            stream_.next_out = reinterpret_cast<Bytef*>(output_.data());
            stream_.avail_out = static_cast<uInt>(output_.size());
            const int status = inflate(&stream_, Z_NO_FLUSH);
            if (status == Z_STREAM_END) {
                ended_ = true;
            } else if (status != Z_OK && status != Z_BUF_ERROR) {
                throw Failure("cannot read " + part_ + ": " + (stream_.msg != nullptr ? stream_.msg : "damaged compressed data"));
            }
            const std::size_t produced = output_.size() - stream_.avail_out;
            if (produced > 0 && !deliver(output_.data(), produced)) return false;
            if (status == Z_BUF_ERROR) break;
        }
        return true;
    }

private:
    std::string part_;
    bool deflated_;
    bool ended_ = false;
    z_stream stream_{};
    std::array<char, 1 << 16> output_{};
};

void closeArchive(zip* archive) {
    if (archive != nullptr) zip_discard(archive);
}

}  // namespace

std::string sizeText(std::uint64_t bytes) {
    static const char* const kUnits[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024 || bytes % 1024 != 0) return std::to_string(bytes) + " bytes";
    int unit = 0;
    for (bytes /= 1024; bytes % 1024 == 0 && bytes >= 1024 && unit < 3; bytes /= 1024) ++unit;
    return std::to_string(bytes) + " " + kUnits[unit];
}

std::string normalisedPart(const std::string& name) {
    const std::string text = fs::path(name).lexically_normal().relative_path().generic_string();
    if (text.empty() || text == "." || text.rfind("..", 0) == 0 || text.back() == '/') return "";
    return text;
}

Package::Package(const std::string& path, const PackageLimits& limits) : archive_(nullptr, closeArchive), limits_(limits) {
    // Non-blocking, so that a FIFO named as the input does not wait for a writer.
    Descriptor input{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (input.fd < 0) throw Failure("cannot open " + path + ": " + errorText(errno));
    struct stat status;
    if (::fstat(input.fd, &status) != 0) throw Failure("cannot read " + path + ": " + errorText(errno));
    if (S_ISDIR(status.st_mode)) refuse(path, "is a folder, not a .docx");
    if (!S_ISREG(status.st_mode)) refuse(path, "is not a regular file");
    std::array<unsigned char, 8> head{};
    if (::pread(input.fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size()) &&
        std::memcmp(head.data(), kOleSignature, head.size()) == 0) {
        refuse(path, holdsEncryptedPackage(input.fd) ? "encrypted document (password protected)"
                                                     : "a Word 97-2003 .doc, not a .docx");
    }
    int code = 0;
    archive_.reset(zip_fdopen(input.fd, ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive_) {
        if (code == ZIP_ER_EXISTS) refuse(path, "holds two entries of one name");
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string message = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw Failure("cannot read " + path + " as a .docx package: " + message);
    }
    input.fd = -1;  // the archive owns it now
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > limits_.entries) {
        refuse(path, "holds more than " + std::to_string(limits_.entries) + " entries");
    }
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
        const std::string part = name != nullptr ? normalisedPart(name) : "";
        if (!part.empty() && !parts_.emplace(part, static_cast<std::uint64_t>(index)).second) {
            refuse(path, "holds two entries of one name, " + part);
        }
    }
}

Package::~Package() = default;

bool Package::has(const std::string& part) const { return parts_.count(part) != 0; }

void Package::read(const std::string& part, const std::function<bool(const char*, std::size_t)>& sink) {
    const auto found = parts_.find(part);
    if (found == parts_.end()) throw Failure("the package has no part " + part);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_.get(), found->second, 0, &stat) != 0) {
        throw Failure("cannot read " + part + ": " + zip_strerror(archive_.get()));
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) throw Failure(part + " is encrypted");
    const bool deflated = (stat.valid & ZIP_STAT_COMP_METHOD) && stat.comp_method == ZIP_CM_DEFLATE;
    if (!deflated && !((stat.valid & ZIP_STAT_COMP_METHOD) && stat.comp_method == ZIP_CM_STORE)) {
        throw Failure(part + " is compressed with a method that a .docx does not use");
    }
    // The entry's bytes as stored, inflated here: so the ratio is measured against the
    // compressed bytes actually consumed, and a zip bomb stops within its first megabytes.
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(archive_.get(), found->second, ZIP_FL_COMPRESSED),
                                                           zip_fclose);
    if (!file) throw Failure("cannot read " + part + ": " + zip_strerror(archive_.get()));
    Inflater inflater(part, deflated);
    std::vector<char> input(1 << 12);  // small, so that the ratio is known early
    std::uint64_t consumed = 0, produced = 0;
    uLong crc = crc32(0, nullptr, 0);
    const auto deliver = [&](const char* data, std::size_t size) {
        produced += size;
        totalRead_ += size;
        if (produced > limits_.partBytes) {
            throw LimitExceeded(part + " is larger than the limit of " + sizeText(limits_.partBytes) + " a part (see --max-size)");
        }
        if (totalRead_ > limits_.totalBytes) {
            throw LimitExceeded("the parts read, up to " + part + ", are larger than the limit of " + sizeText(limits_.totalBytes) +
                                " in all (see --max-size)");
        }
        if (produced > limits_.ratioAfter && produced / limits_.maxRatio > consumed) {
            throw LimitExceeded(part + " inflates to more than " + std::to_string(limits_.maxRatio) +
                                " times its compressed size: refused as a zip bomb");
        }
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(size));
        return sink(data, size);
    };
    while (!inflater.ended()) {
        const zip_int64_t got = zip_fread(file.get(), input.data(), input.size());
        if (got < 0) throw Failure("cannot read " + part + ": " + zip_file_strerror(file.get()));
        if (got == 0) break;
        consumed += static_cast<std::uint64_t>(got);
        if (!inflater.feed(input.data(), static_cast<std::size_t>(got), deliver)) return;
    }
    if (deflated && !inflater.ended()) throw Failure("cannot read " + part + ": its compressed data ends early");
    if ((stat.valid & ZIP_STAT_SIZE) && produced != stat.size) {
        throw Failure("cannot read " + part + ": it holds " + std::to_string(produced) + " bytes, not the " +
                      std::to_string(stat.size) + " its entry claims");
    }
    if ((stat.valid & ZIP_STAT_CRC) && crc != stat.crc) throw Failure("cannot read " + part + ": CRC error");
}

std::string Package::readWhole(const std::string& part) {
    std::string data;
    read(part, [&data](const char* bytes, std::size_t size) {
        data.append(bytes, size);
        return true;
    });
    return data;
}

}  // namespace kyio_tool
