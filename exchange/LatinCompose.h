// Canonical composition of Latin letters (Latin-1, Extended-A/B, Extended
// Additional) with combining marks: the same result as Unicode NFC for them;
// marks without a precomposed letter stay combining characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace latin {

// True for the combining diacritical marks (U+0300..U+036F and the smaller
// blocks of combining marks, including the half marks U+FE20..U+FE2F).
bool IsCombining(char32_t cp);
// The canonical combining class of a mark (230 for marks above that are
// not in the table, 0 for everything that is not a mark).
int CombiningClass(char32_t cp);

// The precomposed letter of base + mark, or 0 when there is none.
char32_t Compose(char32_t base, char32_t mark);
// Splits a precomposed letter into base and its last mark; false when cp
// is not one of the table's letters.
bool Decompose(char32_t cp, char32_t& base, char32_t& mark);

// Base letter and the marks that follow it, composed: marks are put in
// canonical order, then each one that can be merged into the letter is.
// The result is the letter followed by the marks left over.
std::vector<char32_t> ComposeCluster(char32_t base, const std::vector<char32_t>& marks);
// The same, appended to out as UTF-8.
void AppendComposed(std::string& out, char32_t base, const std::vector<char32_t>& marks);

// Full canonical decomposition of one character: the innermost base first,
// then its marks in canonical order.
std::vector<char32_t> DecomposeFully(char32_t cp);

// Reads the letter at s[pos] with the combining marks that follow it and
// advances pos past them.
char32_t NextCluster(std::string_view s, std::size_t& pos, std::vector<char32_t>& marks);

}  // namespace latin
