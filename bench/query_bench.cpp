// How long one press of each query button takes: a fresh script host, the
// script load and the WMI query, as QueryCategory does them.
//   kestrune-bench-query [rounds]
#include "panel/query_catalogue.h"
#include "panel/query_runner.h"
#include "toolkit/runtime.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    kestrune::OleSession ole;
    int rounds = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 5;
    kestrune::QueryCategory(1);  // first use loads the script engine and WMI
    std::printf("category  median ms  min ms  report chars\n");
    double total = 0;
    for (int category = 1; category <= kestrune::CATEGORY_COUNT; ++category) {
        std::vector<double> times;
        std::size_t length = 0;
        for (int round = 0; round < rounds; ++round) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            length = kestrune::QueryCategory(category).size();
            QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(start, end));
        }
        std::sort(times.begin(), times.end());
        double median = times[times.size() / 2];
        total += median;
        std::printf("%8d  %9.1f  %6.1f  %12zu\n", category, median, times.front(), length);
    }
    std::printf("all 14    %9.1f\n", total);
    return 0;
}
