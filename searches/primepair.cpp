// primepair: the best split of a sum into two primes for each test value
// (what it reads and prints: its help text below).
//
// Searching every split of every sum from n down always ends at 2p = p + p,
// with p the largest prime not above n / 2, which is what is computed: a
// downward search from n / 2 over windows of odd numbers sieved by the small
// primes, where each number left is given a strong test to base 2.
//
// A strong test is a chain of about thirty dependent multiplications, which
// leaves the multiplier idle most of the time; so the values read are held
// back in batches and the tests of four searches (four values) run side by
// side, each value still answered in its turn.
//
// Values often come in clusters, many with n / 2 in one gap between primes:
// the answer found last holds for every top between its prime and the top
// its search began at, so those values take no search.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "For each test value, print the best split of a sum into two primes.",
    .description = R"(Input: a COUNT, then COUNT integers N. Each N is answered before the next is
read.

Output, one line per N: "No Solutions" when N <= 3; otherwise "S = D + Y",
where D + Y = S <= N, D <= Y are both prime, D is as large as possible and,
for that D, S as small as possible. This is always 2P = P + P with P the
largest prime not above N / 2.
)",
    .example = R"(  $ printf '3\n10\n3\n17\n' | primepair
  10 = 5 + 5
  No Solutions
  14 = 7 + 7
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

// The odd primes below 200, as constants so that each remainder is a
// multiplication.
using odd_small_primes = std::integer_sequence<std::uint32_t, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53,
                                               59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107, 109, 113, 127, 131,
                                               137, 139, 149, 151, 157, 163, 167, 173, 179, 181, 191, 193, 197, 199>;
// The least prime above them: below it, the small primes are all the primes.
constexpr std::uint32_t first_large_prime = 211;

// A window is 64 odd numbers counted down from its top, top = 2h + 1: bit j
// stands for top - 2j. These are the bits of the window's multiples of q:
// top - 2j is one when j = h + 1/2 = h + (q + 1) / 2 (mod q).
template <std::uint32_t q>
std::uint64_t multiples_of(std::uint32_t h) {
    constexpr std::uint64_t every_qth = [] {
        std::uint64_t bits = 0;
        for (std::uint32_t j = 0; j < 64; j += q) bits |= std::uint64_t{1} << j;
        return bits;
    }();
    const std::uint32_t first = (h + (q + 1) / 2) % q;
    if constexpr (q < 64) {
        return every_qth << first;
    } else {
        return std::uint64_t{first < 64} << (first % 64);
    }
}

// The numbers of the window that have no factor below 200 (bit j for
// top - 2j). A small prime itself is ruled out too, so the window is only
// used for numbers above 200.
template <std::uint32_t... q>
std::uint64_t survivors(std::uint32_t top, std::integer_sequence<std::uint32_t, q...>) {
    const std::uint32_t h = top / 2;
    std::uint64_t multiples = 0;
    ((multiples |= multiples_of<q>(h)), ...);
    return ~multiples;
}

// A search for the largest prime at or below an odd top >= 211: the numbers
// of the current window not yet ruled out, largest first. It ends at 211 at
// the latest, so it never reaches the small primes that the sieve rules out.
class Search {
public:
    Search() = default;
    explicit Search(std::uint32_t top) : top_(top), left_(survivors(top, odd_small_primes{})) {}

    // The next number to test, in descending order.
    std::uint32_t next() {
        while (left_ == 0) {
            top_ -= 128;
            left_ = survivors(top_, odd_small_primes{});
        }
        const auto j = static_cast<std::uint32_t>(std::countr_zero(left_));
        left_ &= left_ - 1;
        return top_ - 2 * j;
    }

private:
    std::uint32_t top_ = 0;
    std::uint64_t left_ = 0;
};

// The odd composites below 2^30 that pass the strong test to base 2, in
// ascending order; the list is at the end of this file.
extern const std::array<std::uint32_t, 1311> base2_pseudoprimes;

