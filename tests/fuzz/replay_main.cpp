// Plain driver for the fuzz targets, used where libFuzzer is not available
// (the normal gcc build): replays every file of the given corpus folders, then
// a number of pseudo-random inputs from a fixed seed, built from the tokens of
// a libFuzzer dictionary, random bytes and the operation layout of the
// targets. Any broken invariant aborts the program.
//
//   fuzz_keypad_replay [--dict FILE] [--random N] [--seed S] [CORPUS_DIR|FILE]...

#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Dictionary lines: [name=]"value" with \\, \" and \xNN escapes; # comments.
std::vector<Bytes> readDictionary(const std::string& path)
{
    std::vector<Bytes> tokens;
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read dictionary " << path << "\n";
        std::exit(2);
    }
    std::string line;
    while (std::getline(in, line)) {
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (line.empty() || line[0] == '#' || open == std::string::npos || close <= open)
            continue;
        Bytes token;
        for (size_t i = open + 1; i < close; ++i) {
            if (line[i] != '\\' || i + 1 >= close) {
                token.push_back(uint8_t(line[i]));
            } else if (line[i + 1] == 'x' && i + 3 < close && hexDigit(line[i + 2]) >= 0 &&
                       hexDigit(line[i + 3]) >= 0) {
                token.push_back(uint8_t(hexDigit(line[i + 2]) * 16 + hexDigit(line[i + 3])));
                i += 3;
            } else {
                token.push_back(uint8_t(line[i + 1]));
                ++i;
            }
        }
        if (!token.empty())
            tokens.push_back(token);
    }
    return tokens;
}

Bytes readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void run(const Bytes& b)
{
    LLVMFuzzerTestOneInput(b.data(), b.size());
}

// A mode byte, then operations whose payloads are mostly dictionary tokens.
Bytes generate(std::mt19937& rng, const std::vector<Bytes>& tokens)
{
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    Bytes out;
    out.push_back(uint8_t(rng()));
    const int ops = 1 + pick(pick(4) == 0 ? 200 : 30);
    for (int op = 0; op < ops; ++op) {
        Bytes payload;
        const int want = 1 + pick(64);
        while (int(payload.size()) < want) {
            const int kind = pick(10);
            if (kind < 6 && !tokens.empty()) {
                const Bytes& t = tokens[size_t(pick(int(tokens.size())))];
                payload.insert(payload.end(), t.begin(), t.end());
            } else if (kind < 8) {
                payload.push_back(uint8_t(rng()));
            } else {
                payload.insert(payload.end(), size_t(1 + pick(8)), uint8_t(rng()));
            }
        }
        payload.resize(size_t(want));
        uint8_t opByte = uint8_t(want - 1);
        opByte |= pick(3) ? fuzz::OpDecode : 0;
        opByte |= pick(4) ? 0 : fuzz::OpTick;
        out.push_back(opByte);
        out.insert(out.end(), payload.begin(), payload.end());
        // Bytes the touch dispatcher consumes as decisions.
        if (pick(4) == 0)
            out.push_back(uint8_t(rng()));
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Bytes> tokens;
    long randomRuns = 0;
    unsigned seed = 1;
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dict" && i + 1 < argc)
            tokens = readDictionary(argv[++i]);
        else if (a == "--random" && i + 1 < argc)
            randomRuns = std::stol(argv[++i]);
        else if (a == "--seed" && i + 1 < argc)
            seed = unsigned(std::stoul(argv[++i]));
        else
            inputs.emplace_back(a);
    }

    long files = 0;
    for (const auto& in : inputs) {
        std::vector<std::filesystem::path> paths;
        if (std::filesystem::is_directory(in)) {
            for (const auto& e : std::filesystem::directory_iterator(in))
                if (e.is_regular_file())
                    paths.push_back(e.path());
            std::sort(paths.begin(), paths.end());
        } else {
            paths.push_back(in);
        }
        for (const auto& p : paths) {
            run(readFile(p));
            ++files;
        }
    }
    if (!inputs.empty() && files == 0) {
        std::cerr << "no corpus files found\n";
        return 2;
    }

    std::mt19937 rng(seed);
    for (long i = 0; i < randomRuns; ++i)
        run(generate(rng, tokens));
    // A few plain floods and empty inputs as well.
    run(Bytes());
    run(Bytes(1, 0x01));
    for (uint8_t fill : {uint8_t(0x00), uint8_t(0x41), uint8_t(0xA1), uint8_t('$'), uint8_t(','), uint8_t(0xFF)}) {
        run(Bytes(20000, fill));
        Bytes b(20000, fill);
        b[0] = 0x01;
        run(b);
    }

    std::cout << "replayed " << files << " corpus files and " << randomRuns << " generated inputs\n";
    return 0;
}
