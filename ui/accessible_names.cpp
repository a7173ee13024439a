#include "ui/accessible_names.h"

namespace zel {

namespace {

struct Spoken {
    std::string_view name;
    int index;
    std::u16string_view text;
};

constexpr Spoken kNames[] = {
    {"Text8", 1, u"時刻1"},        {"Text8", 3, u"時刻1 の年"},   {"Text8", 0, u"時刻2"},
    {"Text8", 2, u"時刻2 の年"},   {"Text9", 0, u"dhms"},         {"Text9", 1, u"day"},
    {"Text7", 0, u"day"},          {"Text9", 2, u"hour"},         {"Text7", 1, u"hour"},
    {"Text9", 3, u"min"},          {"Text7", 2, u"min"},          {"Text9", 4, u"sec"},
    {"Text7", 3, u"sec"},          {"Text9", 5, u"和差の入力"},   {"Text7", 4, u"和差の入力"},
    {"Text6", kNoIndex, u"和差の結果"}, {"Option3", kNoIndex, u"dhms"}, {"Option4", kNoIndex, u"day"},
    {"Option5", kNoIndex, u"hour"}, {"Option6", kNoIndex, u"min"}, {"Option7", kNoIndex, u"sec"},
    {"Option8", kNoIndex, u"+"},    {"Option9", kNoIndex, u"-"},   {"Frame2", kNoIndex, u"単位"},
    {"Line1", kNoIndex, u"区切り線"}, {"Line2", kNoIndex, u"区切り線"}, {"txtManu", kNoIndex, u"使用法"},
};

constexpr Spoken kDescriptions[] = {
    {"Label6", 0, u"変換の状態"},
    {"Label6", 1, u"時刻差の状態"},
    {"Label6", 2, u"和差の状態"},
    {"Label6", 3, u"経過時刻の状態"},
};

template <std::size_t N>
std::u16string_view Find(const Spoken (&table)[N], std::string_view name, int index) {
    for (const Spoken& s : table)
        if (s.name == name && s.index == index) return s.text;
    return {};
}

}  // namespace

std::u16string_view AccessibleNameOf(std::string_view name, int index) { return Find(kNames, name, index); }

std::u16string_view AccessibleDescriptionOf(std::string_view name, int index) {
    return Find(kDescriptions, name, index);
}

}  // namespace zel
