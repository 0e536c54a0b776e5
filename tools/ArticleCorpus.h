// A deterministic corpus of Japanese newspaper copy in CP932, for benchmarks
// and tests that need realistic text of any size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mojiro {

// Exactly `bytes` bytes of paragraphs, one per line ending in CR LF: kanji,
// kana, full-width punctuation, half-width words and digits, tabs, occasional
// half-width katakana, empty lines, title lines, and now and then a paragraph
// of several KB. A double-byte character is never cut: the end is padded with
// a space where needed, and the text ends with CR LF whenever `bytes` >= 2.
// The same seed gives the same bytes on every platform.
[[nodiscard]] std::string MakeArticleCorpus(std::size_t bytes, std::uint32_t seed = 1);

} // namespace mojiro
