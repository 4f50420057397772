// Checks piecefunc's own cosine and exponential against quadruple precision
// (libquadmath) on every float that reaches them, and counts where the
// answer printed with four decimals differs from the C library's cosf and exp.
//
// The cosine must be the correctly rounded float for each of the
// 1,078,530,011 floats in [0, pi). The exponential is met as exp(pi - x) for
// every float x >= pi; from x = 24 on, every answer prints -0.0000, so the
// floats from pi to 24 are checked: the double must be the correctly rounded
// one, and the printed answer must not differ from the C library's.
//
// With --table FILE, it also writes the test suite's table of the cosine's
// hardest inputs: the floats x whose exact cosine lies nearest the midpoint
// between two neighbouring floats that print differently with four decimals,
// so that the slightest error in the cosine changes the printed answer. Each
// line is x in hexadecimal, a space, and what piecefunc prints for it.
// Usage: check-piecefunc-math [--table FILE]   (a few minutes on two cores)
#include <quadmath.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The program's source is compiled in whole, its entry point renamed.
#define main piecefunc_main
#include "../formulas/piecefunc.cpp"
#undef main

namespace {

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }

bool same_print(double a, double b) {
    char ta[64], tb[64];
    std::snprintf(ta, sizeof ta, "%.4f", a);
    std::snprintf(tb, sizeof tb, "%.4f", b);
    return std::strcmp(ta, tb) == 0;
}

std::string print4(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", v);
    return text;
}

// An input whose exact cosine lies within `closeness` (a fraction of the gap
// between the two floats around it) of their midpoint, while they print
// differently.
struct Hard {
    float x;
    double closeness;
    float low;  // the float below the exact cosine
};

// How close cos x lies to the midpoint of two floats that print differently
// with four decimals, as a fraction of their gap; 1 when they print alike.
// low is set to the lower of the two.
double closeness_to_print_boundary(__float128 exact, float& low) {
    const float nearest = static_cast<float>(exact);
    const bool above = static_cast<__float128>(nearest) > exact;
    low = above ? std::nextafter(nearest, -2.0f) : nearest;
    const float high = above ? nearest : std::nextafter(nearest, 2.0f);
    // The four-decimal rounding of the two differs only where a boundary
    // k + 0.5 (in units of the fourth decimal) lies between them.
    const __float128 scaled_low = static_cast<__float128>(low) * 10000,
                     scaled_high = static_cast<__float128>(high) * 10000;
    const __float128 half = 0.5;
    if (floorq(scaled_low + half) == floorq(scaled_high + half)) return 1;
    if (print4(low) == print4(high)) return 1;
    const __float128 middle = (static_cast<__float128>(low) + static_cast<__float128>(high)) / 2;
    return static_cast<double>(fabsq(exact - middle) / (static_cast<__float128>(high) - static_cast<__float128>(low)));
}

struct Counts {
    std::atomic<unsigned long> checked{0}, wrong{0}, printed_unlike_libc{0};
};

// Runs check(x) for the floats with bit patterns from..to, on every core.
template <typename Check>
void each_float(std::uint32_t from, std::uint32_t to, Check check) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([=] {
            for (std::uint64_t b = from + t; b <= to; b += threads)
                check(std::bit_cast<float>(static_cast<std::uint32_t>(b)));
        });
    }
    for (auto& thread : pool) thread.join();
}

}  // namespace

int main(int argc, char** argv) {
    const char* table_path = argc == 3 && std::strcmp(argv[1], "--table") == 0 ? argv[2] : nullptr;
    if (argc != 1 && table_path == nullptr) {
        std::fprintf(stderr, "usage: check-piecefunc-math [--table FILE]\n");
        return 2;
    }
    std::mutex hard_lock;
    std::vector<Hard> hard;
    Counts cos_counts;
    each_float(0, bits(3.1415925f), [&](float x) {
        const float ours = cosine(x);
        const __float128 exact_wide = cosq(static_cast<__float128>(x));
        const float exact = static_cast<float>(exact_wide);
        if (table_path != nullptr) {
            float low = 0;
            const double closeness = closeness_to_print_boundary(exact_wide, low);
            if (closeness < 0.01) {
                const std::lock_guard<std::mutex> hold(hard_lock);
                hard.push_back({x, closeness, low});
            }
        }
        ++cos_counts.checked;
        if (ours != exact) {
            ++cos_counts.wrong;
            std::printf("cosine(%a) = %a, correctly rounded %a\n", static_cast<double>(x), static_cast<double>(ours),
                        static_cast<double>(exact));
        }
        if (!same_print(ours, std::cos(x))) ++cos_counts.printed_unlike_libc;
    });
    std::printf("cosine: %lu floats, %lu not correctly rounded, %lu print unlike the C library's cosf\n",
                cos_counts.checked.load(), cos_counts.wrong.load(), cos_counts.printed_unlike_libc.load());

    if (table_path != nullptr) {
        // The hardest, at most 120 of them, each near a boundary of its own
        // (close to 1 many inputs share one), in ascending order of x.
        std::sort(hard.begin(), hard.end(), [](const Hard& a, const Hard& b) {
            return a.low != b.low ? a.low < b.low : a.closeness < b.closeness;
        });
        hard.erase(std::unique(hard.begin(), hard.end(), [](const Hard& a, const Hard& b) { return a.low == b.low; }),
                   hard.end());
        std::sort(hard.begin(), hard.end(), [](const Hard& a, const Hard& b) { return a.closeness < b.closeness; });
        hard.resize(std::min<std::size_t>(hard.size(), 120));
        std::sort(hard.begin(), hard.end(), [](const Hard& a, const Hard& b) { return a.x < b.x; });
        std::FILE* table = std::fopen(table_path, "w");
        if (table == nullptr) {
            std::perror(table_path);
            return 1;
        }
        for (const Hard& h : hard) {
            const float rounded = static_cast<float>(cosq(static_cast<__float128>(h.x)));
            std::fprintf(table, "%a %s\n", static_cast<double>(h.x), print4(rounded).c_str());
        }
        if (std::fclose(table) != 0) {
            std::perror(table_path);
            return 1;
        }
        std::printf("cosine: %zu hardest inputs written to %s\n", hard.size(), table_path);
    }

    Counts exp_counts;
    each_float(bits(3.14159265f), bits(24.0f), [&](float x) {
        const double y = pi - static_cast<double>(x);
        const double ours = exponential(y);
        const double exact = static_cast<double>(expq(static_cast<__float128>(y)));
        ++exp_counts.checked;
        if (ours != exact) {
            ++exp_counts.wrong;
            std::printf("exponential(%a) = %a, correctly rounded %a\n", y, ours, exact);
        }
        if (!same_print(ours, std::exp(y))) ++exp_counts.printed_unlike_libc;
    });
    std::printf("exponential: %lu floats, %lu not correctly rounded, %lu print unlike the C library's exp\n",
                exp_counts.checked.load(), exp_counts.wrong.load(), exp_counts.printed_unlike_libc.load());
    return cos_counts.wrong == 0 && exp_counts.wrong == 0 && exp_counts.printed_unlike_libc == 0 ? 0 : 1;
}
