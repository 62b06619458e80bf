// SPDX-License-Identifier: MIT
// notices.h: where each embedded resource comes from and under which licence, generated from
// the resource manifest and resources/notices.tsv with the build.
#ifndef KYIO_PROGRAMS_NOTICES_H
#define KYIO_PROGRAMS_NOTICES_H

#include <string>
#include <vector>

namespace kyio_tool {

struct Notice {
    const char* name;  // as a host opens it
    const char* package;  // the Debian package it is built from, "-" for the project's own
    const char* copyright;
    const char* licence;
};

const std::vector<Notice>& notices();

// The notice of the resource called name, or null.
const Notice* noticeOf(const std::string& name);

}  // namespace kyio_tool

#endif
