#include "PageCatalogue.h"

#include <array>

namespace {

// The lesson's texts, piece by piece, as ISO 8859-1 (Latin-1): "\xDE" is the
// one character "Þ". A blank at a join belongs to the piece it is written in.

constexpr std::string_view introText[] = {
    "MAKING CHAIN LINKS - Welcome to Tutorial No. 3! This time we'll ",
    "make chain links, like the ones hanging from a cool 3D logo. I assume ",
    "that you already know your way around Photoshop 4.0 and its ",
    "layers. You will also learn how to use the Eyecandy 3.0 inner ",
    "bevel filter, one of my favourite toys. So grab a coffee, ",
    "put on some loud music, fire up ",
    "Photoshop and let's get to work.",
};

constexpr std::string_view step1Text[] = {
    "Begin this lesson by making an oval selection on an empty layer ",
    "using the marquee tool. Fill it with the yellow in the picture. ",
    "It looks flat for now, but it'll look like gold at the end!",
};

constexpr std::string_view step2Text[] = {
    "Now go to SELECT/MODIFIY/CONTRACT and contract by 14 pixels. ",
    "Your selection now looks like the picture.",
};

constexpr std::string_view step3Text[] = {
    "Now CUT the selection from the gold oval.  Hey, you've got an ",
    "oblong ring! That is the first link of your chain. Sweet!",
};

constexpr std::string_view step4Text[] = {
    "Using the opacity slider on the layers menu, make the oval semi-",
    "transparent. Now create a new layer and pick the paintbrush tool. Take a ",
    "brush 14 pixels in diameter with hardness 100%, as wide as your ring. ",
    "Hold down SHIFT and draw a straight line along the length of the oval, ",
    "from end to end. That line is the next link, seen from the side! Set the ",
    "ring back to 100% opacity when you're done.",
};

constexpr std::string_view step5Text[] = {
    "Use Eyecandy to apply an inner ",
    "bevel to each link, ring and bar alike. Play with bevel width ",
    "and shadow depth until the gold really shines. Then place the links ",
    "as you see in the picture: ring, bar, ring, bar. Fill the background with ",
    "black. Now for the trick: airbrush a little black shadow where two links meet. ",
    "It gives the illusion of depth, as if one link goes through the other! :-\xDE ",
};

constexpr std::string_view step6Text[] = {
    "Check this out! Duplicate the first link and interlock the two! ",
    "On the top link, erase the area where the links come together, ",
    "so they appear joined. Try some variations, like tilting one link. ",
    "Hey Quillo, are you paying attention?",
};

constexpr std::string_view step7Text[] = {
    "This illustration shows the typical progression of chain making. ",
    "Between the links I've put little diamond shapes, made with the polygon ",
    "lasso tool and bevelled the same way as the links. Want steel instead of ",
    "gold? Open HUE/SATURATION and drag the saturation down to zero, and your ",
    "gold turns into shiny steel. Put every object and every effect on its ",
    "own layer, so you can fix one thing without wrecking the rest. ",
    "That brings me to my three golden rules. Golden rule number one: use ",
    "layers. Golden rule number two: put as many things as possible on layers of ",
    "their own. Golden rule number three: did I mention layers? :) Only merge ",
    "layers when you are absolutely certain that you'll never touch them again. ",
    "Believe it or not, the splash picture of this tutorial has over 40 layers! ",
    "Want to see it again and count the links? Just click the button with my ",
    "icon on it to view it.",
};

constexpr std::string_view greetingsText[] = {
    "Greetings go out to Valdor, Ozzibal, Lumo, Tarnwell, Jadrik, Vexa, Krenn and ",
    "Dr. Smudge, to the whole Gloamrite crew, to Nebulith and the Thundrel Crew, ",
    "to everybody on Hexmoor BBS and of course to all my mates in Zarnok. ",
    "Special greetings to Quillo, who tested every step of this tutorial twice! ",
    "This one is dedicated to my sister Nessa, who thinks chains are only for bikes.",
    "            ",
    CrLf,
    CrLf,
    "Tutorial No. 3 - words, pictures and code by Morvane of Zarnok, 1998",
};

using enum PictureId;
using enum TextColourRule;

// One row a page, in the order of PageId, which page() indexes by.
constexpr auto catalogue = std::to_array<TutorialPage>({
    {"Intro",                          picIntro, introText,     SetLightCyan},
    {"Step 1: an oval selection",      picStep1, step1Text,     SetLightCyan},
    {"Step 2: contract the selection", picStep2, step2Text,     SetLightCyan},
    {"Step 3: cut the selection",      picStep3, step3Text,     Keep        },
    {"Step 4: a line along the oval",  picStep4, step4Text,     SetLightCyan},
    {"Step 5: bevel and shadow",       picStep5, step5Text,     SetLightCyan},
    {"Step 6: interlock two links",    picStep6, step6Text,     SetLightCyan},
    {"Step 7: from gold to steel",     picStep7, step7Text,     SetLightCyan},
    {"Greetings",                      picIntro, greetingsText, SetYellow   },
});
static_assert(catalogue.size() == PageCount);

} // namespace

namespace PageCatalogue {

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

} // namespace PageCatalogue
