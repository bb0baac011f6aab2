#include "state/system_texts.h"

#include <array>

namespace nk {

namespace {

// The sentences the descriptions are made of; each carries its own blanks.
const char* const kSentences[21] = {
    "",
    "A melegvíz készítés egy tárolóban történik, melynek a napkollektorok a teljes térfogatát, a hagyományos hőtermelő pedig csak a felső térfogatát fűti. ",
    "A melegvíz készítés egy tárolóban történik, melyenek a napkollektorok és a hagyományos hőtermelő is a teljes térfogatát fűti. ",
    "A melegvíz készítés két sorba kapcsolt tárolóban történik. ",
    "Az 1. un. előfűtő tárolót csak a napkollektorok, a 2. un. utófűtő tárolót csak a hagyományos hőtermelő fűti. ",
    "Az 1. un. előfűtő tárolót csak a napkollektorok, a 2. un. utófűtő tárolót a napkollektorok és a hagyományos hőtermelő is fűti. ",
    " A napkollektor automatika a tárolók kollektoros fűtésénél előnykapcsolással a 2. számú, melegvíz elvételhez közelebbi tároló fűtését részesíti előnyben. ",
    " A melegvíz készítés három sorba kapcsolt tárolóban történik. ",
    "Az 1. és 2. un. előfűtő tárolókat csak a napkollektorok, a 3. un. utófűtő tárolót csak a hagyományos hőtermelő fűti. ",
    "A napkollektorok mind a három tárolót fűtik, míg a hagyományos hőtermelő csak a melegvíz elvétel szempontjából első, 3. számú tárolót fűti. ",
    " A napkollektor automatika a tárolók kollektoros fűtésénél előnykapcsolással a melegvíz elvételhez közelebbi tároló fűtését részesíti előnyben. Így a kollektorok először a 3. számú, majd a 2. számú, végül az 1. számú tárolót fűtik.  ",
    "A medencét a kollektorok is és a hagyományos hőtermelő is a vízforgató körbe épített, külső hőcserélőn keresztül fűtik. ",
    "A kollektorok a medencét közvetlenül, a medence vizét a kollektorkon átvezetve, a hagyományos hőtermelő pedig a vízforgató körbe épített külső hőcserélőn keresztül fűtik.",
    " A napkollektor automatika előnykapcsolással a melegvíz tároló fűtését részesíti előnyben a medence fűtésével szemben. ",
    "Az épület fűtésére a kollektorok puffertárolón keresztül segítenek rá. Ha a puffertárolóban magasabb a hőmérséklet a fűtési rendszer visszatérő hőmérsékletnél, akkor a visszatérő fűtőviz a puffertárolón keresztül kerül be a hagyományos hőtermelőbe. ",
    "A napkollektor automatika előnykapcsolással a melegvíz tároló fűtését részesíti előnyben a fűtési puffertárolóval szemben. ",
    "A napkollektor automatika előnykapcsolással először a melegvíz tároló, majd a fűtési puffertároló fűtését részesíti előnyben a medence fűtésével szemben. ",
    "A kollektorok egy központi puffertárolót fűtenek. Ebből a puffertárolóból történik a használati-melegvíz készítés, az épület fűtés és a medence fűtése is. ",
    "A használati-melegvíz készítés átfolyós rendszerben, a puffertároló felső részébe épített hőcserélőn keresztül történik. ",
    "A puffertárolóban lévő fűtővíz a medencét a vízforgató körbe épített hőcserélőn kersztül, ez épületet pedig közvetlenül a hőleadókba vezetve fűti. ",
    "A hagyományos hőtermelő közvetlenül, a puffertároló felső részét fűti. ",
};

struct Row {
    int group, variant;
    const char* title;
    std::array<int, 4> sentences;  // 0 ends the list
};

const Row kRows[] = {
    {1, 1, "11. számú használati-melegvíz készítő rendszer", {1, 0, 0, 0}},
    {1, 2, "12. számú használati-melegvíz készítő rendszer", {2, 0, 0, 0}},
    {1, 3, "13. számú használati-melegvíz készítő rendszer", {3, 4, 0, 0}},
    {1, 4, "14. számú használati-melegvíz készítő rendszer", {3, 5, 6, 0}},
    {1, 5, "15. számú használati-melegvíz készítő rendszer", {7, 8, 6, 0}},
    {1, 6, "16. számú használati-melegvíz készítő rendszer", {7, 9, 10, 0}},
    {2, 1, "21. számú medence fűtő rendszer", {11, 0, 0, 0}},
    {2, 2, "22. számú medence fűtő rendszer", {12, 0, 0, 0}},
    {4, 1, "41. számú kombinált használati-melegvíz készítő és medence fűtő rendszer.", {1, 11, 13, 0}},
    {4, 2, "42. számú kombinált használati-melegvíz készítő és medence fűtő rendszer.", {2, 11, 13, 0}},
    {4, 3, "43. számú kombinált használati-melegvíz készítő és medence fűtő rendszer.", {3, 4, 11, 13}},
    {4, 4, "44. számú kombinált használati-melegvíz készítő és épület fűtő rendszer.", {1, 14, 15, 0}},
    {4, 5, "45. számú kombinált használati-melegvíz készítő, medence és épület fűtő rendszer.", {1, 14, 11, 16}},
    {4, 6, "46. számú központi puffertárolós, használati-melegvíz készítő, medence és épület fűtő rendszer.", {17, 18, 19, 20}},
};

}  // namespace

std::optional<SystemText> systemText(int group, int variant) {
    for (const Row& r : kRows) {
        if (r.group != group || r.variant != variant) continue;
        SystemText t{r.title, {}};
        for (int s : r.sentences)
            if (s) t.description += kSentences[s];
        return t;
    }
    return std::nullopt;
}

}  // namespace nk
