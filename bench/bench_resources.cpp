// SPDX-License-Identifier: MIT
// Opening, reading and closing the embedded resources through the public interface, next to
// floors computed in the same run on the same stored payloads; small reads next to fread on a
// memory stream and on a disk file; and the same rounds on 1, 2 and 4 threads at once.
// The summary at the end gives each measured case as a ratio of its floor.
#include "resource_manifest.h"
#include "resources/cppresmanager.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Resource {
    std::string name;
    const unsigned char* stored;
    std::size_t storedSize;
    std::vector<unsigned char> plain;
};

const std::vector<Resource>& resources() {
    static const std::vector<Resource> all = [] {
        std::vector<Resource> list;
        const cpp_res::ResourceTable& table = cpp_res::kResourceTable;
        for (unsigned int id = 1; id <= table.count; ++id) {
            Resource resource;
            std::wstring name;
            cpp_res::getFileData(id, resource.plain, name);
            resource.name.assign(name.begin() + 1, name.end());  // the table's ':' is no request
            resource.stored = table.payloads[id - 1].begin;
            resource.storedSize = static_cast<std::size_t>(table.payloads[id - 1].end - resource.stored);
            list.push_back(std::move(resource));
        }
        return list;
    }();
    return all;
}

std::size_t plainTotal() {
    std::size_t total = 0;
    for (const Resource& resource : resources()) total += resource.plain.size();
    return total;
}

// One round: every resource opened, read whole and closed through the public interface. Run
// on several threads at once, the rounds contend for the library lock.
void openReadClose(benchmark::State& state) {
    std::vector<unsigned char> sink(kyio_manifest::kLargestCapacity);
    for (auto _ : state) {
        for (const Resource& resource : resources()) {
            FILE* handle = kyopen(resource.name.c_str(), "rb");
            const size_t got = kyread(sink.data(), 1, sink.size(), handle);
            kyclose(handle);
            if (got != resource.plain.size()) state.SkipWithError("short read");
        }
        benchmark::DoNotOptimize(sink.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plainTotal()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * resources().size()));
}

// The least a decoder of the stored form can do: unscramble eight bytes at a time into a
// scratch copy and inflate it with libdeflate into a vector of exactly the plain size.
void floorXorLibdeflate(benchmark::State& state) {
    std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> decompressor(
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    const std::uint64_t key = 0x0101010101010101ULL * cpp_res::CCPPResManager::s_xor;
    for (auto _ : state) {
        for (const Resource& resource : resources()) {
            std::unique_ptr<unsigned char[]> scratch(new unsigned char[resource.storedSize]);
            std::size_t i = 0;
            for (; i + 8 <= resource.storedSize; i += 8) {
                std::uint64_t word;
                std::memcpy(&word, resource.stored + i, 8);
                word ^= key;
                std::memcpy(scratch.get() + i, &word, 8);
            }
            for (; i < resource.storedSize; ++i) scratch[i] = resource.stored[i] ^ static_cast<unsigned char>(key);
            std::vector<unsigned char> out(resource.plain.size());
            size_t written = 0;
            libdeflate_zlib_decompress(decompressor.get(), scratch.get(), resource.storedSize,
                                       out.data(), out.size(), &written);
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plainTotal()));
}

// Copying the decoded bytes: no decoder can hand them out for less.
void floorMemcpy(benchmark::State& state) {
    for (auto _ : state) {
        for (const Resource& resource : resources()) {
            std::vector<unsigned char> out(resource.plain.size());
            std::memcpy(out.data(), resource.plain.data(), out.size());
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plainTotal()));
}

// Small sequential reads; a read that reaches the end starts again from the first byte.
template <typename Read, typename Rewind>
void smallReads(benchmark::State& state, size_t chunk, Read read, Rewind rewind) {
    std::vector<unsigned char> buffer(chunk);
    for (auto _ : state) {
        if (read(buffer.data(), chunk) != chunk) rewind();
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * chunk));
}

const char* const kStylesheet = "docx2html_ie.xslt";

// A disk copy of the stylesheet, so that disk reads and resource reads move the same bytes.
std::string diskCopy() {
    static const std::string path = [] {
        const std::string file = "/tmp/kyio-bench-" + std::to_string(getpid()) + ".xslt";
        std::vector<unsigned char> content(kyio_manifest::kLargestCapacity);
        FILE* handle = kyopen(kStylesheet, "rb");
        content.resize(kyread(content.data(), 1, content.size(), handle));
        kyclose(handle);
        FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), out);
        std::fclose(out);
        return file;
    }();
    return path;
}

void readResource(benchmark::State& state, size_t chunk) {
    FILE* handle = kyopen(kStylesheet, "rb");
    smallReads(state, chunk, [&](void* p, size_t n) { return kyread(p, 1, n, handle); },
               [&] { kyseek(handle, 0, SEEK_SET); });
    kyclose(handle);
}

