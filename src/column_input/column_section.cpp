// Section code, section text and painted girth of a registered column.
#include "column_input/column_section.h"

#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"

namespace tv::column_input {

using services::Num;
using services::SingleDifference;
using services::SingleProduct;
using services::SingleSum;
using services::StoreSingle;

ColumnSpecs ColumnSpecs::of(const lists::HasiraListEntry& entry) {
    return {entry.Shape, lists::splitParts(entry.Spec1, lists::kSectionParts),
            lists::splitParts(entry.Spec2, lists::kCutTeeParts),
            lists::splitParts(entry.Spec3, lists::kCutTeeParts)};
}

SectionCode sectionCode(const QString& kind, const ColumnSpecs& specs) {
    if (kind == lists::kShapeH) {
        if (specs.spec2.value(0).isEmpty())
            return SectionCode::PlainH;
        return specs.spec3.value(0).isEmpty() ? SectionCode::HWithOneTee : SectionCode::HWithTwoTees;
    }
    if (kind == lists::kShapeSquareTube)
        return SectionCode::SquarePipe;
    if (kind == lists::kShapeRoundTube)
        return SectionCode::RoundPipe;
    return SectionCode::None;
}

WeldRowCounts weldRowCounts(SectionCode code) {
    switch (code) {
    case SectionCode::PlainH:
        return {2, 2};
    case SectionCode::HWithOneTee:
        return {5, 4};
    case SectionCode::HWithTwoTees:
        return {8, 6};
    case SectionCode::SquarePipe:
    case SectionCode::RoundPipe:
        return {1, 1};
    case SectionCode::None:
        break;
    }
    return {0, 0};
}

namespace {

const QString kTimes = QStringLiteral("×");

QString cutTeeText(const QStringList& tee) {
    return u' ' + services::Trim(tee.value(0)) + QStringLiteral(" CT-") + tee.value(1) + kTimes +
           tee.value(2) + kTimes + tee.value(3) + kTimes + tee.value(4);
}

// (h + b) × 2 − tw × 2 of a section whose height, width and web are parts 1, 2, 3 (or 2, 3, 4).
float teeOrHGirth(float girth, const QStringList& parts, int first) {
    const float heightAndWidth = StoreSingle(Num(parts.value(first)) + Num(parts.value(first + 1)));
    const float twiceWeb = SingleProduct(Num(parts.value(first + 2)), 2);
    return SingleDifference(SingleSum(girth, SingleProduct(heightAndWidth, 2)), twiceWeb);
}

} // namespace

QString sectionText(const ColumnSpecs& specs) {
    const QStringList& s1 = specs.spec1;
    const QString grade = services::Trim(s1.value(0)) + u' ';
    if (specs.kind == lists::kShapeH) {
        QString text = grade + s1.value(1) + u'-' + s1.value(2) + kTimes + s1.value(3) + kTimes +
                       s1.value(4) + kTimes + s1.value(5);
        for (const QStringList* tee : {&specs.spec2, &specs.spec3}) {
            if (!tee->value(0).isEmpty())
                text += cutTeeText(*tee);
        }
        return text;
    }
    if (specs.kind == lists::kShapeSquareTube)
        return grade + s1.value(1) + kTimes + s1.value(2) + kTimes + s1.value(3);
    if (specs.kind == lists::kShapeRoundTube)
        return grade + s1.value(1) + kTimes + s1.value(2);
    return {};
}

float paintedGirth(const ColumnSpecs& specs) {
    const QStringList& s1 = specs.spec1;
    if (specs.kind == lists::kShapeH) {
        // (H + B) × 2 + B × 2 − tw × 2: the outline of the H plus the inner faces of the flanges.
        float girth = SingleProduct(Num(s1.value(3)), 2);
        girth = teeOrHGirth(girth, s1, 2);
        for (const QStringList* tee : {&specs.spec2, &specs.spec3}) {
            if (!tee->value(0).isEmpty())
                girth = teeOrHGirth(girth, *tee, 1);
        }
        return girth;
    }
    if (specs.kind == lists::kShapeSquareTube)
        return SingleProduct(StoreSingle(Num(s1.value(1)) + Num(s1.value(2))), 2);
    if (specs.kind == lists::kShapeRoundTube)
        return SingleProduct(Num(s1.value(1)), double(3.14159f));
    return 0.0f;
}

} // namespace tv::column_input