// The listed pseudoprimes, with a filter in front of the list: a hash of
// each sets one bit of 2^16, so most numbers that pass the strong test, the
// primes, are cleared by one bit instead of a search through the list.
class Pseudoprimes {
public:
    Pseudoprimes() {
        for (std::uint32_t n : base2_pseudoprimes) filter_[hash(n) / 64] |= std::uint64_t{1} << (hash(n) % 64);
    }
    bool contains(std::uint32_t n) const {
        return (filter_[hash(n) / 64] >> (hash(n) % 64) & 1) != 0 &&
               std::binary_search(base2_pseudoprimes.begin(), base2_pseudoprimes.end(), n);
    }

private:
    static std::uint32_t hash(std::uint32_t n) { return (n * 0x9e3779b1u) >> 16; }
    std::array<std::uint64_t, 1024> filter_{};
};

// Strong tests to base 2 of `lanes` odd numbers n, 200 < n < 2^30, side by
// side: passes[k] tells whether 2^d = 1 or 2^(d * 2^r) = -1 (mod n[k]) for
// some r < s, where n[k] - 1 = d * 2^s. Below 2^30 exactly the primes and the
// listed pseudoprimes pass.
//
// The power 2^e, e = (n - 1) / 2 = d * 2^(s - 1), is formed from the top bit
// of e down, squaring and doubling: after bit i the power is 2^(e >> i), which
// for i < s is 2^(d * 2^(s - 1 - i)), the numbers the test looks at.
//
// Products are reduced in Montgomery form (x stands for x * 2^32 mod n) and
// kept below 2n rather than n: for n < 2^30 a product of two such numbers
// reduces to one below 2n again, so no step needs a final subtraction.
template <std::size_t lanes>
void strong_tests(const std::uint32_t (&n)[lanes], bool (&passes)[lanes]) {
    std::uint32_t neg_inverse[lanes], e[lanes], x[lanes], s[lanes];
    std::uint32_t width = 0, most_twos = 0;
    for (std::size_t k = 0; k < lanes; ++k) {
        std::uint32_t inverse = n[k];  // 1/n modulo 2^3; each step doubles the bits
        for (int i = 0; i < 4; ++i) inverse *= 2 - n[k] * inverse;
        neg_inverse[k] = 0u - inverse;
        e[k] = (n[k] - 1) / 2;
        s[k] = static_cast<std::uint32_t>(std::countr_zero(n[k] - 1));
        width = std::max(width, static_cast<std::uint32_t>(std::bit_width(e[k])));
        most_twos = std::max(most_twos, s[k]);
        passes[k] = false;
    }
    // The bits of e from `start` up are taken at once: 2^(e >> start) is
    // below 2^32, and its Montgomery form is one remainder. Every bit the
    // test looks at (i < s, and s >= 1) lies below start.
    const std::uint32_t start = std::max(width > 5 ? width - 5 : 0, most_twos);
    std::uint32_t bits[lanes];  // the bits of e below start, the next one at the top
    for (std::size_t k = 0; k < lanes; ++k) {
        x[k] = static_cast<std::uint32_t>((std::uint64_t{1} << (e[k] >> start) << 32) % n[k]);
        bits[k] = e[k] << (32 - start);
    }
    auto reduce = [&](std::size_t k, std::uint64_t t) {
        const std::uint32_t m = static_cast<std::uint32_t>(t) * neg_inverse[k];
        return static_cast<std::uint32_t>((t + std::uint64_t{m} * n[k]) >> 32);
    };
    auto step = [&](std::size_t k) {
        const std::uint32_t square = reduce(k, std::uint64_t{x[k]} * x[k]);
        const std::uint32_t power = square + (square & (0u - (bits[k] >> 31)));  // below 4n
        bits[k] <<= 1;
        x[k] = power >= 2 * n[k] ? power - 2 * n[k] : power;
    };
    for (std::uint32_t i = start; i-- > most_twos;) {
        for (std::size_t k = 0; k < lanes; ++k) step(k);
    }
    for (std::uint32_t i = most_twos; i-- > 0;) {
        for (std::size_t k = 0; k < lanes; ++k) {
            step(k);
            const std::uint32_t power = reduce(k, x[k]);  // out of Montgomery form: below n
            passes[k] = passes[k] || (i < s[k] && power == n[k] - 1) || (i + 1 == s[k] && power == 1);
        }
    }
}

// Strong tests run four side by side, enough to keep the multiplier busy.
// Each lane serves one search until its prime is found; a lane left without
// a search tests a stand-in.
constexpr std::size_t lanes = 4;

