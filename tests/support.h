// SPDX-License-Identifier: MIT
// support.h: temporary folders, the build's manifest, commands run as a user runs them, a host's file.
#ifndef KYIO_TESTS_SUPPORT_H
#define KYIO_TESTS_SUPPORT_H

#include "kyio.h"
#include "resource_manifest.h"

#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kyio_test {

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() : path_((std::filesystem::temp_directory_path() / "kyio_test_XXXXXX").string()) {
        if (mkdtemp(path_.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }
    std::string read(const std::string& name) const { return readFile(file(name)); }

private:
    std::string path_;
};

// A row of the manifest that configured this build, as the generator gives it: id, table
// name (with its ':'), capacity, package of the source ("-" for the project's own), source.
struct ManifestRow {
    unsigned int id;
    std::string name;
    unsigned long long capacity;
    std::string package, source;
    std::string hostName() const { return name.substr(1); }
    std::string content() const { return readFile(source); }
};

inline const std::vector<ManifestRow>& manifestRows() {
    static const std::vector<ManifestRow> rows = [] {
        std::vector<ManifestRow> result;
        for (const kyio_manifest::Row& row : kyio_manifest::kRows) result.push_back({row.id, row.name, row.capacity, row.package, row.source});
        return result;
    }();
    return rows;
}

struct Outcome {
    int status;          // the exit status, -1 when the command did not exit normally
    std::string output;  // standard output, and standard error unless the command redirects it
};

inline Outcome run(const std::string& command, bool withStderr = true) {
    Outcome outcome{-1, ""};
    FILE* pipe = popen((command + (withStderr ? " 2>&1" : "")).c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.output.append(buffer, n);
    const int raw = pipe != nullptr ? pclose(pipe) : -1;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

inline std::string quoted(const std::string& text) { return "'" + text + "'"; }

// A host's own file over a string: reads, seeks (from the start only) and tells, and records
// the reads it serves; writes and prints only count. Its error code is its own.
class HostFile : public IFile {
public:
    explicit HostFile(std::string content = "", bool valid = true) : content_(std::move(content)), valid_(valid) {}
    bool isValid() const override { return valid_; }
    size_t read(void* buffer, size_t size, size_t count) override {
        if (!answer(isValid())) return 0;
        const size_t left = position_ < content_.size() ? content_.size() - position_ : 0;
        const size_t moved = size * count < left ? size * count : left;
        std::memcpy(buffer, content_.data() + position_, moved);
        position_ += moved;
        reads.push_back(moved);
        return size ? moved / size : 0;
    }
    size_t write(void*, size_t, size_t count) override { return answer(isValid()) ? count : 0; }
    int vprintf(const char* format, va_list args) override { return std::vsnprintf(nullptr, 0, format, args); }
    int vwprintf(const wchar_t* format, va_list args) override { wchar_t text[256]; return std::vswprintf(text, 256, format, args); }
    int seek(long offset, int origin) override {
        ++seeks;
        if (!answer(isValid() && origin == SEEK_SET)) return -1;
        position_ = static_cast<size_t>(offset);
        return 0;
    }
    long tell() override { return answer(true) ? static_cast<long>(position_) : -1; }
    int crtErrorCode() const override { return error_; }
    const wchar_t* name() const override { return L"host"; }
    bool eof() override { return position_ >= content_.size(); }

    std::vector<size_t> reads;
    int seeks = 0;

private:
    bool answer(bool ok) { error_ = ok ? 0 : EINVAL; return ok; }
    std::string content_;
    size_t position_ = 0;
    bool valid_;
    int error_ = 0;
};

}  // namespace kyio_test

#endif
