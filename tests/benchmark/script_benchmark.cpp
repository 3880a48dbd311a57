// The script written to a file, for the largest gear and the default one, each against a
// floor that only formats the same numbers with std::to_chars into a block and writes the
// blocks to a file in the same folder; and the largest gear's DXF, divided (to hold within
// 1.5 times its script's time) and fitted. Everything is written to a temporary folder.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/cad_export.h"
#include "formats/script_export.h"
#include "gear/parameter_check.h"
#include "tests/unit/script_test_support.h"

namespace {

// The largest gear the check accepts: most teeth, most divisions.
GearParameters LargestGear() {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 9999;
    p.involuteDivisions = 100;
    p.filletDivisions = 70;
    return p;
}

// A fresh folder under /tmp for one file, removed with it when the benchmark ends.
struct ScratchFolder {
    std::string path;
    std::string file;
    explicit ScratchFolder(const char* name) {
        char pattern[] = "/tmp/odontra-benchmark-XXXXXX";
        path = mkdtemp(pattern) != nullptr ? pattern : "/nonexistent";
        file = path + "/" + name;
    }
    ~ScratchFolder() {
        unlink(file.c_str());
        rmdir(path.c_str());
    }
};

// Bytes the file holds now.
double BytesOf(const std::string& file) {
    struct stat status;
    return stat(file.c_str(), &status) == 0 ? static_cast<double>(status.st_size) : 0.0;
}

// The numbers of the gear's script, in order, read back from its text: formatting them
// gives the very digits the script holds.
std::vector<double> NumbersOfScript(const GearParameters& p) {
    const std::string text = ScriptTextOf(p);
    std::vector<double> numbers;
    const char* at = text.c_str();
    while (*at != '\0') {
        if ((*at >= '0' && *at <= '9') || *at == '-') {
            char* end = nullptr;
            numbers.push_back(strtod(at, &end));
            at = end;
        } else {
            at++;
        }
    }
    return numbers;
}

void ExportScript(benchmark::State& state, const GearParameters& p) {
    if (CheckGearParameters(p).rule != kRuleAccepted) {
        state.SkipWithError("the check refuses the gear");
        return;
    }
    static Gear gear;
    ComputeGear(p, &gear);
    ScratchFolder folder("gear.scr");
    for (auto _ : state) {
        if (ExportDrawingScript(folder.file.c_str(), gear).stage != kExportDone) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BytesOf(folder.file)));
}

// One separator after each number, blocks of the sink's size, one write() per block.
void FormatAndWriteFloor(benchmark::State& state, const std::vector<double>& numbers) {
    ScratchFolder folder("numbers.txt");
    static char block[kOutputBlockSize];
    for (auto _ : state) {
        const int fd = open(folder.file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        size_t used = 0;
        bool written = fd >= 0;
        for (double v : numbers) {
            if (sizeof block - used < 330) {
                written = written && write(fd, block, used) == static_cast<ssize_t>(used);
                used = 0;
            }
            char* end =
                std::to_chars(block + used, block + sizeof block, v, std::chars_format::fixed, 6)
                    .ptr;
            *end = ' ';
            used = static_cast<size_t>(end + 1 - block);
        }
        written = written && write(fd, block, used) == static_cast<ssize_t>(used);
        if (fd < 0 || close(fd) != 0 || !written) {
            state.SkipWithError("the floor could not write its file");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BytesOf(folder.file)));
}

void BM_LargestGearScriptToFile(benchmark::State& state) {
    ExportScript(state, LargestGear());
}
BENCHMARK(BM_LargestGearScriptToFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_LargestGearFloorFormatAndWrite(benchmark::State& state) {
    static const std::vector<double> numbers = NumbersOfScript(LargestGear());
    FormatAndWriteFloor(state, numbers);
    state.counters["numbers"] = static_cast<double>(numbers.size());
}
BENCHMARK(BM_LargestGearFloorFormatAndWrite)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void ExportDxf(benchmark::State& state, OutlineStyle style) {
    const GearParameters p = LargestGear();
    static Gear gear;
    ComputeGear(p, &gear);
    CadDrawing drawing = GearDrawing(gear, DefaultOutlineChoice(p));
    drawing.outline.style = style;
    ScratchFolder folder("gear.dxf");
    for (auto _ : state) {
        if (ExportDxfDrawing(folder.file.c_str(), drawing).stage != kExportDone) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BytesOf(folder.file)));
}

// At most 1.5 times BM_LargestGearScriptToFile.
void BM_LargestGearDividedDxfToFile(benchmark::State& state) {
    ExportDxf(state, kOutlineDivided);
}
BENCHMARK(BM_LargestGearDividedDxfToFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_LargestGearFittedDxfToFile(benchmark::State& state) {
    ExportDxf(state, kOutlineFitted);
}
BENCHMARK(BM_LargestGearFittedDxfToFile)->Unit(benchmark::kMillisecond);

void BM_DefaultGearScriptToFile(benchmark::State& state) {
    ExportScript(state, DefaultGearParameters());
}
BENCHMARK(BM_DefaultGearScriptToFile)->Unit(benchmark::kMicrosecond);

void BM_DefaultGearFloorFormatAndWrite(benchmark::State& state) {
    static const std::vector<double> numbers = NumbersOfScript(DefaultGearParameters());
    FormatAndWriteFloor(state, numbers);
}
BENCHMARK(BM_DefaultGearFloorFormatAndWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