// The values read and not yet answered. Values are answered in the order
// read, once the batch is full or the program is about to wait for input,
// report an error or finish.
class Batch {
public:
    explicit Batch(support::Writer& out) : out_(out) {}

    void add(int n) {
        values_[size_++] = n;
        if (size_ == values_.size()) answer();
    }

    void answer() {
        // The largest prime p <= n / 2 of each value (0: none), the small
        // ones at once and the others by searches that share the lanes.
        std::size_t searching = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const int n = values_[i];
            primes_[i] = 0;
            if (n <= 3) continue;
            auto top = static_cast<std::uint32_t>(n / 2);
            if (top > 2 && top % 2 == 0) --top;
            if (top < first_large_prime) {
                primes_[i] = largest_small_prime(top, odd_small_primes{});
            } else if (top >= known_prime_ && top <= known_top_) {
                primes_[i] = known_prime_;
            } else {
                searches_[searching] = Search(top);
                tops_[searching] = top;
                owner_[searching++] = i;
            }
        }
        search(searching);
        // No prime lies between a search's prime and its top: keep the
        // widest such range of the last prime found.
        for (std::size_t j = 0; j < searching; ++j) {
            const std::uint32_t p = primes_[owner_[j]];
            if (p != known_prime_) known_top_ = 0;
            known_prime_ = p;
            known_top_ = std::max(known_top_, tops_[j]);
        }
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint32_t p = primes_[i];
            if (p == 0) {
                out_.put("No Solutions\n");
                continue;
            }
            out_.put_int(2 * static_cast<long long>(p));
            out_.put(" = ");
            out_.put_int(p);
            out_.put(" + ");
            out_.put_int(p);
            out_.put('\n');
        }
        size_ = 0;
    }

private:
    // 2 for 2, otherwise the largest odd prime below 200 at or below top.
    template <std::uint32_t... q>
    static std::uint32_t largest_small_prime(std::uint32_t top, std::integer_sequence<std::uint32_t, q...>) {
        std::uint32_t largest = 2;
        ((largest = q <= top ? q : largest), ...);
        return largest;
    }

    // Runs searches_[0, count) to their primes, four at a time.
    void search(std::size_t count) {
        static constexpr std::size_t idle = ~std::size_t{0};
        std::size_t lane_search[lanes];
        std::uint32_t candidate[lanes];
        std::size_t started = 0, running = 0;
        for (std::size_t k = 0; k < lanes; ++k) {
            candidate[k] = 1048579;  // a stand-in: odd, in range, n - 1 = 2 * odd
            lane_search[k] = idle;
            if (started < count) {
                lane_search[k] = started++;
                candidate[k] = searches_[lane_search[k]].next();
                ++running;
            }
        }
        while (running > 0) {
            bool passes[lanes];
            strong_tests(candidate, passes);
            for (std::size_t k = 0; k < lanes; ++k) {
                const std::size_t at = lane_search[k];
                if (at == idle) continue;
                if (!passes[k] || pseudoprimes_.contains(candidate[k])) {
                    candidate[k] = searches_[at].next();
                    continue;
                }
                primes_[owner_[at]] = candidate[k];
                if (started < count) {
                    lane_search[k] = started++;
                    candidate[k] = searches_[lane_search[k]].next();
                } else {
                    lane_search[k] = idle;
                    --running;
                }
            }
        }
    }

    support::Writer& out_;
    const Pseudoprimes pseudoprimes_;
    std::array<int, 1024> values_;
    std::size_t size_ = 0;
    std::array<std::uint32_t, 1024> primes_;
    std::array<Search, 1024> searches_;
    std::array<std::size_t, 1024> owner_;   // the value each search is for
    std::array<std::uint32_t, 1024> tops_;  // the top each search starts at
    // Every top from known_prime_ to known_top_ has known_prime_ as its
    // largest prime at or below it (none yet: an empty range).
    std::uint32_t known_prime_ = 1, known_top_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("primepair", argc, argv, help);
    Batch batch(program.out);
    program.hold_answers([](void* held) { static_cast<Batch*>(held)->answer(); }, &batch);
    const int case_count = program.read_int("case count");
    for (int i = 0; i < case_count; ++i) batch.add(program.read_int("test value", i + 1LL, case_count));
    return program.finish();
}

