// The weld codes and coating shapes with their meanings.
#include "registries/input_codes.h"

#include <array>

namespace tv::registries {

namespace {

struct Code {
    QStringView code;
    QStringView meaning;
};

// 工法: how the weld is made.
constexpr std::array kMethods{Code{u"H", u"手溶接・半自動"}, Code{u"A", u"自動"}};
// 継手: the joint the weld closes.
constexpr std::array kJoints{Code{u"T", u"T継手（完全溶込み）"},
                             Code{u"F", u"隅肉"},
                             Code{u"B", u"突合せ（完全溶込み）"},
                             Code{u"L", u"角継手"},
                             Code{u"FL", u"フレア"},
                             Code{u"P", u"部分溶込み"}};
// 面: welded from one side or from both.
constexpr std::array kSides{Code{u"1", u"片面"}, Code{u"2", u"両面"}};

// The outlines of the coating shapes as their girth segments run: "溝部" is the recess between the
// flanges on one side of the web, "外面" a flange's outer face; shapes 7 to 14 are flat boards or a
// box of faces B (flange width or first side) and H (depth or second side).
constexpr std::array<QStringView, kCoatingShapes> kShapes{
    u"H形沿い：片側の溝部",
    u"H形沿い：両側の溝部",
    u"H形沿い：片側の溝部＋片フランジ外面",
    u"H形沿い：両側の溝部＋片フランジ外面（3面）",
    u"H形沿い：片側の溝部＋両フランジ外面（3面）",
    u"H形沿い：全周（4面）",
    u"平張り：B面 1面",
    u"平張り：B面 2面",
    u"箱張り：B面2＋H面1（3面）",
    u"箱張り：H面2＋B面1（3面）",
    u"箱張り：B面1＋H面1（2面）",
    u"平張り：H面 2面",
    u"平張り：H面 1面",
    u"箱張り：全周（4面）、鋼管(丸)は円周",
};

const QString kGap = QStringLiteral("  ");

template <typename Codes> QStringList items(const Codes& codes) {
    QStringList list;
    for (const Code& c : codes)
        list.append(c.code.toString() + kGap + c.meaning.toString());
    return list;
}

} // namespace

QStringList weldMethodItems() {
    return items(kMethods);
}

QStringList weldJointItems() {
    return items(kJoints);
}

QStringList weldSidesItems() {
    return items(kSides);
}

QString storedCode(const QString& item) {
    for (const QStringList& list : {weldMethodItems(), weldJointItems(), weldSidesItems()})
        if (list.contains(item))
            return item.section(kGap, 0, 0);
    return item;
}

QString coatingShapeName(int shape) {
    if (shape < 1 || shape > kCoatingShapes)
        return {};
    return kShapes[size_t(shape - 1)].toString();
}

QString coatingShapeCaption(int shape) {
    const QString name = coatingShapeName(shape);
    return name.isEmpty() ? QString() : QString::number(shape) + kGap + name;
}

} // namespace tv::registries
