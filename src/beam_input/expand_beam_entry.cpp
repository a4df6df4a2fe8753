// Sheet rows of a beam entry. Each column group fills its own rows from the top of the block, so
// the rows of one group never depend on how many another group has.
#include "beam_input/expand_beam_entry.h"

#include "beam_input/beam_section.h"
#include "beam_input/hari_inp_form.h"
#include "beam_input/plate_columns.h"
#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"

namespace tv::beam_input {

namespace {

constexpr int kSheetColumns = 29;

// Sheet columns.
enum SheetColumn : int {
    kKind = 1,
    kFloor = 2,
    kMark = 3,
    kComment = 4,
    kMemberGrade = 5,
    kMemberName = 6,
    kSize = 7,
    kLength = 8,
    kPieces = 9,
    kJointMark = 10,
    kJointCount = 11,
    kWeldFirst = 12,
    kPaintClass = 17,
    kPaintGirth = 18,
    kPaintQuantity = 19,
    kBoltFirst = 20,
    kFirstText = 24,
};

class Block {
public:
    QStringList& row(int index) {
        while (m_rows.size() <= index)
            m_rows.append(QStringList(kSheetColumns, QString()));
        return m_rows[index];
    }
    QList<QStringList> take() { return std::move(m_rows); }

private:
    QList<QStringList> m_rows;
};

QString plateAbbreviation(QStringView name) {
    if (name == kGussetA || name == kGussetB)
        return QStringLiteral("G.PL");
    if (name == kStiffenerA || name == kStiffenerB)
        return QStringLiteral("ST.PL");
    if (name == kSplice)
        return QStringLiteral("S.PL");
    if (name == kFiller)
        return QStringLiteral("F.PL");
    return QStringLiteral("PL");
}

} // namespace

QList<QStringList> ExpandBeamEntry(const sheets::EntryPayload& texts) {
    const QStringList options = lists::splitParts(texts[kOptionText], 11);
    const QStringList captions = lists::splitParts(texts[kCaptionText], 1 + kCaptionCount);
    const QStringList inputs = lists::splitParts(texts[kInputText], kInputCount + 2);
    const bool welded = options[1] == u"True";
    const QString& count = inputs[0];

    Block block;
    QStringList& first = block.row(0);
    first[kKind] = QStringLiteral("梁");
    first[kFloor] = FloorOfCaption(captions[3]);
    first[kMark] = captions[4];
    first[kComment] = inputs[1];
    first[kJointMark] = inputs[2];
    first[kJointCount] = inputs[3];

    // Members: field 1 of the captions is the section caption (caption 0).
    const QStringList tokens = CaptionTokens(captions[1]);
    int plateRow = 1;
    if (tokens.size() == 6) {
        for (int section = 0; section < 2; ++section) {
            QStringList& row = block.row(section);
            row[kMemberGrade] = tokens[1 + 3 * section];
            row[kMemberName] = MemberName(tokens[2 + 3 * section]);
            row[kSize] = tokens[2 + 3 * section];
            row[kPieces] = count;
        }
        if (welded) {
            // The centre part, and both end parts together.
            block.row(0)[kLength] = captions[10];
            const float ends = services::StoreSingle(services::Num(captions[7]) + services::Num(captions[8]));
            block.row(1)[kLength] = services::formatNumber(ends, u"#####");
        } else {
            block.row(0)[kLength] = captions[9];
        }
        plateRow = 2;
    } else {
        QStringList& row = block.row(0);
        row[kMemberGrade] = tokens.value(0);
        row[kMemberName] = MemberName(tokens.value(1));
        row[kSize] = tokens.value(1);
        row[kLength] = welded ? captions[2] : captions[9];
        row[kPieces] = count;
    }

    const QString& surface = options[0];
    if (surface == u"塗装有" || surface == u"溶融亜鉛") {
        block.row(0)[kPaintClass] = surface;
        block.row(0)[kPaintGirth] = inputs[15];
        block.row(0)[kPaintQuantity] = inputs[16];
    }

    constexpr int kLineFields = kPlateColumns - 1;
    const QStringList plates = lists::splitParts(texts[kPlateText], kPlateLines * kLineFields);
    int weldRow = 0, boltRow = 0;
    for (int line = 0; line < kPlateLines; ++line) {
        const auto field = [&](int column) -> const QString& {
            return plates[line * kLineFields + column - 1];
        };
        const QString& name = field(kName);
        if (name.isEmpty())
            continue;
        if (!isWeldLine(name)) {
            QStringList& row = block.row(plateRow++);
            row[kMemberGrade] = field(kGrade);
            row[kMemberName] = plateAbbreviation(name);
            const QChar times(0x00D7);
            row[kSize] =
                QStringLiteral("PL-") + field(kThickness) + times + field(kWidth) + times + field(kDepth);
            row[kPieces] = field(kPlates);
        }
        if (!field(kWeldMethod).isEmpty()) {
            QStringList& row = block.row(weldRow++);
            row[kWeldFirst] = field(kWeldMethod);
            row[kWeldFirst + 1] = field(kWeldJoint);
            row[kWeldFirst + 2] = field(kWeldFaces);
            row[kWeldFirst + 3] = field(kWeldThickness);
            row[kWeldFirst + 4] = field(kWeldQuantity);
        }
        if (!field(kBoltKind).isEmpty()) {
            QStringList& row = block.row(boltRow++);
            row[kBoltFirst] = field(kBoltKind);
            row[kBoltFirst + 1] = field(kBoltDiameter);
            row[kBoltFirst + 2] = field(kBoltLength);
            row[kBoltFirst + 3] = field(kBoltQuantity);
        }
    }

    constexpr int kCoatingFields = kCoatingColumns - 1;
    const QStringList coating = lists::splitParts(texts[kCoatingText], kCoatingLines * kCoatingFields);
    int coatingRow = 1;
    for (int line = 0; line < kCoatingLines; ++line) {
        const auto field = [&](int column) -> const QString& {
            return coating[line * kCoatingFields + column - 1];
        };
        if (field(kCoatingKind).isEmpty())
            continue;
        QStringList& row = block.row(coatingRow++);
        row[kPaintClass] = field(kCoatingKind) + u':' + field(kCoatingThickness);
        row[kPaintGirth] = field(kCoatingGirth);
        row[kPaintQuantity] = field(kCoatingArea);
    }

    for (int i = 0; i < 5; ++i)
        block.row(0)[kFirstText + i] = texts[i];
    return block.take();
}

} // namespace tv::beam_input
