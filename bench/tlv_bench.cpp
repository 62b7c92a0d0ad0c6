// BER-TLV extraction: the engine on a full work area, and the export end to end.
#include <benchmark/benchmark.h>

#include <string>

#include "types/tlv.h"
#include "vek.h"

namespace {

// 30000 bytes (60000 digits): C1 82 7528 with 29992 value bytes, then 5A 02 1234.
// Finding 5A steps over the large element; finding it inside a template of
// many small elements walks every one of them.
std::string large_element() {
    std::string data = "C1827528";
    data.append(2 * 29992, 'A');
    return data + "5A021234";
}

// Template 70 of 0x752B = 29995 bytes: 9997 three-byte elements C1 01 00, then 5A 02 1234.
std::string many_elements() {
    std::string data = "7082752B";
    for (int i = 0; i < 9997; ++i) data += "C10100";
    return data + "5A021234";
}

void BM_EngineLargeElement(benchmark::State& state) {
    const std::string data = large_element();
    char out[8];
    std::size_t digits = 0;
    for (auto _ : state) benchmark::DoNotOptimize(vek::tlv::Extract(data, "5A", "", "", out, sizeof out, &digits));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_EngineLargeElement);

void BM_EngineManyElements(benchmark::State& state) {
    const std::string data = many_elements();
    char out[8];
    std::size_t digits = 0;
    for (auto _ : state) benchmark::DoNotOptimize(vek::tlv::Extract(data, "70", "5A", "", out, sizeof out, &digits));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_EngineManyElements);

void BM_ExportRecord(benchmark::State& state) {
    const char* record = "70475A0847617390010100105F24032512315F25032001015F3401019F0702FF009F0D05F040008800"
                         "57114761739001010010D2512201143814489F5F200A56495341204341524420";
    char out[64];
    for (auto _ : state) benchmark::DoNotOptimize(vek_Tran_ExtractTLV("70", "5F20", nullptr, record, out, sizeof out));
}
BENCHMARK(BM_ExportRecord);

void BM_ExportManyElements(benchmark::State& state) {
    const std::string data = many_elements();
    char out[8];
    for (auto _ : state) benchmark::DoNotOptimize(vek_Tran_ExtractTLV("70", "5A", nullptr, data.c_str(), out, sizeof out));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_ExportManyElements);

}  // namespace
