#ifndef TUTORIALPAGE_H
#define TUTORIALPAGE_H

#include "PictureId.h"

#include <span>
#include <string_view>

// What showing a page does to the text colour before its text is set.
enum class TextColourRule {
    SetLightCyan,
    SetYellow,
    Keep,
};

// A line break inside a page text is this whole piece.
inline constexpr std::string_view CrLf = "\r\n";

// One page of the lesson. The texts are ISO 8859-1 (Latin-1) bytes, one byte
// a character; they are converted only where a window shows them.
struct TutorialPage {
    // What a screen reader calls the page, and its step button.
    std::string_view name;
    PictureId picture;
    std::span<const std::string_view> fragments;
    TextColourRule colour;
};

#endif // TUTORIALPAGE_H