namespace {

// Made by tools/base2-pseudoprimes.cpp, which tests every odd number below
// 2^30 against a sieve; its counts below 10^6, 10^7, 10^8 and 10^9 (46, 162,
// 488, 1282) are the published ones.
// clang-format off
const std::array<std::uint32_t, 1311> base2_pseudoprimes = {
          2047,       3277,       4033,       4681,       8321,      15841,      29341,      42799,
         49141,      52633,      65281,      74665,      80581,      85489,      88357,      90751,
        104653,     130561,     196093,     220729,     233017,     252601,     253241,     256999,
        271951,     280601,     314821,     357761,     390937,     458989,     476971,     486737,
        489997,     514447,     580337,     635401,     647089,     741751,     800605,     818201,
        838861,     873181,     877099,     916327,     976873,     983401,    1004653,    1016801,
       1023121,    1082401,    1145257,    1194649,    1207361,    1251949,    1252697,    1302451,
       1325843,    1357441,    1373653,    1397419,    1441091,    1493857,    1507963,    1509709,
       1530787,    1678541,    1730977,    1811573,    1876393,    1907851,    1909001,    1969417,
       1987021,    2004403,    2081713,    2181961,    2205967,    2264369,    2269093,    2284453,
       2304167,    2387797,    2419385,    2510569,    2746477,    2748023,    2757241,    2811271,
       2909197,    2953711,    2976487,    3090091,    3116107,    3125281,    3375041,    3400013,
       3429037,    3539101,    3567481,    3581761,    3605429,    3898129,    4181921,    4188889,
       4335241,    4360621,    4469471,    4502485,    4513841,    4682833,    4835209,    4863127,
       5016191,    5044033,    5049001,    5173169,    5173601,    5256091,    5310721,    5444489,
       5489641,    5590621,    5599765,    5672041,    5681809,    5919187,    6140161,    6226193,
       6233977,    6334351,    6368689,    6386993,    6787327,    6836233,    6952037,    7177105,
       7306261,    7306561,    7462001,    7674967,    7759937,    7820201,    7883731,    8036033,
       8095447,    8384513,    8388607,    8534233,    8725753,    8727391,    9006401,    9056501,
       9069229,    9073513,    9371251,    9564169,    9567673,    9588151,    9729301,    9774181,
       9863461,    9995671,   10323769,   10386241,   10425511,   10610063,   10655905,   10712857,
      10763653,   10974881,   11081459,   11335501,   11473885,   11541307,   11585293,   11777599,
      12263131,   12327121,   13057787,   13216141,   13338371,   13421773,   13446253,   13500313,
      13635289,   13694761,   13747361,   14179537,   14324473,   14709241,   14794081,   14865121,
      15101893,   15139199,   15188557,   15220951,   15247621,   15479777,   15510041,   15603391,
      15698431,   15802681,   15976747,   15978007,   16070429,   16132321,   16324001,   16360381,
      16705021,   16773121,   16822081,   16853077,   16879501,   17116837,   17134043,   17208601,
      17327773,   17375249,   17509501,   17585969,   18073817,   18366937,   18443701,   18454921,
      18535177,   18653353,   18740971,   19328653,   19404139,   19471033,   19607561,   20261251,
      20417311,   20647621,   21303343,   21306157,   21359521,   21400481,   21417991,   21623659,
      22075579,   22087477,   22564081,   22591301,   22669501,   22849481,   22953673,   23464033,
      23577497,   23734901,   23828017,   23872213,   23963869,   24214051,   25080101,   25326001,
      25629913,   26254801,   26377921,   26758057,   26821601,   26840269,   26877421,   27108397,
      27118601,   27219697,   27271151,   27279409,   27331921,   27380831,   27392041,   27509653,
      27664033,   27798461,   27808463,   27966709,   28325881,   28527049,   28572961,   29111881,
      29214541,   29581501,   29878381,   30022129,   30185569,   30219757,   30295141,   30388753,
      30418957,   30576151,   30662497,   30740417,   30881551,   30894307,   31166803,   31436123,
      33627301,   33704101,   34003061,   34856167,   35576599,   35703361,   35820937,   35851037,
      36307981,   36338653,   36765901,   36861901,   36919681,   37109467,   37439201,   37769887,
      38010307,   38046817,   38118763,   38210323,   38342071,   38624041,   39465091,   39655153,
      40629601,   40782589,   40827473,   40987201,   41121433,   41604109,   41642681,   41662297,
      41840809,   42485119,   42623017,   42984589,   43363601,   43397551,   43661257,   44314129,
      44963029,   45100177,   45414433,   45485881,   45769645,   45819541,   46325029,   46517857,
      46679761,   47220367,   47349373,   47759041,   47903701,   47918581,   48191653,   48269761,
      48316969,   48369727,   48448661,   48551161,   49303801,   49411801,   50155733,   51129781,
      51302353,   51340807,   51500521,   52072021,   52119289,   52204237,   53399449,   53656021,
      53675623,   53695721,   53711113,   54029741,   54449431,   54468001,   55109401,   55318957,
      55729957,   56420033,   57561085,   58422409,   58449847,   58509977,   59631211,   59840537,
      59913157,   60155201,   60352921,   60547831,   60566431,   60581401,   60696661,   60738257,
      61201009,   61219789,   61377109,   61755751,   61832377,   63001801,   63065281,   63167743,
      63318169,   63346999,   63388033,   64605041,   65254393,   65301013,   65359477,   66096253,
      66977281,   67194401,   67642513,   68102641,   68154001,   68165761,   68512867,   69030901,
      69128641,   69176647,   69228967,   69231061,   69485281,   69885649,   70030501,   70149631,
      70593931,   70728121,   71572957,   71734417,   72498253,   72543547,   73562833,   73645001,
      74329399,   74411131,   74927161,   75140137,   75565873,   76725091,   76745101,   77533123,
      77576401,   77812153,   77817979,   78939089,   79398901,   79417801,   79786523,   80375707,
      80556337,   80687881,   81433591,   81445585,   82273201,   82506439,   82870517,   83204801,
      84421081,   84487457,   84998503,   85519337,   86027329,   86067241,   86530621,   86999837,
      87499651,   87694261,   88368853,   89308771,   90626185,   91433281,   91659283,   93431521,
      93541537,   94316401,   94502701,   95451361,   95452781,   96618397,   96904081,   96925921,
      97496449,   97796953,   97863529,   97924217,   99036001,   99115297,   99486889,   99789673,
     100463443,  100618933,  100943201,  101270251,  101276579,  101649241,  102004421,  102678031,
     102690677,  104078857,  104852881,  104857391,  105305443,  105919633,  106485121,  106743073,
     106775761,  107543333,  108596953,  109118791,  109437751,  110139499,  110312773,  110717861,
     111654401,  112402981,  112792519,  112828801,  114305441,  114701341,  115007581,  115039081,
     115174681,  115804501,  115873801,  116090081,  116617289,  117987841,  119204809,  119558011,
     120296677,  120517021,  121472359,  122166307,  123671671,  123987793,  124145473,  126132553,
     127050067,  128079409,  128124151,  128665319,  128987429,  129256273,  129357061,  131567929,
     131938561,  132332201,  132338881,  132575071,  133216381,  133302781,  133467517,  133800661,
     134696801,  134767153,  135263269,  135308881,  135969401,  136043641,  136661201,  137415821,
     137763037,  138030721,  139487041,  140197051,  143168581,  145348529,  146156617,  146884393,
     147028001,  147287141,  148087801,  148109473,  148910653,  149389633,  150960239,  150988753,
     151533377,  152486551,  152716537,  153369061,  153754873,  153928133,  154287451,  155102221,
     156114061,  156532799,  157069189,  157405249,  157725829,  158068153,  158192317,  158397247,
     158496911,  158895281,  160348189,  160491329,  160587841,  160672201,  161035057,  161304001,
     162026869,  162067441,  162690481,  163442551,  165224321,  165938653,  166082309,  166827943,
     167579497,  167692141,  167881121,  168566501,  169655641,  170782921,  172116181,  172290241,
     174479729,  174769621,  176030977,  176597821,  177927641,  177951973,  178956971,  179285137,
     179820257,  180497633,  180703451,  181285537,  181542601,  181647497,  182383111,  183677341,
     184411567,  185365141,  186183469,  187667969,  187761241,  189714193,  189738361,  190382161,
     190913297,  191233813,  191981609,  192346153,  192857761,  193298365,  193330237,  193949641,
     194556451,  196035001,  196049701,  198982759,  199674721,  200143351,  202130197,  203505697,
     204582457,  205057561,  206304961,  206504033,  206529737,  207008569,  207030541,  207477001,
     207618781,  208051201,  208096681,  208969223,  210842113,  213035761,  214852609,  214858717,
     215436241,  215878531,  217875571,  218642029,  218947121,  220531501,  220883521,  221368153,
     222630193,  223449463,  223625851,  223782263,  225853633,  226359547,  226450297,  227444101,
     227475481,  228549565,  228652201,  229589413,  230357761,  231383461,  232771501,  234420481,
     235426913,  235928071,  237791143,  238001653,  238244041,  240068041,  240785047,  242650717,
     244883981,  245006623,  245950561,  246099317,  246282511,  246434761,  246658441,  247318957,
     247416101,  247800709,  250958401,  251663837,  251737993,  252853921,  253610281,  253893397,
     255318001,  255416897,  257590661,  258020473,  258043229,  259765747,  260156101,  260518801,
     260963389,  261703417,  262979501,  264269449,  265020001,  266811169,  270525737,  271272569,
     271763467,  271950829,  273480637,  274701913,  274919401,  275619961,  276131137,  276638321,
     280885153,  282471853,  282769771,  284166877,  284301751,  284736091,  284834299,  287160301,
     287449091,  288099001,  288117721,  288735277,  290643601,  290953921,  292153681,  292902481,
     293609485,  293847721,  295419097,  297411661,  298212601,  299736181,  301413001,  302635351,
     303373801,  305897131,  307694323,  307972801,  310978027,  311177213,  311411629,  311655829,
     311671361,  312408113,  312614021,  313748611,  314184487,  315034513,  315351521,  317365933,
     317641171,  317796119,  319440769,  319726177,  320326003,  320819941,  321324589,  322469701,
     322941881,  324171541,  324477697,  325352101,  325546873,  326266051,  326405713,  326695141,
     327398009,  328302901,  329153653,  330198331,  331658081,  331934989,  337135501,  337420679,
     337665901,  338125537,  338458807,  339492169,  341958121,  341994131,  343017529,  344201441,
     344255551,  344776301,  346080391,  348989101,  349752913,  350031973,  351058753,  352802803,
     356836819,  357348601,  357872971,  358416577,  359394751,  359727073,  360145633,  360787771,
     361312337,  363170837,  365077373,  366487201,  367559501,  368016949,  369269551,  369667561,
     371011801,  371611153,  372167101,  373533617,  373669453,  373906513,  374988661,  376957153,
     377192353,  377334497,  377806687,  377869031,  382536001,  385319089,  385454161,  390612221,
     392679737,  393513121,  393611653,  394723177,  395900557,  396899581,  399156661,  399302581,
     399647221,  403095967,  405739681,  405782623,  407889161,  410613809,  410680357,  412836689,
     413429801,  414216461,  414368641,  415204501,  415476343,  415878541,  417779909,  418044563,
     418226581,  418616161,  418617281,  418667401,  419184481,  420468481,  421942951,  422928101,
     423465001,  424411501,  425967301,  426770437,  426783811,  427294141,  428180191,  428373401,
     429135841,  429509837,  430046857,  430646401,  430733701,  435016187,  435993301,  437462101,
     437866087,  439309261,  440707345,  441650591,  441758461,  442050577,  442181291,  446414621,
     450807481,  450866021,  453366029,  453967739,  455198563,  460251733,  461151121,  461272267,
     462587329,  462639409,  464012033,  464955857,  466290949,  466758181,  467100937,  470268137,
     470644021,  471535373,  473581057,  474983881,  475723849,  478614067,  480668347,  482488393,
     483006889,  483029821,  486902929,  487896601,  488585521,  489994201,  490950461,  493108481,
     494288677,  495909871,  496560349,  497148599,  497285713,  498662561,  498706651,  500747293,
     501172241,  504870241,  505473263,  505532773,  505798213,  506349421,  507142567,  508606771,
     509302873,  509551201,  510925609,  511215521,  511611673,  514738981,  516764063,  517662001,
     518216201,  518548801,  522758233,  523756711,  528220117,  531681281,  533429881,  534782293,
     535252867,  535428577,  536114197,  536342419,  536870911,  540621181,  540654409,  540680141,
     541935901,  544861633,  545550433,  546117301,  546322201,  548989561,  550132741,  550230409,
     550635373,  550853137,  551313001,  553027201,  554487121,  554599051,  555321007,  556069849,
     556095433,  556114609,  558235109,  558900821,  561448487,  562367821,  564298489,  564689381,
     565664761,  567358513,  568902001,  570941881,  572123521,  572228929,  572567353,  572936869,
     574998841,  576724219,  577210181,  577352641,  577613261,  579606301,  579956653,  581618143,
     582799951,  585261637,  586706821,  587343541,  588049001,  592467451,  592468777,  593682169,
     593728489,  597537361,  599135767,  600893921,  601606487,  602379181,  606057985,  606338185,
     609361567,  609813781,  611146861,  611770513,  611812321,  612006253,  613849601,  615361183,
     616280897,  617087701,  619239457,  620544961,  620755537,  621769669,  626717471,  627886657,
     628868467,  629134081,  630811513,  631767943,  631974613,  633289807,  635155291,  635291077,
     635319361,  636337073,  636936697,  638837761,  639807781,  640650931,  640977373,  643036321,
     643552909,  644457551,  644731357,  645556481,  651151801,  651514753,  653260633,  660095641,
     660754117,  661122881,  661207177,  661896145,  662134201,  663760681,  672103001,  673778827,
     676359391,  678481693,  678981871,  680983817,  681124207,  682528687,  687741401,  692597647,
     693456521,  696998251,  698192041,  698819711,  702683101,  704934361,  705303457,  705351583,
     707691601,  709409993,  710721001,  711374401,  714490481,  714663139,  716652001,  717096641,
     717653129,  717831211,  722955773,  724160251,  724969087,  725508241,  731276521,  732805681,
     739444021,  740988151,  741214237,  742017181,  745493761,  745745461,  746331041,  747406801,
     750632137,  751705597,  753233717,  753532781,  753574537,  753594001,  756205633,  756271909,
     758581651,  758687581,  758901701,  759252367,  763907741,  764033999,  764240611,  765378241,
     766823797,  770909107,  770937931,  771337891,  773131927,  773807401,  775368901,  775896181,
     776443769,  777218989,  781471001,  782823281,  784450393,  784777393,  784783477,  784966297,
     787085857,  787209277,  788046901,  790453049,  791118043,  794201333,  796072003,  796200901,
     796560703,  797834017,  799630753,  799898833,  799916101,  801093011,  801227269,  801866647,
     804978721,  805771501,  809790881,  811607777,  811730923,  816024161,  816215401,  818391211,
     819466201,  822018961,  826004467,  830664451,  831807145,  831933901,  832048447,  833610751,
     839268139,  839280691,  839908217,  840749761,  841217653,  842785841,  842824981,  843161887,
     844545271,  846961321,  848090377,  849548671,  854094781,  858687103,  858895921,  859096477,
     860334301,  862678081,  867022747,  867110501,  867638201,  868111597,  868691401,  870248821,
     870985223,  871157233,  878940833,  879995689,  880870513,  880922657,  883276549,  884304037,
     884701441,  888868441,  893692819,  894264337,  899019353,  900736411,  902566501,  903108821,
     903390643,  905040953,  907378669,  907670501,  910202509,  914255785,  914906539,  921858631,
     923437213,  925265551,  926756881,  927106561,  929159941,  932148253,  936421141,  938376181,
     946034057,  947878081,  949317217,  949697233,  952893881,  954924013,  955718345,  956422657,
     958131157,  958970545,  960946321,  962489557,  962491237,  962523169,  965501857,  967266451,
     967287751,  967714021,  968283247,  970586713,  971975071,  974113601,  974471243,  977483449,
     979363153,  980056507,  981484561,  994133479,  995586373,  998489017,  998590601,  998596741,
     998724481,  999828727, 1002261781, 1005833971, 1006800829, 1008839999, 1009025263, 1009140161,
    1011319501, 1011333061, 1011570457, 1011909271, 1012438391, 1013833153, 1015626151, 1020515761,
    1022336611, 1027744453, 1028494429, 1034958601, 1039224121, 1040234231, 1054999441, 1056121453,
    1057426651, 1065602281, 1069388497, 1070941987, 1072898711, 1073288581, 1073484823,
};
// clang-format on

}  // namespace
