// SPDX-License-Identifier: MIT
// page_output.h: a page and its pictures put in place whole. Everything is written into a
// temporary folder inside OUT_DIR, through descriptors and never through a symbolic link,
// then renamed to OUT_DIR/DOC.html and OUT_DIR/DOC_files/; a failure leaves what was there.
#ifndef KYIO_PROGRAMS_PAGE_OUTPUT_H
#define KYIO_PROGRAMS_PAGE_OUTPUT_H

#include <string>

namespace kyio_tool {

class PageOutput {
public:
    // Creates outDir where missing; Failure when it cannot be made or opened.
    PageOutput(const std::string& outDir, const std::string& stem);
    ~PageOutput();  // removes the temporary folder and anything left in it
    PageOutput(const PageOutput&) = delete;
    PageOutput& operator=(const PageOutput&) = delete;

    // Stores a picture as imageN.EXTENSION and returns the page's source for it,
    // "DOC_files/imageN.EXTENSION" with DOC escaped for a URL.
    std::string addPicture(const std::string& extension, const std::string& data);
    // Puts the page (and the pictures, when there are any) in place; returns the page's path.
    std::string commit(const std::string& page);

private:
    std::string outDir_, stem_, temporary_;
    int outFd_ = -1, temporaryFd_ = -1, filesFd_ = -1;
    unsigned pictures_ = 0;
};

}  // namespace kyio_tool

#endif
