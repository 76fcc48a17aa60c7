#pragma once

#include <optional>

#include "widgets/formdesign.h"

namespace kelvane {

// How far apart two colours stand for the eye: the ratio of their relative luminances (each
// plus 0.05), the lighter over the darker, from 1 (the same) to 21 (black and white).
double ContrastRatio(const Rgb& a, const Rgb& b);

// The colour a text is drawn in on `background`: its described colour where it reads there (a
// contrast of at least 4.5:1, the level set for text), else the system's text colour, which is
// also the colour of a text described in none. So a scheme of light text on a dark background
// keeps every text in sight, and the ordinary scheme draws each as described.
Rgb TextColor(const std::optional<Rgb>& described, const Rgb& background, const Rgb& systemText);

}  // namespace kelvane
