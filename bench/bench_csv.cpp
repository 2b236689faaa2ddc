// The command-line tool's CSV layer on a list of typical measuring points:
// rows read (from memory, and from a file through read()) and rows written,
// per second. The tool as a whole must pass a million rows a second through
// reading, calculating and writing, so reading alone must be far faster.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "list/CsvReader.h"
#include "list/CsvWriter.h"

namespace {

constexpr int kRows = 100'000;

// tag,outer-diameter,wall,pipe,lining,lining-thickness,fluid,method,sensor; one
// row in eight has a quoted tag, as a list exported from a spreadsheet has.
const std::string& TypicalList() {
    static const std::string list = [] {
        std::string text =
            "tag,outer-diameter,wall,pipe,lining,lining-thickness,fluid,method,sensor\r\n";
        const char* pipes[] = {"CARBON STEEL", "STAINLESS", "PVC", "DUCTILE IRON"};
        for (int row = 0; row < kRows; ++row) {
            const std::string number = std::to_string(row);
            if (row % 8 == 0) {
                text.append("\"FT-").append(number).append(", north\",");
            } else {
                text.append("FT-").append(number).append(",");
            }
            text.append(std::to_string(50 + row % 900)).append(".").append(number.substr(0, 1));
            text.append(",")
                .append(std::to_string(2 + row % 12))
                .append(",")
                .append(pipes[row % 4]);
            text.append(row % 3 ? ",NO LINING,0," : ",MORTAR,3.5,");
            text.append(row % 5 ? "WATER,V,TB_01\r\n" : "SEA WATER,Z,TC_01\r\n");
        }
        return text;
    }();
    return list;
}

std::size_t ReadAll(CsvReader& reader) {
    std::size_t fields = 0;
    while (const CsvRecord* record = reader.Next()) fields += record->fields.size();
    return fields;
}

void BM_ReadCsvFromMemory(benchmark::State& state) {
    for (auto _ : state) {
        CsvReader reader(SourceFromMemory(TypicalList()));
        benchmark::DoNotOptimize(ReadAll(reader));
    }
    state.SetItemsProcessed(state.iterations() * (kRows + 1));
    state.SetBytesProcessed(state.iterations() * std::int64_t(TypicalList().size()));
}
BENCHMARK(BM_ReadCsvFromMemory)->Unit(benchmark::kMillisecond);

void BM_ReadCsvFromFile(benchmark::State& state) {
    std::FILE* file = std::tmpfile();
    std::fwrite(TypicalList().data(), 1, TypicalList().size(), file);
    std::fflush(file);
    for (auto _ : state) {
        std::rewind(file);
        CsvReader reader(SourceFromFd(fileno(file)));
        benchmark::DoNotOptimize(ReadAll(reader));
    }
    std::fclose(file);
    state.SetItemsProcessed(state.iterations() * (kRows + 1));
    state.SetBytesProcessed(state.iterations() * std::int64_t(TypicalList().size()));
}
BENCHMARK(BM_ReadCsvFromFile)->Unit(benchmark::kMillisecond);

// The rows read back out unchanged, into a sink that keeps nothing.
void BM_WriteCsv(benchmark::State& state) {
    std::vector<std::vector<std::string>> rows;
    CsvReader reader(SourceFromMemory(TypicalList()));
    while (const CsvRecord* record = reader.Next())
        rows.emplace_back(record->fields.begin(), record->fields.end());
    std::size_t written = 0;
    for (auto _ : state) {
        CsvWriter writer([&](const char*, std::size_t size) { return written += size, true; },
                         "\r\n");
        for (const auto& row : rows) {
            for (const std::string& field : row) writer.Field(field);
            writer.EndRecord();
        }
    }
    benchmark::DoNotOptimize(written);
    state.SetItemsProcessed(state.iterations() * std::int64_t(rows.size()));
}
BENCHMARK(BM_WriteCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
