/* SPDX-License-Identifier: MIT */
/* kyio.h: the public interface of lib_kyio, for C and C++ hosts. */
#ifndef KYIO_H
#define KYIO_H

#define KYIO_API __attribute__((visibility("default")))

#ifdef __cplusplus

#include <string>
#include <vector>

namespace cpp_res {

/* The ids of the 28 embedded resources, in the order of the resource table. */
enum EBinResData : unsigned int {
    eResWvHtmlXml = 1,
    eResDocx2HtmlIeXslt = 2,
    eResN019003lAfm = 3,
    eResN019004lAfm = 4,
    eResN019023lAfm = 5,
    eResN019024lAfm = 6,
    eResN021003lAfm = 7,
    eResN021004lAfm = 8,
    eResN021023lAfm = 9,
    eResN021024lAfm = 10,
    eResN022003lAfm = 11,
    eResN022004lAfm = 12,
    eResN022023lAfm = 13,
    eResN022024lAfm = 14,
    eResS050000lAfm = 15,
    eResN019003lPfb = 16,
    eResN019004lPfb = 17,
    eResN019023lPfb = 18,
    eResN019024lPfb = 19,
    eResN021003lPfb = 20,
    eResN021004lPfb = 21,
    eResN021023lPfb = 22,
    eResN021024lPfb = 23,
    eResN022003lPfb = 24,
    eResN022004lPfb = 25,
    eResN022023lPfb = 26,
    eResN022024lPfb = 27,
    eResS050000lPfb = 28
};

/* The id that getFileId returns when no resource has the requested name. */
constexpr unsigned int kNoResource = 0xFFFFFFFFu;

/*
 * getFileId() returns the id of the resource called name, or kNoResource. With normalise set,
 * backslashes become '/' and letters are folded with the C library's tolower first, and
 * "wvhtml.xml" and "docx2html_ie.xslt" are also found as the last component of a longer path.
 * A null name gives kNoResource. name is only read. Thread-safe; sets no errno.
 */
KYIO_API unsigned int getFileId(const wchar_t* name, bool normalise);

/*
 * getFileData() decodes resource id into data (resized to the plain content) and sets name to
 * its table name, such as ":fonts/n019003l.afm". Returns true for ids 1 to 28; for any other id
 * it returns false with data and name emptied. Each call decodes afresh into the caller's
 * objects. Thread-safe as long as each thread passes its own outputs; sets no errno.
 */
KYIO_API bool getFileData(unsigned int& id, std::vector<unsigned char>& data, std::wstring& name);

/*
 * getFileData() by name: resolves name with getFileId(name, normalise) and decodes that id.
 * When the name resolves to nothing it returns false and leaves data and outName untouched.
 */
KYIO_API bool getFileData(const wchar_t* name, std::vector<unsigned char>& data,
                          std::wstring& outName, bool normalise);

}  /* namespace cpp_res */

#endif /* __cplusplus */

#endif /* KYIO_H */
