// mojiro-corpus BYTES [SEED]: writes a deterministic CP932 article corpus of
// exactly BYTES bytes to standard output.
#include "ArticleCorpus.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

namespace {

// A whole decimal number that fits the type; no sign, no spaces, no suffix.
template <typename Number> bool ParseNumber(std::string_view text, Number& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv) {
    std::size_t bytes = 0;
    std::uint32_t seed = 1;
    if (argc < 2 || argc > 3 || !ParseNumber(argv[1], bytes) ||
        (argc == 3 && !ParseNumber(argv[2], seed))) {
        std::fputs("usage: mojiro-corpus BYTES [SEED] (BYTES and SEED whole numbers, SEED below "
                   "2^32)\n",
                   stderr);
        return 2;
    }
    try {
        const std::string corpus = mojiro::MakeArticleCorpus(bytes, seed);
        if (std::fwrite(corpus.data(), 1, corpus.size(), stdout) != corpus.size() ||
            std::fflush(stdout) != 0) {
            std::perror("mojiro-corpus: cannot write the corpus");
            return 1;
        }
    } catch (const std::exception& e) {
        // Typically not enough memory for the size asked for.
        std::fprintf(stderr, "mojiro-corpus: cannot make %zu bytes: %s\n", bytes, e.what());
        return 1;
    }
    return 0;
}
