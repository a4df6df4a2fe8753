// HasiraInpForm: opening on an entry, the OK checks and packing, Cancel and DataReadProc.
#include "column_input/hasira_inp_form.h"

#include "column_input/coating.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"
#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"
#include "sheets/entry_replacement.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tv::column_input {

using services::Num;

namespace {

const QString kConfirm = QStringLiteral("確認");
const QString kFloorSuffix = QStringLiteral("階");

QString flag(bool ticked) {
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void HasiraInpForm::open(const ColumnEntryTexts& payload) {
    m_payload = payload;
    m_closed = false;
    m_addAsNew = false;
    const QStringList opened = payload.EntryMainRecord.split(lists::kPartSeparator);
    m_openedFloor = opened.size() > MainMark ? opened[MainFloor] : QString();
    m_openedMark = opened.size() > MainMark ? opened[MainMark] : QString();
    if (!m_payload.EntryMainRecord.contains(lists::kPartSeparator))
        changeFloor(m_shared.LastFloor);
    else if (!DataReadProc(ReadEditedEntry))
        cancel(); // an entry the dialog cannot hold whole stays as it is stored
    m_history.clear();
    Q_EMIT changed();
}

bool HasiraInpForm::ok() {
    auto refuse = [this](const QString& message, int focus) {
        m_prompter.tell(message, kConfirm);
        if (focus >= 0)
            m_focus = focus;
        Q_EMIT changed();
        return false;
    };
    if (m_infoGd[0].isEmpty())
        return refuse(QStringLiteral("符号を選択してください。"), -1);
    if (m_inpTx[LengthInput].isEmpty())
        return refuse(QStringLiteral("長さを入力してください。"), LengthInput);
    if (m_inpTx[CountInput].isEmpty())
        return refuse(QStringLiteral("本数を入力してください。"), CountInput);
    if (Num(m_inpTx[SecondPlacesInput]) == 0 && !m_yousetuCh[1])
        return refuse(QStringLiteral("ロ部溶接のヶ所数を入力してください。"), SecondPlacesInput);
    if (m_jointCh && m_inpTx[JointMarkInput].isEmpty())
        return refuse(QStringLiteral("ジョイント符号を入力してください。"), -1);
    const services::TextGrid& plates = m_dataGrid[2];
    for (int row = kPlateFirstRow; row < kPlateFirstRow + kPlateLines; ++row) {
        const QString& name = plates.text(row, PlateName);
        if (!name.isEmpty() && plates.text(row, PlateGrade).isEmpty())
            return refuse(name + QStringLiteral("の規格が入力されていません。"), -1);
    }
    const sheets::EntryPlacement placement =
        sheets::askEntryPlacement(m_prompter, {m_openedFloor, m_openedMark}, {m_infoGd[2], m_infoGd[3]});
    if (placement == sheets::EntryPlacement::BackToDialog)
        return false;
    m_addAsNew = placement == sheets::EntryPlacement::AddNew;

    m_payload = packedTexts();
    m_shared.LastFloor = m_kaiTx;
    for (WeldGrid which : {FirstWelds, SecondWelds})
        rememberWelds(m_dataGrid[which], m_shared.WeldMemory[which]);
    m_closed = true;
    Q_EMIT changed();
    return true;
}

ColumnEntryTexts HasiraInpForm::packedTexts() {
    const services::TextGrid& first = m_dataGrid[FirstWelds];
    const services::TextGrid& second = m_dataGrid[SecondWelds];
    QStringList main{classificationCaption(m_bunruiOp), m_infoGd[0], m_infoGd[1], m_infoGd[2], m_infoGd[3]};
    for (const QString& input : m_inpTx)
        main.append(input);
    main << flag(m_jointCh) << flag(m_yousetuCh[0]) << flag(m_yousetuCh[1])
         << QString::number(first.rowCount() - 1) << QString::number(second.rowCount() - 1);
    const std::array<QString, 2> painting = paintedGirthAndArea();
    main << painting[0] << painting[1];

    ColumnEntryTexts texts;
    texts.EntryMainRecord = main.join(lists::kPartSeparator);
    texts.EntryWeldListA = joinGridCells(first, 1, first.rowCount() - 1, WeldQuantity);
    texts.EntryWeldListB = joinGridCells(second, 1, second.rowCount() - 1, WeldQuantity);
    texts.EntryPlateList =
        joinGridCells(m_dataGrid[2], kPlateFirstRow, kPlateFirstRow + kPlateLines - 1, kPlateGridColumns - 1);
    texts.EntryPaintList = joinGridCells(m_hifukuGrid, 1, kCoatingLines, kCoatingGridColumns - 1);
    return texts;
}

std::array<QString, 2> HasiraInpForm::paintedGirthAndArea() const {
    if (m_bunruiOp != Painted)
        return {};
    const QString pattern = QStringLiteral("#####0.00");
    const float metres = services::SingleQuotient(Num(m_inpTx[LengthInput]), 1000);
    const double columns = std::nearbyint(Num(m_inpTx[CountInput])); // halves to the even neighbour
    const float girthMm = paintedGirth(ColumnSpecs::of(m_shared.CurrentListEntry));
    const QString girth = services::formatNumber(services::SingleQuotient(girthMm, 1000), pattern);
    const float area = services::SingleProduct(services::SingleProduct(metres, Num(girth)), columns);
    return {girth, services::formatNumber(area, pattern)};
}

void HasiraInpForm::cancel() {
    m_payload.EntryMainRecord.clear();
    m_payload.EntryWeldListA.clear();
    m_payload.EntryWeldListB.clear();
    m_closed = true;
    Q_EMIT changed();
}

namespace {

// The weld rows an entry text holds: its fields in groups of a row's columns.
int weldRowsIn(const QString& text) {
    if (text.isEmpty())
        return 0;
    constexpr int fields = kWeldGridColumns - 1;
    return int((text.count(lists::kPartSeparator) + fields) / fields);
}

} // namespace

bool HasiraInpForm::DataReadProc(int mode) {
    if (!m_payload.EntryMainRecord.contains(lists::kPartSeparator))
        return true;
    const QStringList fields = m_payload.EntryMainRecord.split(lists::kPartSeparator);
    auto field = [&fields](int index) { return fields.value(index); };
    // The weld grids hold eight rows: a (hand-edited) entry with more would lose the rest.
    for (const auto& [count, text] : {std::pair{MainFirstWeldRows, m_payload.EntryWeldListA},
                                      std::pair{MainSecondWeldRows, m_payload.EntryWeldListB}}) {
        if (std::max(storedInteger(field(count)), weldRowsIn(text)) > kMaxWeldRows) {
            m_prompter.tell(QStringLiteral("%1%2の溶接は%3行を超えているため、読み込めません。")
                                .arg(field(MainFloor), field(MainMark))
                                .arg(kMaxWeldRows),
                            kConfirm);
            return false;
        }
    }
    const QString kind = field(MainSectionKind);
    const QString floor = QString(field(MainFloor)).remove(kFloorSuffix);

    if (mode == ReadEditedEntry) {
        // A mark deleted from the list since keeps the previous list entry's section fields.
        for (const lists::HasiraListEntry& entry : m_lists.HasiraList) {
            if (!entry.isDeleted() && services::SameIdentifier(entry.Floor, floor) &&
                services::SameIdentifier(entry.Mark, field(MainMark))) {
                m_shared.CurrentListEntry = entry;
                break;
            }
        }
        fixSectionCode(kind);
    }
    m_bunruiOp = NoClassification;
    for (int option = Painted; option <= OtherTreatment; ++option) {
        if (classificationCaption(option) == field(MainClassification))
            m_bunruiOp = option;
    }
    if (mode == ReadEditedEntry) {
        for (int i = 0; i < 4; ++i)
            m_infoGd[i] = field(MainSectionKind + i);
    }
    for (int i = 0; i < kInputFields; ++i)
        changeInput(i, field(MainLength + i));
    const bool joint = storedInteger(field(MainJoint)) != 0;
    if (m_jointCh && !joint)
        m_inpTx[JointMarkInput].clear();
    m_jointCh = joint;
    if (mode == ReadEditedEntry)
        changeFloor(floor);
    for (int i = 0; i < 2; ++i) {
        const bool ticked = storedInteger(field(MainNoFirstWelds + i)) != 0;
        if (ticked != m_yousetuCh[i])
            changeNoWelds(i, ticked);
    }

    setWeldRowCount(m_dataGrid[FirstWelds], storedInteger(field(MainFirstWeldRows)));
    setWeldRowCount(m_dataGrid[SecondWelds], storedInteger(field(MainSecondWeldRows)));
    for (WeldGrid which : {FirstWelds, SecondWelds}) {
        services::TextGrid& grid = m_dataGrid[which];
        fillGridCells(grid, 1, grid.rowCount() - 1, WeldQuantity,
                      which == FirstWelds ? m_payload.EntryWeldListA : m_payload.EntryWeldListB);
    }
    if (m_payload.EntryPlateList.contains(lists::kPartSeparator))
        fillGridCells(m_dataGrid[2], kPlateFirstRow, kPlateFirstRow + kPlateLines - 1, kPlateGridColumns - 1,
                      m_payload.EntryPlateList);
    if (m_payload.EntryPaintList.contains(lists::kPartSeparator))
        fillGridCells(m_hifukuGrid, 1, kCoatingLines, kCoatingGridColumns - 1, m_payload.EntryPaintList);
    Q_EMIT changed();
    return true;
}

} // namespace tv::column_input
