#include "res/program_resources.h"
#include "res/resource.h"

namespace {

// Symbols as in StandardColourKey(): '.' see-through, n navy, m maroon,
// s silver, y yellow, g green, d grey, w white, k black.

// The application: a lit city skyline at night above a road.
constexpr const char* kAppIconLarge[] = {
    "................................",
    "..nnnnnnnnnnnnnnnnnnnnnnnnnnnn..",
    ".nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.",
    "nnnnnnnnnnnnnnnnnnnnwnnnnyyynnnn",
    "nnnnwnnnnnnnnnnnnnnnnnnnyynnnnnn",
    "nnnnnnnnnnnnnnnnnnnnnnnnyynnnnnn",
    "nnnnnnnnnnmmmmmmmmnnnnnnnyyynnnn",
    "nnnnnnnnnnmssssssmnnnnnnnnnnnnnn",
    "nnnnnnnnnwmsyssssmnnnnnnnnnnnwnn",
    "nnnnnnnnnnmssssssmnnnnnnmmmmmmnn",
    "nnnnnnnnnnmssssssmnnnnnnmssssmnn",
    "nnnnnnnnnnmsysyssmnnnnnnmsyssmnn",
    "nnnnnnnnnnmssssssmnnnnnnmssssmnn",
    "nnnmmmmmmmmssssssmnnnnnnmssssmnn",
    "nnnmsssssmmsysyssmnnnnnnmssssmnn",
    "nnnmsysysmmssssssmmmmmmmmssssmnn",
    "nnnmsssssmmssssssmmssssmmssssmnn",
    "nnnmsssssmmsysyssmmsyssmmsyssmnn",
    "nnnmsysysmmssssssmmssssmmssssmnn",
    "nnnmsssssmmssssssmmssssmmssssmnn",
    "nnnmsssssmmsssyssmmsyssmmsyssmnn",
    "nnnmsssysmmssssssmmssssmmssssmnn",
    "nnnmsssssmmssssssmmssssmmssssmnn",
    "nnnmsssssmmsyssssmmssssmmsyssmnn",
    "nnnmsssssmmssssssmmssssmmssssmnn",
    "nnnmmmmmmmmmmmmmmmmmmmmmmmmmmmnn",
    "nggggggggggggggggggggggggggggggn",
    "nddwwdddwwdddwwdddwwdddwwdddwwdn",
    "nddddddddddddddddddddddddddddddn",
    ".gggggggggggggggggggggggggggggg.",
    "..nnnnnnnnnnnnnnnnnnnnnnnnnnnn..",
    "................................",
};

constexpr const char* kAppIconSmall[] = {
    ".nnnnnnnnnnnnnn.",
    "nnnnnnnnnnnnynnn",
    "nnwnnnnnnnnnnynn",
    "nnnnnmmmmnnnnnnn",
    "nnnnnmssmnnnnnnn",
    "nnnnnmysmnnnmmmn",
    "nnnnnmssmnnnmsmn",
    "nmmmmmsymnnnmymn",
    "nmssmmssmmmmmsmn",
    "nmysmmysmmsmmsmn",
    "nmssmmssmmymmymn",
    "nmsymmsymmsmmsmn",
    "nmssmmssmmsmmsmn",
    "nmmmmmmmmmmmmmmn",
    "gggggggggggggggg",
    ".dddddddddddddd.",
};

// The document: a page with a few lines of text and a small city picture.
constexpr const char* kDocumentIconLarge[] = {
    "................................",
    ".....kkkkkkkkkkkkkkkk...........",
    ".....kwwwwwwwwwwwwwwkk..........",
    ".....kwwwwwwwwwwwwwwksk.........",
    ".....kwwwwwwwwwwwwwwkssk........",
    ".....kwwdddddddddddwksssk.......",
    ".....kwwwwwwwwwwwwwwkssssk......",
    ".....kwwwwwwwwwwwwwwkkkkkkk.....",
    ".....kwwdddddddddddwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwwddddddddwwwwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwnnnnnnnnnnnnnnnnnnwk.....",
    ".....kwnnnnnmmmmmnnnnnnnnwk.....",
    ".....kwnnnnnmsssmnnnnnnnnwk.....",
    ".....kwnnnnnmsysmnnnmmmmnwk.....",
    ".....kwnnnnnmsssmnnnmssmnwk.....",
    ".....kwnmmmmmyssmnnnmysmnwk.....",
    ".....kwnmssmmsssmmmmmssmnwk.....",
    ".....kwnmysmmssymmsmmssmnwk.....",
    ".....kwnmssmmsssmmymmsymnwk.....",
    ".....kwnmsymmsysmmsmmssmnwk.....",
    ".....kwnmssmmsssmmsmmssmnwk.....",
    ".....kwnmmmmmmmmmmmmmmmmnwk.....",
    ".....kwggggggggggggggggggwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kwwwwwwwwwwwwwwwwwwwwk.....",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    "................................",
};

constexpr const char* kDocumentIconSmall[] = {
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwksk...",
    "..kwdddddwkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwddddddwwwk..",
    "..kwwwwwwwwwwk..",
    "..knnnnnnnnnnk..",
    "..knnnnmmmnnnk..",
    "..knnnnmsmmmmk..",
    "..knmmmmymmsmk..",
    "..knmymmsmmymk..",
    "..knmsmmsmmsmk..",
    "..knmmmmmmmmmk..",
    "..kggggggggggk..",
    "..kkkkkkkkkkkk..",
};

constexpr IconResource kIcons[] = {
    {IDR_MAINFRAME, kAppIconLarge, kAppIconSmall},
    {IDR_KORTALTYPE, kDocumentIconLarge, kDocumentIconSmall},
};

}  // namespace

std::span<const IconResource> ProgramIcons() { return kIcons; }
