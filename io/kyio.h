/* SPDX-License-Identifier: MIT */
/* kyio.h: the public interface of lib_kyio, for C and C++ hosts. */
#ifndef KYIO_H
#define KYIO_H

#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <wchar.h>

/* KYIO_API marks what lib_kyio exports: its build defines it to default visibility. */
#ifndef KYIO_API
#define KYIO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Handles are FILE* values. One that kyopen returns points to a file object of the library
 * (an IFile in C++), not to a C stream; it is used only with the functions below and released
 * with kyclose. The formatted-output functions also accept stdin, stdout and stderr.
 * Functions that take the library's lock serialise with each other across all threads.
 */

/* KyIoFile: a file object of the host's own, returned by kyopen for the name KyIoFileNameUtf8
 * and left alone by kyclose. Both are set by the host before it opens files from several
 * threads; both start NULL, and a NULL name means there is no reserved name. */
KYIO_API extern FILE* KyIoFile;
KYIO_API extern const char* KyIoFileNameUtf8;

/* appTempFolderName: the host's temporary folder, handed back by getAppTempFolderName. */
KYIO_API extern const char* appTempFolderName;

/*
 * kyopen() opens path: the reserved name gives KyIoFile; an embedded resource name gives a
 * read-only resource file whatever mode says; any other name is opened on disk with
 * fopen(path, mode). Returns the handle with errno 0, or NULL with errno set: EINVAL for a
 * NULL or empty path or mode, the C library's code when the disk file cannot be opened.
 */
KYIO_API FILE* kyopen(const char* path, const char* mode);

/* kyclose() destroys the file object behind handle (except KyIoFile) and returns 0 with
 * errno 0; a NULL handle gives -1 with EINVAL. The handle must not be used afterwards. */
KYIO_API int kyclose(FILE* handle);

/* kystat() returns 0 when path can be opened for reading (the reserved name, a resource, a
 * readable disk file) and 1 when it cannot, also for NULL. It reports through its result only. */
KYIO_API int kystat(const char* path);

/*
 * kyrealpath() resolves path into resolved, which must hold 4096 bytes, or into a new
 * 4096-byte buffer from malloc when resolved is NULL (the caller frees it). A resource name
 * is copied as it is; any other name goes through the C library's realpath. Returns the
 * buffer, or NULL with errno set when realpath fails (a buffer allocated here is then freed,
 * a supplied one holds the empty string), when path is NULL (EINVAL) or when no buffer could
 * be allocated. Takes no lock.
 */
KYIO_API char* kyrealpath(const char* path, char* resolved);

/* getAppTempFolderName() returns appTempFolderName as the host set it. */
KYIO_API const char* getAppTempFolderName(void);

/* kyread() reads up to n items of size bytes into ptr; returns the items read and sets errno
 * to the file's code (0 on success). A NULL handle or ptr gives 0 with EINVAL. */
KYIO_API size_t kyread(void* ptr, size_t size, size_t n, FILE* handle);

/* kywrite() writes n items of size bytes from ptr; returns the items written, errno as for
 * kyread. Resource files are read-only: 0 with EACCES. */
KYIO_API size_t kywrite(const void* ptr, size_t size, size_t n, FILE* handle);

/* kyseek() moves the position as fseek does; 0 on success, -1 on failure with errno set. An
 * origin other than SEEK_SET, SEEK_CUR, SEEK_END or a NULL handle gives -1 with EINVAL. */
KYIO_API int kyseek(FILE* handle, long offset, int whence);

/* kytell() returns the position in bytes, or -1 with EINVAL for a NULL handle. */
KYIO_API long kytell(FILE* handle);

/* kyeof() returns 1 when the file is at its end, else 0; 1 for a NULL handle. It takes no
 * lock and leaves errno alone: do not call it while another thread works on the handle. */
KYIO_API int kyeof(FILE* handle);

/* kyferror() returns the errno code of the file's last operation (0 after a success), not a
 * flag as ferror does; EINVAL for a NULL handle. No lock; errno is left alone. */
KYIO_API int kyferror(FILE* handle);

/* kyprintf() and kyvprintf() format narrow text into the file, as fprintf and vfprintf, and
 * return its count; stdin, stdout and stderr go straight to the C library without the lock.
 * A NULL format or handle gives 0 with EINVAL; a resource file gives 0 with EACCES. */
