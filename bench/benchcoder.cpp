// The tally coder on grid texts: writes the grid text of a table like the
// tally's (nine columns of names and counts) of about the asked size, codes
// it in memory several times, checks that it decodes, and prints the best
// speed in MB/s and the ratio. The file is left for lz4 to be measured on
// the same bytes.
// Speeds are MB (10^6 bytes) of input per second of CPU time.
//
//   tavlix_benchcoder SIZE_MIB OUTPUT_FILE
#include "gridtext.h"
#include "tlzrw1.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>

namespace {

// A tally-like table: an opponent's name, then games, wins, losses and
// points as decimal text, `rows` rows of nine columns.
StringGrid tallyGrid(int rows)
{
    static const char *const names[] = {"Ann", "Bo", "Klot", "Klock", "Kling", "Klick", "Krazy", "Marta",
                                        "Jo", "Sam", "Nadia", "Pim", "Oskar", "Lea", "Tove", "Ruben"};
    std::mt19937 random(7);
    StringGrid grid(9, rows);
    for (int row = 0; row < rows; ++row) {
        grid.setCell(0, row, std::string(names[random() % 16]) + std::to_string(random() % 1000));
        for (int col = 1; col < 9; ++col)
            grid.setCell(col, row, std::to_string(random() % (col < 5 ? 100 : 10000)));
    }
    return grid;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE_MIB OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    const std::size_t bytes = std::size_t(std::atoi(argv[1])) << 20;
    // The grid text of a table with about `bytes` of text, measured from a
    // sample of the same rows.
    const int sampleRows = 4096;
    const double bytesPerRow = double(SaveGridText(tallyGrid(sampleRows)).size()) / sampleRows;
    const StringGrid grid = tallyGrid(std::max(1, int(double(bytes) / bytesPerRow)));
    SaveGridText(grid, argv[2]);
    const std::string text = SaveGridText(grid);

    Tlzrw1 coder;
    const std::span<const std::uint8_t> input(reinterpret_cast<const std::uint8_t *>(text.data()), text.size());
    // CPU time rather than wall time: on a busy machine a run is often
    // preempted, and CPU time leaves that out (lz4 is measured the same way).
    // The best of a few runs.
    const auto cpuSeconds = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
    };
    const int runs = bytes >= (std::size_t(32) << 20) ? 3 : 6;
    double best = 1e9;
    std::size_t coded = 0;
    for (int run = 0; run < runs; ++run) {
        const double start = cpuSeconds();
        coded = coder.compressBytes(input).size();
        best = std::min(best, cpuSeconds() - start);
    }
    const auto decoded = Tlzrw1::decompressBytes(coder.compressBytes(input), argv[2]);
    if (decoded.size() != text.size() || !std::equal(decoded.begin(), decoded.end(), input.begin())) {
        std::fprintf(stderr, "the coded text does not decode to the input\n");
        return 1;
    }
    // MB/s as lz4 counts them (10^6 bytes of input per second).
    std::printf("%.1f %.3f\n", double(text.size()) / best / 1e6, double(text.size()) / double(coded));
    return 0;
}
