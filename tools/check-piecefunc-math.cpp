// Checks piecefunc's own cosine and exponential against quadruple precision
// (libquadmath) on every float that reaches them, and counts where the
// answer printed with four decimals differs from the C library's cosf and exp.
//
// The cosine must be the correctly rounded float for each of the
// 1,078,530,011 floats in [0, pi). The exponential is met as exp(pi - x) for
// every float x >= pi; from x = 24 on, every answer prints -0.0000, so the
// floats from pi to 24 are checked: the double must be the correctly rounded
// one, and the printed answer must not differ from the C library's.
// Usage: check-piecefunc-math   (a few minutes on two cores)
#include <quadmath.h>

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
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
            for (std::uint64_t b = from + t; b <= to; b += threads) check(std::bit_cast<float>(static_cast<std::uint32_t>(b)));
        });
    }
    for (auto& thread : pool) thread.join();
}

}  // namespace

int main() {
    Counts cos_counts;
    each_float(0, bits(3.1415925f), [&](float x) {
        const float ours = cosine(x);
        const float exact = static_cast<float>(cosq(static_cast<__float128>(x)));
        ++cos_counts.checked;
        if (ours != exact) {
            ++cos_counts.wrong;
            std::printf("cosine(%a) = %a, correctly rounded %a\n", static_cast<double>(x),
                        static_cast<double>(ours), static_cast<double>(exact));
        }
        if (!same_print(ours, std::cos(x))) ++cos_counts.printed_unlike_libc;
    });
    std::printf("cosine: %lu floats, %lu not correctly rounded, %lu print unlike the C library's cosf\n",
                cos_counts.checked.load(), cos_counts.wrong.load(), cos_counts.printed_unlike_libc.load());

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