KYIO_API int kyprintf(FILE* handle, const char* format, ...);
KYIO_API int kyvprintf(FILE* handle, const char* format, va_list args);

/* kywprintf() and kyvwprintf(): the same for wide text, as fwprintf and vfwprintf. */
KYIO_API int kywprintf(FILE* handle, const wchar_t* format, ...);
KYIO_API int kyvwprintf(FILE* handle, const wchar_t* format, va_list args);

/* kyscanf() reads nothing: it returns 0 and changes nothing, errno included. */
KYIO_API int kyscanf(FILE* handle, const char* format, ...);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#ifdef __cplusplus

#include <set>
#include <string>
#include <vector>

#include "kybase_qmutex.h"

/*
 * IFile is the interface behind every handle: the library's disk and resource files and any
 * file object a host derives from it. Hosts compile against its table of virtual operations,
 * so their order is a promise that is never changed: destructor, isValid, read, write,
 * vprintf, vwprintf, seek, tell, crtErrorCode, name, eof. New operations would go after eof.
 * A file object is not safe for use by two threads at once; the library's locked functions
 * serialise their calls. A host's own operations run with the library lock held and must not
 * call the library's locked functions.
 */
class KYIO_API IFile {
public:
    virtual ~IFile();
    /* Whether the object can be used: its stream was opened, its resource was found. */
    virtual bool isValid() const = 0;
    /* Copies up to count items of size bytes into buffer; returns the whole items copied. */
    virtual size_t read(void* buffer, size_t size, size_t count) = 0;
    /* Writes count items of size bytes from buffer; returns the items written. */
    virtual size_t write(void* buffer, size_t size, size_t count) = 0;
    /* Formatted output of narrow characters, as vfprintf. */
    virtual int vprintf(const char* format, va_list args) = 0;
    /* Formatted output of wide characters, as vfwprintf. */
    virtual int vwprintf(const wchar_t* format, va_list args) = 0;
    /* Moves the position; origin is SEEK_SET, SEEK_CUR or SEEK_END. Returns 0 on success. */
    virtual int seek(long offset, int origin) = 0;
    /* The position in bytes from the start. */
    virtual long tell() = 0;
    /* The errno value of the last operation, 0 after a success. */
    virtual int crtErrorCode() const = 0;
    /* The object's name, never null in the library's own objects. */
    virtual const wchar_t* name() const = 0;
    /* Whether the file is at its end. */
    virtual bool eof() = 0;

    /*
     * copy() writes the whole content, from the first byte, to the file at path (created or
     * truncated), reading through the virtual operations in chunks of 1024 bytes. Returns the
     * result of closing the destination: 0, or EOF on failure, also when path cannot be opened.
     */
    int copy(const char* path);

protected:
    IFile();
};

/*
 * CLocalFile is a file on disk over a C stdio stream; each operation is the matching stdio
 * call. Its error code is the calling thread's errno. name() is always the empty string.
 */
class KYIO_API CLocalFile : public IFile {
public:
    /* Opens path with fopen(path, mode); on failure the object is not valid and errno says why. */
    CLocalFile(const char* path, const char* mode);
    /* Closes the stream, if there is one. */
    ~CLocalFile() override;

    CLocalFile(const CLocalFile&) = delete;
    CLocalFile& operator=(const CLocalFile&) = delete;

    bool isValid() const override { return m_stream != NULL; }
    size_t read(void* buffer, size_t size, size_t count) override;
    size_t write(void* buffer, size_t size, size_t count) override;
    int vprintf(const char* format, va_list args) override;
    int vwprintf(const wchar_t* format, va_list args) override;
    int seek(long offset, int origin) override;
    long tell() override;
    int crtErrorCode() const override;
    const wchar_t* name() const override { return m_name.c_str(); }
    /* The stream's end-of-file indicator; true without a stream, where nothing can be read. */
    bool eof() override { return m_stream == NULL || feof(m_stream) != 0; }

private:
    std::wstring m_name;
    FILE* m_stream;
};

/*
 * CResFile is a read-only file over one embedded resource, holding its own decoded copy.
 * Writes and formatted output fail with EACCES. name() is the table name, such as
 * ":fonts/n019003l.afm".
 */
