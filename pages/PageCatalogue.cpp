#include "PageCatalogue.h"

#include <array>

namespace {

// The lesson's texts, piece by piece, as Windows Latin-1: "\xDE" is the one
// character "Þ". A blank at a join belongs to the piece it is written in.

constexpr std::string_view introText[] = {
    "MAKING CHAIN LINKS - Welcome to Tutorial No. 3!",
};

constexpr std::string_view step1Text[] = {
    "Begin this lesson by making an oval selection on an empty layer ",
};

constexpr std::string_view step2Text[] = {
    "Now go to SELECT/MODIFIY/CONTRACT and contract by 14 pixels. ",
};

constexpr std::string_view step3Text[] = {
    "Now CUT the selection from the gold oval.  Hey, you've got an ",
};

constexpr std::string_view step4Text[] = {
    "Using the opacity slider on the layers menu, make the oval semi-",
    "transparent.",
};

constexpr std::string_view step5Text[] = {
    "Use Eyecandy to apply an inner ",
    ":-\xDE ",
};

constexpr std::string_view step6Text[] = {
    "Check this out! Duplicate the first link and interlock the two! ",
};

constexpr std::string_view step7Text[] = {
    "This illustration shows the typical progression of chain making. ",
};

constexpr std::string_view greetingsText[] = {
    "Greetings",
    CrLf,
    CrLf,
    "Credits",
};

using enum PageId;
using enum PictureSlot;
using enum TextColourRule;

constexpr std::array<TutorialPage, PageCount> catalogue = {{
    {Intro,     picIntro, introText,     SetLightCyan},
    {Step1,     picStep1, step1Text,     SetLightCyan},
    {Step2,     picStep2, step2Text,     SetLightCyan},
    {Step3,     picStep3, step3Text,     Keep},
    {Step4,     picStep4, step4Text,     SetLightCyan},
    {Step5,     picStep5, step5Text,     SetLightCyan},
    {Step6,     picStep6, step6Text,     SetLightCyan},
    {Step7,     picStep7, step7Text,     SetLightCyan},
    {Greetings, picIntro, greetingsText, SetYellow},
}};

} // namespace

namespace PageCatalogue {

std::span<const TutorialPage> pages()
{
    return catalogue;
}

const TutorialPage &page(PageId id)
{
    return catalogue.at(static_cast<std::size_t>(id));
}

std::string text(const TutorialPage &page)
{
    std::string joined;
    for (std::string_view piece : page.fragments)
        joined += piece;
    return joined;
}

std::string text(PageId id)
{
    return text(page(id));
}

} // namespace PageCatalogue
