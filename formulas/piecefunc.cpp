// piecefunc: a function defined in four ranges of a real x (what it reads
// and prints: its help text below).
//
// The range limits -1 and 0 are compared in single precision, pi in double;
// the cosine is single precision, the exponential double. A NaN fails every
// comparison and so takes the last branch, where it comes out with its sign
// flipped.
//
// C libraries compute cosf and exp each their own way (glibc differs from
// MinGW's, and glibc's exp from itself between CPUs with and without fused
// multiply-add), and the last bit of a result can move the fourth decimal.
// So the cosine and the exponential are computed here: the exact value
// correctly rounded, to single precision for the cosine and to double for the
// exponential. Both use double-double arithmetic (about 106 bits) made only
// of correctly rounded double operations, so every IEEE-754 machine gives the
// same bits. tools/check-piecefunc-math checks both against quadruple
// precision on every float they can meet.
#include <cmath>
#include <limits>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Evaluate a four-range function of a real number X.",
    .description = R"(Input: one real number X (decimal, hexadecimal, inf, infinity or nan),
rounded to single precision.

The output has four decimals and no newline. It is
  -X            when X < -1
  1             when -1 <= X < 0
  cos(X)        when 0 <= X < pi (single precision)
  -exp(pi - X)  when X >= pi (double precision), and when X is not a number
                (a NaN: the output is nan or -nan, the sign of X flipped)
The cosine and the exponential are correctly rounded, so every machine
prints the same digits.
)",
    .example = R"(  $ echo 2 | piecefunc
  -0.4161
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

constexpr double pi = 3.141592653589793;

// A double-double: the value hi + lo, with |lo| at most half an ulp of hi.
struct Wide {
    double hi;
    double lo;
};

// a + b exactly, as a rounded sum and its error (any a and b).
Wide two_sum(double a, double b) {
    const double s = a + b;
    const double b_part = s - a;
    return {s, (a - (s - b_part)) + (b - b_part)};
}

// a + b exactly, when |a| >= |b|.
Wide fast_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly, by Dekker's splitting of each factor into two halves of 26
// bits (no fused multiply-add: the build forbids contraction).
Wide two_product(double a, double b) {
    auto split = [](double v) {
        const double t = 134217729.0 * v;  // 2^27 + 1
        const double high = t - (t - v);
        return Wide{high, v - high};
    };
    const double p = a * b;
    const Wide sa = split(a), sb = split(b);
    return {p, ((sa.hi * sb.hi - p) + sa.hi * sb.lo + sa.lo * sb.hi) + sa.lo * sb.lo};
}

Wide add(Wide a, Wide b) {
    const Wide s = two_sum(a.hi, b.hi);
    const Wide t = two_sum(a.lo, b.lo);
    const Wide u = fast_two_sum(s.hi, s.lo + t.hi);
    return fast_two_sum(u.hi, u.lo + t.lo);
}

Wide multiply(Wide a, Wide b) {
    const Wide p = two_product(a.hi, b.hi);
    return fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// a / d for a small whole number d.
Wide divide(Wide a, double d) {
    const double q = a.hi / d;
    const Wide back = two_product(q, d);
    return fast_two_sum(q, (((a.hi - back.hi) - back.lo) + a.lo) / d);
}

// The Taylor series of cos t (odd = false) or sin t (odd = true), nested from
// the last term: 1 - t^2/(1*2) (1 - t^2/(3*4) (1 - ...)) for the cosine. For
// |t| <= 0.8 the terms left out are below 2^-118.
Wide series(Wide t, bool odd) {
    const Wide square = multiply(t, t);
    Wide sum{1, 0};
    for (double k = 15; k >= 1; --k) {
        const double n = odd ? 2 * k : 2 * k - 1;  // n (n + 1): 1*2, 3*4, ... or 2*3, 4*5, ...
        const Wide term = divide(multiply(square, sum), n * (n + 1));
        sum = add(Wide{1, 0}, Wide{-term.hi, -term.lo});
    }
    return odd ? multiply(t, sum) : sum;
}

// cos x for 0 <= x < pi, correctly rounded to single precision. The
// argument is brought within pi/4 of 0 with pi/2 and pi as double-doubles
// (x is a float, so pi/2 - x and pi - x lose nothing).
float cosine(float x) {
    constexpr Wide half_pi{1.5707963267948966, 6.123233995736766e-17};
    constexpr Wide whole_pi{3.141592653589793, 1.2246467991473532e-16};
    const double v = static_cast<double>(x);
    Wide value;
    if (v <= 0.7853981633974483) {
        value = series(Wide{v, 0}, false);
    } else if (v <= 2.356194490192345) {
        value = series(add(half_pi, Wide{-v, 0}), true);  // cos x = sin(pi/2 - x)
    } else {
        const Wide c = series(add(whole_pi, Wide{-v, 0}), false);  // cos x = -cos(pi - x)
        value = Wide{-c.hi, -c.lo};
    }
    // Rounding hi to single precision is right unless hi lies exactly halfway
    // between two floats; then lo says on which side the value lies.
    float rounded = static_cast<float>(value.hi);
    const double below_or_above = value.hi - static_cast<double>(rounded);
    if (below_or_above != 0 && value.lo != 0 && (value.lo > 0) == (below_or_above > 0)) {
        const float other = std::nextafter(rounded, below_or_above > 0 ? 2.0f : -2.0f);
        if (static_cast<double>(other) - value.hi == value.hi - static_cast<double>(rounded)) {
            rounded = other;
        }
    }
    return rounded;
}

// e^y for y <= 0, correctly rounded to double: y = k ln 2 + r with |r| below
// 0.35, e^r by its Taylor series (terms left out below 2^-120), then times 2^k.
double exponential(double y) {
    if (y < -746) return 0;  // below half the least positive double; also -inf
    constexpr Wide ln2{0.6931471805599453, 2.3190468138462996e-17};
    const double k = std::floor(y / ln2.hi + 0.5);
    const Wide r = add(Wide{y, 0}, multiply(Wide{-k, 0}, ln2));
    Wide sum{1, 0};
    for (double n = 25; n >= 1; --n) sum = add(Wide{1, 0}, divide(multiply(r, sum), n));
    return std::ldexp(sum.hi + sum.lo, static_cast<int>(k));
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("piecefunc", argc, argv, help);
    const float x = program.read_float("x");
    double value;
    if (-1.0f > x) {
        value = static_cast<double>(-x);
    } else if (0.0f > x) {
        value = 1.0;
    } else if (pi > static_cast<double>(x)) {
        value = static_cast<double>(cosine(x));
    } else if (std::isnan(x)) {
        // -exp(pi - x) of a NaN is that NaN with its sign flipped. Machines
        // differ on the sign a NaN keeps through arithmetic and conversions,
        // so the rule is applied here, to the sign bit of x.
        value = std::copysign(std::numeric_limits<double>::quiet_NaN(), std::signbit(x) ? 1.0 : -1.0);
    } else {
        value = -exponential(pi - static_cast<double>(x));
    }
    program.out.put_fixed(value, 4);
    return program.finish();
}