class KYIO_API CResFile : public IFile {
public:
    /* Decodes resource id; for an id the store does not know the object is not valid (ENOENT). */
    explicit CResFile(unsigned int id);
    ~CResFile() override;

    CResFile(const CResFile&) = delete;
    CResFile& operator=(const CResFile&) = delete;

    /*
     * create() returns a new, valid object for the resource that name resolves to (with
     * normalisation), or NULL. The caller owns it and deletes it through IFile. The narrow
     * form takes names of 1 to 1023 bytes and widens each byte as a signed char, without any
     * character-set conversion.
     */
    static CResFile* create(const wchar_t* name);
    static CResFile* create(const char* name);

    bool isValid() const override { return m_valid; }
    /* Reads by the low 32 bits of size * count, taken as signed; a trailing partial item is consumed. */
    size_t read(void* buffer, size_t size, size_t count) override;
    size_t write(void* buffer, size_t size, size_t count) override;
    int vprintf(const char* format, va_list args) override;
    int vwprintf(const wchar_t* format, va_list args) override;
    /* Clamps at the first byte and allows positions past the end. */
    int seek(long offset, int origin) override;
    long tell() override;
    int crtErrorCode() const override { return m_errorCode; }
    const wchar_t* name() const override { return m_name.c_str(); }
    /* True at or past the end of the content; true for an object that is not valid. */
    bool eof() override { return !m_valid || m_position >= static_cast<long>(m_buffer.size()); }

private:
    std::wstring m_name;
    std::vector<unsigned char> m_buffer;
    /* The read position as an offset from the first byte rather than a pointer, so that the
       positions past the end that seeks allow stay well-defined. */
    long m_position;
    bool m_valid;
    int m_errorCode;
};

namespace kyio { class LibraryLock; }

/* CLocker wraps the non-recursive mutex of the base companion, kybase::QMutex. That class is
 * named in its own namespace so that this header can stand beside Qt's <QMutex> in one file. */
class KYIO_API CLocker {
public:
    CLocker();
    ~CLocker();

    CLocker(const CLocker&) = delete;
    CLocker& operator=(const CLocker&) = delete;

    /* Lock() returns when the calling thread owns the mutex; one thread must not take it twice. */
    void Lock();
    void Unlock();

private:
    /* The library's own hold on the lock reaches the mutex's inline paths without a call. */
    friend class kyio::LibraryLock;
    kybase::QMutex m_mutex;
};

/*
 * CFileCounter is the registry of the file objects handed out by kyopen or announced by the
 * host, and owns the library lock. The registry is bookkeeping: no function refuses a handle
 * that is not in it. m_files may be read or changed only while m_lock is held.
 */
class KYIO_API CFileCounter {
public:
    std::set<FILE*> m_files;

    /* Out of line, so that hosts and the library build the one registry with the same code. */
    CFileCounter();
    ~CFileCounter();

    /* The library lock, built when the library is loaded. */
    static CLocker m_lock;

    /* The one registry of the process, shared with the library also when a host calls this;
     * call it with m_lock held. Kept out of line so that every build exports the same set. */
    __attribute__((noinline)) static CFileCounter& get() {
        static CFileCounter s_FileCounter;
        return s_FileCounter;
    }
};

/*
 * kyioHandle() and kyioFile() convert between a file object of the host's own and the FILE*
 * handle that the functions above take. Any IFile serves as a handle, registered or not;
 * kyclose() on it deletes the object (unless it is KyIoFile), so a host that keeps ownership
 * of its object does not pass it to kyclose.
 */
inline FILE* kyioHandle(IFile* file) { return reinterpret_cast<FILE*>(file); }
inline IFile* kyioFile(FILE* handle) { return reinterpret_cast<IFile*>(handle); }

/* kyiolibRegisterFile() adds file to the registry under the lock; false for NULL or when it
 * is registered already. It calls nothing of the object and leaves errno alone. */
KYIO_API bool kyiolibRegisterFile(IFile* file);

/* kyiolibDeRegisterFile() removes file; true when it was registered. The object is not touched. */
KYIO_API bool kyiolibDeRegisterFile(IFile* file);

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
