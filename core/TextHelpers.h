// Small text helpers for building captions and lines. Every join skips an
// empty side, so no separator ever stands at the start or end of a result.
#pragma once

#include <string>
#include <string_view>

std::string JoinBlank(std::string_view a, std::string_view b);
std::string JoinComma(std::string_view a, std::string_view b);
std::string JoinNbsp(std::string_view a, std::string_view b);
// Joined with CR LF.
std::string JoinLines(std::string_view a, std::string_view b);

// label + value when both are non-empty, else empty.
std::string LabelValue(std::string_view label, std::string_view value);
// ", " + s, or empty for an empty s.
std::string CommaPrefixed(std::string_view s);
// " " + s, or empty for an empty s.
std::string BlankPrefixed(std::string_view s);

// Words are separated by runs of blanks (and other control characters).
int WordCount(std::string_view s);
// The n-th word, n from 1; empty when there are fewer words.
std::string WordAt(std::string_view s, int n);

enum TMatchMode : int { mmEqual = 0, mmBegins = 1, mmContains = 2 };
// Compares the upper-case form of text with pattern, which the caller gives
// in upper case; an unknown mode matches nothing.
bool MatchText(std::string_view pattern, std::string_view text, int mode);

// dir + "/" + name; no separator is added when dir is empty or already ends
// in "/" or "\".
std::string JoinPath(std::string_view dir, std::string_view name);
