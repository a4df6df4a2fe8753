// Column and row numbers of the beam dialog's two grids, and the names of the plate-grid lines.
// The entry texts store the grids cell by cell in this order, so the numbers are fixed.
#pragma once

#include "services/rgb.h"

#include <QStringView>

namespace tv::beam_input {

// 【溶接・プレート】: header rows 0 and 1, ten lines, column 0 numbers them.
inline constexpr int kPlateHeaderRows = 2;
inline constexpr int kPlateLines = 10;
inline constexpr int kPlateColumns = 19;
enum PlateColumn : int {
    kName = 1,           // 名称
    kGrade = 2,          // PL 規格
    kThickness = 3,      // 厚
    kWidth = 4,          // B(mm)
    kDepth = 5,          // D(mm)
    kPlates = 6,         // 枚
    kWeldMethod = 7,     // 工法
    kWeldJoint = 8,      // 継手
    kWeldFaces = 9,      // 面
    kWeldThickness = 10, // (厚)
    kWeldLength = 11,    // 単位L(mm)
    kWeldQuantity = 12,  // 数量
    kBoltKind = 13,      // 規格
    kBoltDiameter = 14,  // 呼径
    kBoltGrip = 15,      // 締付L
    kBoltLength = 16,    // L
    kBoltsPerPlate = 17, // 単位本
    kBoltQuantity = 18,  // 数量
};

// 【耐火被覆】: header row 0, five lines, column 0 numbers them; column 8 is hidden.
inline constexpr int kCoatingHeaderRows = 1;
inline constexpr int kCoatingLines = 5;
inline constexpr int kCoatingColumns = 9;
enum CoatingColumn : int {
    kCoatingKind = 1,      // 種類
    kCoatingThickness = 2, // 厚
    kCoatingShape = 3,     // 形状
    kCoatingGirth = 4,     // 糸尺
    kCoatingLength = 5,    // 単位L(mm)
    kCoatingPieces = 6,    // 本
    kCoatingArea = 7,      // 数量(m2)
};

// Back colour of the clicked line of either grid.
inline constexpr services::Rgb kSelectedRowColor{238, 252, 188};

// Line names.
inline constexpr QStringView kFlangeWeld = u"FLG溶接";
inline constexpr QStringView kWebWeld = u"WEB溶接";
inline constexpr QStringView kWeldOnly = u"溶接";
inline constexpr QStringView kSundry = u"雑";
inline constexpr QStringView kGussetA = u"A側ガセット";
inline constexpr QStringView kGussetB = u"B側ガセット";
inline constexpr QStringView kStiffenerA = u"A側スチフナー";
inline constexpr QStringView kStiffenerB = u"B側スチフナー";
inline constexpr QStringView kSplice = u"スプライス";
inline constexpr QStringView kFiller = u"フィラー";
// Girder-side lines carry this in their name.
inline constexpr QStringView kSideMark = u"側";

// Whether a line is one of the weld-only lines (no plate).
inline bool isWeldLine(QStringView name) {
    return name == kFlangeWeld || name == kWebWeld || name == kWeldOnly;
}

} // namespace tv::beam_input