void readDisk(benchmark::State& state, size_t chunk) {
    FILE* handle = kyopen(diskCopy().c_str(), "rb");
    smallReads(state, chunk, [&](void* p, size_t n) { return kyread(p, 1, n, handle); },
               [&] { kyseek(handle, 0, SEEK_SET); });
    kyclose(handle);
}

void freadFrom(benchmark::State& state, size_t chunk, FILE* stream) {
    smallReads(state, chunk, [&](void* p, size_t n) { return std::fread(p, 1, n, stream); },
               [&] { std::fseek(stream, 0, SEEK_SET); });
    std::fclose(stream);
}

void readStdio(benchmark::State& state, size_t chunk) { freadFrom(state, chunk, std::fopen(diskCopy().c_str(), "rb")); }

// The C library's own stream over memory: what a resource file is, without the library lock.
void readMemoryStream(benchmark::State& state, size_t chunk) {
    static std::vector<unsigned char> content = resources()[cpp_res::eResDocx2HtmlIeXslt - 1].plain;
    freadFrom(state, chunk, fmemopen(content.data(), content.size(), "rb"));
}

// Each measured case and the floor it is divided by in the summary.
const int kThreadCounts[] = {1, 2, 4};

const std::map<std::string, std::string> kRatios = {
    {"open_read_close/all28", "floor/xor_libdeflate"},
    {"floor/xor_libdeflate", "floor/memcpy"},
    {"small_read/resource/1", "small_read/fmemopen/1"},
    {"small_read/resource/16", "small_read/fmemopen/16"},
    {"small_read/resource/4096", "small_read/fmemopen/4096"},
    {"small_read/disk/1", "small_read/fread/1"},
    {"small_read/disk/16", "small_read/fread/16"},
    {"small_read/disk/4096", "small_read/fread/4096"},
    {"threaded_process/small_read/resource/1", "threaded_process/small_read/fmemopen/1"},
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            if (run.counters.count("items_per_second") != 0) throughput_[run.benchmark_name()] = run.counters.at("items_per_second");
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nratios in this run (time of the case / time of its floor):\n");
        for (const auto& [measured, floor] : kRatios) {
            if (seconds_.count(measured) == 0 || seconds_.count(floor) == 0) continue;
            std::printf("  %-40s / %-40s %6.2f\n", measured.c_str(), floor.c_str(),
                        seconds_.at(measured) / seconds_.at(floor));
        }
        // Each thread count runs three times; the medians are compared.
        const std::string round = "open_read_close/all28/repeats:3/real_time/threads:";
        const auto median = [&](int threads) { return throughput_.at(round + std::to_string(threads) + "_median"); };
        if (throughput_.count(round + "1_median") != 0) {
            std::printf("throughput of rounds on N threads / on one thread (medians of 3):");
            for (const int threads : kThreadCounts) {
                if (throughput_.count(round + std::to_string(threads) + "_median") != 0) std::printf("  %d: %.2f", threads, median(threads) / median(1));
            }
            std::printf("\n");
        }
        std::size_t stored = 0;
        for (const Resource& resource : resources()) stored += resource.storedSize;
        std::printf("total plain %zu bytes, total stored %zu bytes, stored/plain %.3f\n",
                    plainTotal(), stored, static_cast<double>(stored) / static_cast<double>(plainTotal()));
    }

private:
    std::map<std::string, double> seconds_, throughput_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("open_read_close/all28", openReadClose);
    benchmark::RegisterBenchmark("floor/xor_libdeflate", floorXorLibdeflate);
    benchmark::RegisterBenchmark("floor/memcpy", floorMemcpy);
    for (const size_t chunk : {1, 16, 4096}) {
        const std::string size = "/" + std::to_string(chunk);
        benchmark::RegisterBenchmark(("small_read/resource" + size).c_str(), readResource, chunk);
        benchmark::RegisterBenchmark(("small_read/disk" + size).c_str(), readDisk, chunk);
        benchmark::RegisterBenchmark(("small_read/fread" + size).c_str(), readStdio, chunk);
        benchmark::RegisterBenchmark(("small_read/fmemopen" + size).c_str(), readMemoryStream, chunk);
    }
    // Last: once the process has started threads, the C library locks its streams too, and
    // the library's lock costs its atomic operations; the one-byte reads are measured again.
    for (const int threads : kThreadCounts) {
        benchmark::RegisterBenchmark("open_read_close/all28", openReadClose)
            ->Threads(threads)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
    }
    benchmark::RegisterBenchmark("threaded_process/small_read/resource/1", readResource, 1);
    benchmark::RegisterBenchmark("threaded_process/small_read/fmemopen/1", readMemoryStream, 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(diskCopy().c_str());
    return 0;
}
