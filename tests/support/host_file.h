// SPDX-License-Identifier: MIT
// host_file.h: an in-memory file class of a host's own, derived from IFile outside the library.
#ifndef KYIO_TESTS_SUPPORT_HOST_FILE_H
#define KYIO_TESTS_SUPPORT_HOST_FILE_H

#include "kyio.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace kyio_test {

// Reads, seeks and tells over a string; records the reads it serves. Writes and formatted
// output append. Its error code is its own, as a resource file keeps it.
class HostFile : public IFile {
public:
    explicit HostFile(std::string content = "", bool valid = true) : content_(std::move(content)), valid_(valid) {}

    bool isValid() const override { return valid_; }
    size_t read(void* buffer, size_t size, size_t count) override {
        error_ = 0;
        if (!isValid()) return fail(EINVAL);
        const size_t wanted = size * count;
        const size_t left = position_ < content_.size() ? content_.size() - position_ : 0;
        const size_t moved = wanted < left ? wanted : left;
        std::memcpy(buffer, content_.data() + position_, moved);
        position_ += moved;
        reads.push_back(moved);
        return size ? moved / size : 0;
    }
    size_t write(void* buffer, size_t size, size_t count) override {
        error_ = 0;
        if (!isValid()) return fail(EINVAL);
        content_.append(static_cast<const char*>(buffer), size * count);
        return count;
    }
    int vprintf(const char* format, va_list args) override {
        char text[256];
        const int n = std::vsnprintf(text, sizeof text, format, args);
        content_.append(text);
        return n;
    }
    int vwprintf(const wchar_t* format, va_list args) override {
        wchar_t text[256];
        const int n = std::vswprintf(text, 256, format, args);
        for (int i = 0; i < n; ++i) content_.push_back(static_cast<char>(text[i]));
        return n;
    }
    int seek(long offset, int origin) override {
        ++seeks;
        error_ = 0;
        if (!isValid() || origin != SEEK_SET) return fail(EINVAL) - 1;
        position_ = static_cast<size_t>(offset);
        return 0;
    }
    long tell() override {
        error_ = 0;
        return static_cast<long>(position_);
    }
    int crtErrorCode() const override { return error_; }
    const wchar_t* name() const override { return L"host"; }
    bool eof() override { return position_ >= content_.size(); }

    const std::string& content() const { return content_; }

    std::vector<size_t> reads;
    int seeks = 0;

private:
    int fail(int code) {
        error_ = code;
        return 0;
    }

    std::string content_;
    size_t position_ = 0;
    bool valid_;
    int error_ = 0;
};

}  // namespace kyio_test

#endif
