#include "res/program_resources.h"
#include "res/resource.h"

namespace {

// Symbols as in StandardColourKey(); 's' is the button face.

constexpr const char* kNewGlyph[] = {
    "ssssssssssssssss",
    "sssskkkkkkksssss",
    "sssskwwwwwkkssss",
    "sssskwwwwwkwksss",
    "sssskwwwwwkkkkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kOpenGlyph[] = {
    "ssssssssssssssss",
    "ssssssssssssssss",
    "sskkkkssssssssss",
    "skyyyykkkkkkksss",
    "skooooooooooksss",
    "skooooooooooksss",
    "skoookkkkkkkkkkk",
    "skookyyyyyyyyyks",
    "skookyyyyyyyyyks",
    "skokyyyyyyyyykss",
    "skokyyyyyyyyykss",
    "skkyyyyyyyyyksss",
    "skkkkkkkkkkkssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

constexpr const char* kSaveGlyph[] = {
    "ssssssssssssssss",
    "skkkkkkkkkkkkkss",
    "sknwwwwwwwwwnkss",
    "sknwwwwwwwwwnkss",
    "sknwddddddwwnkss",
    "sknwwwwwwwwwnkss",
    "sknnnnnnnnnnnkss",
    "sknnnnnnnnnnnkss",
    "sknnsssssssnnkss",
    "sknnsddssssnnkss",
    "sknnsddssssnnkss",
    "sknnsddssssnnkss",
    "sknnsssssssnnkss",
    "skkkkkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kCutGlyph[] = {
    "ssssssssssssssss",
    "ssssksssssksssss",
    "ssssksssssksssss",
    "ssssskssskssssss",
    "ssssskssskssssss",
    "ssssssksksssssss",
    "ssssssskssssssss",
    "ssssssnsnsssssss",
    "sssnnnsssnnnssss",
    "ssnsssnsnsssnsss",
    "ssnsssnsnsssnsss",
    "ssnsssnsnsssnsss",
    "sssnnnsssnnnssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

constexpr const char* kCopyGlyph[] = {
    "ssssssssssssssss",
    "skkkkkkkksssssss",
    "skwwwwwwksssssss",
    "skwkkkkwksssssss",
    "skwwwwwwksssssss",
    "skwkkkkkkkkkkkks",
    "skwwwwkwwwwwwwks",
    "skwkkkkwkkkkkwks",
    "skwwwwkwwwwwwwks",
    "skkkkkkwkkkkkwks",
    "sssssskwwwwwwwks",
    "sssssskwkkkkkwks",
    "sssssskwwwwwwwks",
    "sssssskkkkkkkkks",
    "ssssssssssssssss",
};

constexpr const char* kPasteGlyph[] = {
    "ssssssssssssssss",
    "sssssskkkkssssss",
    "sskkkkddddkkkkss",
    "sskookkkkkkookss",
    "sskowwwwwwwwokss",
    "sskowkkkkkkwokss",
    "sskowwwwwwwwokss",
    "sskowkkkkkkwokss",
    "sskowwwwwwwwokss",
    "sskowkkkkwwwokss",
    "sskowwwwwwwwokss",
    "sskowwwwwwwwokss",
    "sskooooooooookss",
    "sskkkkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kPrintGlyph[] = {
    "ssssssssssssssss",
    "sssskkkkkkkkssss",
    "sssskwwwwwwkssss",
    "sssskwkkkkwkssss",
    "sssskwwwwwwkssss",
    "skkkkkkkkkkkkkks",
    "skwwwwwwwwwwwwks",
    "skssssssssssglks",
    "skddddddddddddks",
    "skkkkkkkkkkkkkks",
    "ssskwwwwwwwwksss",
    "ssskwkkkkkkwksss",
    "ssskwwwwwwwwksss",
    "ssskkkkkkkkkksss",
    "ssssssssssssssss",
};

constexpr const char* kAboutGlyph[] = {
    "ssssssssssssssss",
    "ssssssnnnnssssss",
    "sssssnnnnnnsssss",
    "ssssnnssssnnssss",
    "ssssnnssssnnssss",
    "ssssssssssnnssss",
    "sssssssssnnsssss",
    "ssssssssnnssssss",
    "sssssssnnsssssss",
    "sssssssnnsssssss",
    "ssssssssssssssss",
    "sssssssnnsssssss",
    "sssssssnnsssssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

// One glyph per non-separator button of toolbar 128, in its order.
constexpr std::span<const char* const> kMainFrameGlyphs[] = {
    kNewGlyph, kOpenGlyph, kSaveGlyph, kCutGlyph, kCopyGlyph, kPasteGlyph, kPrintGlyph, kAboutGlyph,
};

constexpr BitmapResource kBitmaps[] = {
    {IDR_MAINFRAME, kToolBarButtonWidth, kToolBarButtonHeight, kMainFrameGlyphs},
};

}  // namespace

std::span<const BitmapResource> ProgramBitmaps() { return kBitmaps; }
