// Show that no input crashes, hangs or corrupts any program: hostile inputs
// generated from each program's example, deterministic from a seed, all end
// quickly with status 0, or 1 and a one-line diagnostic, in bounded memory.
#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness.hpp"
#include "programs.hpp"

namespace {

// What a program may take besides what grows with its input.
constexpr long memory_bound_kib = 128 * 1024;

std::vector<std::string> split(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> tokens;
    for (std::string token; stream >> token;) tokens.push_back(token);
    return tokens;
}

std::string join(const std::vector<std::string>& tokens, std::mt19937& rng) {
    static const char* const spaces[] = {" ", "\n", "\t", "\r\n", "\v", "\f", "  \n\t "};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(spaces) - 1);
    std::string text;
    for (const std::string& token : tokens) {
        if (!text.empty()) text += spaces[pick(rng)];
        text += token;
    }
    return text;
}

std::vector<std::string> hostile_inputs(const std::string& example, unsigned seed) {
    std::mt19937 rng(seed);
    const std::vector<std::string> hostile = {"",
                                              "-",
                                              "+",
                                              "x",
                                              "--1",
                                              "+-0",
                                              "0x10",
                                              "1e9",
                                              ".5",
                                              "nan",
                                              "-inf",
                                              "2147483647",
                                              "2147483648",
                                              "-2147483648",
                                              "-2147483649",
                                              "4294967296",
                                              "99999999999999999999999999",
                                              "-99999999999999999999999999",
                                              "2000000000",
                                              "-7",
                                              "0",
                                              "1",
                                              std::string(1, '\0'),
                                              "\xff\xfe",
                                              "\x80",
                                              std::string(200000, 'a'),
                                              std::string(100000, '9'),
                                              "000000000000000000000000000000000000042",
                                              "O",
                                              "\x7f"};
    std::vector<std::string> inputs = {"", " ", "\n\n\n", "\t\v\f\r "};
    for (std::size_t k = 1; k < example.size(); ++k) inputs.push_back(example.substr(0, k));

    const std::vector<std::string> tokens = split(example);
    std::uniform_int_distribution<std::size_t> pick_hostile(0, hostile.size() - 1);
    for (int round = 0; round < 120 && !tokens.empty(); ++round) {
        std::vector<std::string> mutated = tokens;
        std::uniform_int_distribution<std::size_t> pick_token(0, tokens.size() - 1);
        mutated[pick_token(rng)] = hostile[pick_hostile(rng)];
        if (round % 3 == 0) mutated[pick_token(rng)] = hostile[pick_hostile(rng)];
        if (round % 7 == 0) mutated.resize(pick_token(rng) + 1);  // cut short as well
        inputs.push_back(join(mutated, rng));
    }
    // Huge and negative counts with little data after them.
    for (const char* count : {"2000000000", "2147483647", "-1", "-2147483648", "46341"}) {
        std::vector<std::string> mutated = tokens;
        if (!mutated.empty()) mutated[0] = count;
        inputs.push_back(join(mutated, rng));
    }
    // Raw bytes, NUL and 128 to 255 included.
    std::uniform_int_distribution<int> byte(0, 255), length(0, 64);
    for (int round = 0; round < 30; ++round) {
        std::string text;
        for (int i = length(rng); i > 0; --i) text += static_cast<char>(byte(rng));
        inputs.push_back(text);
    }
    // The example's own tokens with whitespace of every kind between them.
    for (int round = 0; round < 10; ++round) inputs.push_back(join(tokens, rng));
    return inputs;
}

// How a start ended: its status, its signal and its diagnostic without the
// numbers and the quoted token, which vary from input to input.
std::string outcome(const minitools::Result& r) {
    std::string kind = std::to_string(r.status) + " " + std::to_string(r.signal) + " ";
    for (char c : r.err) {
        if (c == '\'') break;
        if (c < '0' || c > '9') kind += c;
    }
    return kind;
}

class Robustness : public testing::TestWithParam<std::string_view> {};

TEST_P(Robustness, HostileInputsEndCleanly) {
    const std::string_view program = GetParam();
    const std::string example = minitools::example(program, ".in");
    unsigned seed = 20261208;
    for (char c : program) seed = seed * 31 + static_cast<unsigned char>(c);
    const std::vector<std::string> inputs = hostile_inputs(example, seed);
    std::set<std::string> outcomes;
    for (std::size_t i = 0; i < inputs.size(); i += static_cast<std::size_t>(minitools::sample_step)) {
        const std::string& input = inputs[i];
        // Output beyond a megabyte is cut off, as "| head -c 1M" would: a few
        // numbers can ask for gigabytes of it (modecull's passes).
        constexpr std::size_t output_limit = 1 << 20;
        minitools::RunOptions options = {
            .output_limit = output_limit, .timeout_seconds = 20, .measure_memory = true, .sweep = true};
        minitools::Result r = minitools::run(program, input, options);
        // Under the sanitizers, leaks are checked on a sample of these starts
        // (RunOptions::sweep): a way of ending not seen before in this test is
        // run again with the check, so that each is checked at least once.
        if (minitools::sanitized && outcomes.insert(outcome(r)).second) {
            options.sweep = false;
            r = minitools::run(program, input, options);
        }
        const std::string shown = input.size() > 80 ? input.substr(0, 80) + "..." : input;
        SCOPED_TRACE(testing::Message() << program << " on '" << shown << "' (" << input.size() << " bytes)");
        ASSERT_FALSE(r.timed_out);
        if (r.out.size() >= output_limit && (r.signal == SIGPIPE || r.status == 1)) {
            ASSERT_TRUE(r.signal == SIGPIPE || r.err == std::string(program) + ": write error: Broken pipe\n") << r.err;
            continue;
        }
        ASSERT_EQ(r.signal, 0) << r.err;
        ASSERT_TRUE(r.status == 0 || r.status == 1) << r.status << " " << r.err;
        if (r.status == 0) {
            ASSERT_EQ(r.err, "");
        } else {
            ASSERT_EQ(r.err.rfind(std::string(program) + ": ", 0), 0u) << r.err;
            ASSERT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        }
        // Memory grows with the input, never with a count read from it.
        const long limit_kib = memory_bound_kib + static_cast<long>(input.size()) * 32 / 1024;
        ASSERT_LE(r.max_rss_kib, limit_kib);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, Robustness, testing::ValuesIn(minitools::programs),
                         [](const testing::TestParamInfo<std::string_view>& param) {
                             return std::string(param.param);
                         });

// The memory measured is the program's alone, whatever the test runner holds
// or held before: the suite also runs as one process, in which tests before
// these grow the runner past the bound.
TEST(MemoryBound, CountsTheProgramNotTheTestRunner) {
    constexpr std::size_t held = std::size_t{192} << 20;
    static_assert(held / 1024 > memory_bound_kib);
    const std::unique_ptr<char[]> block(new char[held]);
    volatile char* const bytes = block.get();  // stores that must happen: every page made resident
    for (std::size_t i = 0; i < held; i += 4096) bytes[i] = 1;
    const std::string_view program = minitools::programs[0];
    const minitools::Result r = minitools::run(program, minitools::example(program, ".in"), {.measure_memory = true});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_GT(r.max_rss_kib, 0);
    EXPECT_LE(r.max_rss_kib, memory_bound_kib);
}

}  // namespace
