#pragma once

#include <array>
#include <string_view>

constexpr std::array<std::string_view, 6> kQuotations = {
    "the way of life uncertain, the ambition thicksighted: thence proceeds mawkishness.",
    "thirty years on this planet, and I have yet to hear the first syllable of valuable or even "
    "earnest advice from my seniors.",
    "Flying in space, man has never looked more puny or more significant.",
    "Space is the stature of who.",
    "The eternal silence of those inifinite spaces terrifies most people.",
    "Space isn't remote at all. It's only an hour's drive away if your truck could go straight "
    "upwards.",
};
