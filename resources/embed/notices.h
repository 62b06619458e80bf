// SPDX-License-Identifier: MIT
// notices.h: what the manifest and the notices make besides the resource table: the NOTICE
// installed with the library, the Debian copyright file, the kyio tool's notice table and
// the header that gives the tests and the tool the manifest's rows.
#ifndef KYIO_EMBED_NOTICES_H
#define KYIO_EMBED_NOTICES_H

#include "manifest.h"

namespace kyio_embed {

std::string noticeText(const std::vector<Entry>& entries, const std::vector<Notice>& notices);
// licence is the project's LICENSE; sourceDir is cut from the paths of the project's own files.
std::string debianCopyright(const std::vector<Entry>& entries, const std::vector<Notice>& notices, const std::string& licence,
                            const std::string& sourceDir);
std::string noticeTable(const std::vector<Entry>& entries, const std::vector<Notice>& notices);
std::string manifestHeader(const std::vector<Entry>& entries);

}  // namespace kyio_embed

#endif
