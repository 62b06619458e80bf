// SPDX-License-Identifier: MIT
// Decoding every resource through cpp_res::getFileData with each decoder, side by side, and
// a summary of plain output per second and of the stored sizes.
#include "resources/cppresmanager.h"

#include "conv_uncompress.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Case {
    conv_backend backend;
    std::size_t plainBytes;
};

std::map<std::string, Case>& cases() {
    static std::map<std::string, Case> registered;
    return registered;
}

std::size_t plainSize(unsigned int id) {
    std::vector<unsigned char> data;
    std::wstring name;
    cpp_res::getFileData(id, data, name);
    return data.size();
}

void decode(benchmark::State& state, conv_backend backend, unsigned int id, std::size_t bytes) {
    conv_set_backend(backend);
    std::vector<unsigned char> data;
    std::wstring name;
    for (auto _ : state) {
        unsigned int copy = id;
        cpp_res::getFileData(copy, data, name);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// Adds up, per decoder, the time to decode each resource once, so that the summary is the
// rate of decoding the whole set.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = cases().find(run.benchmark_name());
            if (found == cases().end() || run.error_occurred) continue;
            const double seconds = run.GetAdjustedRealTime() /
                                   benchmark::GetTimeUnitMultiplier(run.time_unit);
            Totals& totals = totals_[found->second.backend];
            totals.seconds += seconds;
            totals.bytes += found->second.plainBytes;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nplain output per second, all 28 resources decoded once each:\n");
        for (const auto& entry : totals_) {
            std::printf("  %-10s %8.1f MB/s\n", conv_backend_name(entry.first), rate(entry.first));
        }
        if (totals_.count(CONV_BACKEND_LIBDEFLATE) && totals_.count(CONV_BACKEND_ZLIB)) {
            std::printf("  ratio libdeflate/zlib: %.2f\n",
                        rate(CONV_BACKEND_LIBDEFLATE) / rate(CONV_BACKEND_ZLIB));
        }
        std::size_t plain = 0, stored = 0;
        const cpp_res::ResourceTable& table = cpp_res::kResourceTable;
        for (unsigned int id = 1; id <= table.count; ++id) {
            plain += plainSize(id);
            stored += static_cast<std::size_t>(table.payloads[id - 1].end - table.payloads[id - 1].begin);
        }
        std::printf("total plain %zu bytes, total stored %zu bytes, stored/plain %.3f\n", plain,
                    stored, static_cast<double>(stored) / static_cast<double>(plain));
    }

private:
    struct Totals {
        double seconds = 0;
        std::size_t bytes = 0;
    };
    double rate(conv_backend backend) const {
        const Totals& t = totals_.at(backend);
        return static_cast<double>(t.bytes) / t.seconds / 1e6;
    }
    std::map<conv_backend, Totals> totals_;
};

}  // namespace

int main(int argc, char** argv) {
    const conv_backend initial = conv_get_backend();
    for (const conv_backend backend : {CONV_BACKEND_LIBDEFLATE, CONV_BACKEND_ZLIB}) {
        if (!conv_set_backend(backend)) continue;
        for (unsigned int id = 1; id <= cpp_res::kResourceTable.count; ++id) {
            const std::string name = std::string("decode/") + conv_backend_name(backend) + "/" + std::to_string(id);
            const std::size_t bytes = plainSize(id);
            cases()[name] = {backend, bytes};
            benchmark::RegisterBenchmark(name.c_str(), decode, backend, id, bytes);
        }
    }
    conv_set_backend(initial);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
