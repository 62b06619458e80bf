// SPDX-License-Identifier: MIT
// package.h: a .docx package read as hostile input. Sizes are counted from the bytes that
// inflate, never taken from the zip directory; parts are read in chunks under caps.
#ifndef KYIO_PROGRAMS_PACKAGE_H
#define KYIO_PROGRAMS_PACKAGE_H

#include <cstdint>
#include <functional>
#include <memory>
#include <map>
#include <string>

#include "cli.h"

struct zip;

namespace kyio_tool {

struct PackageLimits {
    std::uint64_t partBytes = std::uint64_t{256} << 20;   // one part, inflated
    std::uint64_t totalBytes = std::uint64_t{1} << 30;    // every part read, in all
    std::uint64_t entries = 10000;
    // Past this many inflated bytes a part may not have grown more than maxRatio times its
    // compressed size: deflate reaches about 1000, real XML parts about 20.
    std::uint64_t ratioAfter = std::uint64_t{4} << 20;
    std::uint64_t maxRatio = 500;
};

// A part or the package over one of the limits: always a failure, never a warning.
struct LimitExceeded : Failure {
    using Failure::Failure;
};

// "256 MiB", "1 GiB", "1000 bytes": a limit as the messages give it.
std::string sizeText(std::uint64_t bytes);

// A part name with "." and ".." resolved and no leading '/'; empty when it climbs out.
std::string normalisedPart(const std::string& name);

class Package {
public:
    // Opens path; Failure when it is a folder, not a regular file, an OLE file (encrypted or a
    // .doc), not a zip archive, or a zip with too many entries or two entries of one name.
    Package(const std::string& path, const PackageLimits& limits);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    bool has(const std::string& part) const;
    // Hands the part's bytes to sink in chunks until the end or until sink returns false.
    // Failure names the part when it is missing, damaged or over a limit.
    void read(const std::string& part, const std::function<bool(const char*, std::size_t)>& sink);
    std::string readWhole(const std::string& part);

private:
    std::unique_ptr<zip, void (*)(zip*)> archive_;
    std::map<std::string, std::uint64_t> parts_;  // part name -> zip entry index
    PackageLimits limits_;
    std::uint64_t totalRead_ = 0;
};

}  // namespace kyio_tool

#endif
