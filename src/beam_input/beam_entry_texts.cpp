// The five entry texts of a beam: writing them at OK with the painted area, reading them back when
// an entry is opened or copied, and the commands that close the dialog.
//
// BeamOptionText  class･TanbuOp(0)･TanbuOp(1)･LeftOp(0)･LeftOp(1)･RightOp(0)･RightOp(1)･RightOp(0)･
//                 RightOp(1)･SaisunOp(0)･SaisunOp(1)   (states "True"/"False"; RightOp twice, as stored)
// BeamCaptionText JointCh ("0"/"1")･InfoGd(0)･…･InfoGd(11)
// BeamInputText   InpTx(0)･…･InpTx(14)･painted area per metre･painted area
// BeamPlateText   plate grid lines 1 to 10, columns 1 to 18 each
// BeamCoatingText coating grid lines 1 to 5, columns 1 to 8 each
#include "beam_input/beam_section.h"
#include "beam_input/expand_beam_entry.h"
#include "beam_input/hari_inp_form.h"
#include "beam_input/plate_columns.h"
#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "sheets/entry_replacement.h"

#include <cmath>

namespace tv::beam_input {

using services::Num;
using services::SingleProduct;
using services::SingleQuotient;
using services::StoreSingle;

namespace {

const QString kConfirm = QStringLiteral("確認");
const QStringList kSurfaceCaptions{QStringLiteral("塗装有"), QStringLiteral("塗装無"),
                                   QStringLiteral("溶融亜鉛"), QStringLiteral("その他")};
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

QString storedState(bool selected) {
    return selected ? kTrue : kFalse;
}

// The second option of a pair is selected when its stored state says so.
int optionFrom(const QString& secondState) {
    return secondState == kTrue ? 1 : 0;
}

QString gridText(const services::TextGrid& grid, int firstRow, int columns) {
    QStringList fields;
    for (int row = firstRow; row < grid.rowCount(); ++row)
        for (int column = 1; column < columns; ++column)
            fields.append(grid.text(row, column));
    return lists::joinParts(fields);
}

void setGridText(services::TextGrid& grid, int firstRow, int columns, const QString& text) {
    const int perRow = columns - 1;
    const QStringList fields = lists::splitParts(text, (grid.rowCount() - firstRow) * perRow);
    for (int i = 0; i < fields.size(); ++i)
        grid.setText(firstRow + i / perRow, 1 + i % perRow, fields[i]);
}

} // namespace

QString HariInpForm::paintedAreaPerMetre() const {
    // Outer girth of the centre H section: both flange faces, both flange edges, web faces.
    const QStringList tokens = CaptionTokens(m_infoGd[0]);
    const int sizeToken = tokens.value(0) == kCentreTag ? 2 : 1;
    const SectionSize s = ReadSectionSize(tokens.value(sizeToken));
    const float outer = StoreSingle(SingleProduct(2, s.H) + double(SingleProduct(4, s.B)));
    const float girth = StoreSingle(outer - double(SingleProduct(2, s.tw)));
    return services::formatNumber(SingleQuotient(girth, 1000), u"#####0.00");
}

QString HariInpForm::paintedArea(const QString& perMetre) const {
    const QString& length = m_tanbu == EndKind::Welded ? m_infoGd[1] : m_infoGd[8];
    const float metres = SingleQuotient(Num(length), 1000);
    const double beams = std::nearbyint(Num(m_inpTx[0]));
    return services::formatNumber(SingleProduct(SingleProduct(metres, Num(perMetre)), beams), u"#####0.00");
}

sheets::EntryPayload HariInpForm::WriteBeamEntry() {
    sheets::EntryPayload texts;
    const bool welded = m_tanbu == EndKind::Welded;
    texts[kOptionText] = lists::joinParts(
        {kSurfaceCaptions[int(m_bunrui)], storedState(welded), storedState(!welded),
         storedState(m_leftOp == 0), storedState(m_leftOp == 1), storedState(m_rightOp == 0),
         storedState(m_rightOp == 1), storedState(m_rightOp == 0), storedState(m_rightOp == 1),
         storedState(m_saisunOp == 0), storedState(m_saisunOp == 1)});
    QStringList captions{m_jointCh ? QStringLiteral("1") : QStringLiteral("0")};
    for (const QString& caption : m_infoGd)
        captions.append(caption);
    texts[kCaptionText] = lists::joinParts(captions);
    QStringList inputs(m_inpTx.begin(), m_inpTx.end());
    QString perMetre, area;
    if (m_bunrui == SurfaceClass::Painted) {
        perMetre = paintedAreaPerMetre();
        area = paintedArea(perMetre);
    }
    inputs << perMetre << area;
    texts[kInputText] = lists::joinParts(inputs);
    texts[kPlateText] = gridText(m_dataGrid, kPlateHeaderRows, kPlateColumns);
    texts[kCoatingText] = gridText(m_hifukuGrid, kCoatingHeaderRows, kCoatingColumns);
    return texts;
}

void HariInpForm::ReadBeamEntry(const sheets::EntryPayload& texts, bool whole) {
    m_reading = true;
    const QStringList options = lists::splitParts(texts[kOptionText], 11);
    const qsizetype surface = kSurfaceCaptions.indexOf(options[0]);
    m_bunrui = SurfaceClass(surface < 0 ? 0 : surface);
    m_tanbu = options[2] == kTrue ? EndKind::PlateConnection : EndKind::Welded;
    clearPlateGrid();
    fillPlateNames();
    // The end and measuring options come back as stored, so that the web welds and gussets of an
    // opened entry are recomputed as they were entered.
    m_leftOp = optionFrom(options[4]);
    m_rightOp = optionFrom(options[6]);
    m_saisunOp = optionFrom(options[10]);

    const QStringList captions = lists::splitParts(texts[kCaptionText], 1 + kCaptionCount);
    m_jointCh = Num(captions[0]) != 0;
    if (whole) {
        for (int k = 0; k <= 10; ++k)
            m_infoGd[k] = captions[k + 1];
        m_kaiTx = FloorOfCaption(captions[3]);
        rebuildMarkLists();
    } else {
        m_infoGd[1] = captions[2];
        for (int k = 4; k <= 10; ++k)
            m_infoGd[k] = captions[k + 1];
    }
    const QStringList inputs = lists::splitParts(texts[kInputText], kInputCount + 2);
    for (int k = 0; k < kInputCount; ++k) {
        if (m_inpTx[k] == inputs[k])
            continue;
        m_inpTx[k] = inputs[k];
        inputChanged(k);
    }
    setGridText(m_dataGrid, kPlateHeaderRows, kPlateColumns, texts[kPlateText]);
    if (texts[kCoatingText].contains(lists::kPartSeparator))
        setGridText(m_hifukuGrid, kCoatingHeaderRows, kCoatingColumns, texts[kCoatingText]);
    rebuildFugoList();
    m_reading = false;
}

bool HariInpForm::checkBeforeOk() {
    const auto refuse = [this](const QString& message, int focus) {
        m_prompter.tell(message, kConfirm);
        m_focusInput = focus;
        return false;
    };
    m_focusInput = -1;
    // An entry without a beam would reach the sheet without floor, mark or member row.
    if (m_infoGd[0].isEmpty())
        return refuse(QStringLiteral("積算する梁の符号を選択してください。"), -1);
    const QString lengthMessage = QStringLiteral("長さを入力してください。");
    if (m_tanbu == EndKind::Welded) {
        if (m_inpTx[4].isEmpty())
            return refuse(lengthMessage, 4);
        if (m_jointCh && m_inpTx[2].isEmpty())
            return refuse(QStringLiteral("ジョイント符号を入力してください。"), 2);
        if (m_jointCh && m_inpTx[3].isEmpty())
            return refuse(QStringLiteral("ジョイントのヶ所を入力してください。"), 3);
    } else if (m_inpTx[8].isEmpty()) {
        return refuse(lengthMessage, 8);
    }
    if (m_inpTx[0].isEmpty())
        return refuse(QStringLiteral("本数を入力してください。"), 0);
    for (int row = kPlateHeaderRows; row < m_dataGrid.rowCount(); ++row) {
        const QString name = m_dataGrid.text(row, kName);
        if (name.isEmpty() || name == kSundry || isWeldLine(name) || !m_dataGrid.text(row, kGrade).isEmpty())
            continue;
        m_dataGrid.setCurrent(row, kGrade);
        return refuse(name + QStringLiteral("の規格が入力されていません。"), -1);
    }
    return true;
}

bool HariInpForm::ok() {
    if (!checkBeforeOk())
        return false;
    const sheets::EntryPlacement placement =
        sheets::askEntryPlacement(m_prompter, {m_openedFloor, m_openedMark}, {m_infoGd[2], m_infoGd[3]});
    if (placement == sheets::EntryPlacement::BackToDialog)
        return false;
    m_addAsNew = placement == sheets::EntryPlacement::AddNew;
    m_payload = WriteBeamEntry();
    m_lastFloor = m_kaiTx;
    m_confirmed = true;
    return true;
}

void HariInpForm::cancel() {
    m_payload[kOptionText].clear();
    m_payload[kCaptionText].clear();
    m_payload[kInputText].clear();
    m_payload[kPlateText].clear();
}

void HariInpForm::loadEnteredData() {
    if (m_kaiTx.isEmpty()) {
        m_prompter.tell(QStringLiteral("階を入力してください。"), kConfirm);
        return;
    }
    if (m_infoGd[3].isEmpty()) {
        m_prompter.tell(QStringLiteral("符号を選択してください。"), kConfirm);
        return;
    }
    if (!m_picker)
        return;
    const std::optional<sheets::EntryPayload> picked = m_picker->pickBeamEntry();
    const RecordedChange change(m_snapshots);
    if (picked && !(*picked)[kOptionText].isEmpty())
        ReadBeamEntry(*picked, false);
}

bool HariInpForm::run(Command command) {
    const ChangeNotice notice{this};
    switch (command) {
    case Ok:
        return ok();
    case Cancel:
        cancel();
        return true;
    case LoadEntered:
        loadEnteredData();
        return false;
    case ClearPlateRow:
        m_plateEditRow = -1;
        clearRow(m_dataGrid, kPlateHeaderRows, true);
        return false;
    case DeletePlateBlankRow:
        m_plateEditRow = -1;
        deleteBlankRow(m_dataGrid, kPlateHeaderRows);
        return false;
    case InsertPlateBlankRow:
        m_plateEditRow = -1;
        insertBlankRow(m_dataGrid, kPlateHeaderRows);
        return false;
    case ClearCoatingRow:
        m_coatingEditRow = -1;
        clearRow(m_hifukuGrid, kCoatingHeaderRows, false);
        return false;
    case DeleteCoatingBlankRow:
        m_coatingEditRow = -1;
        deleteBlankRow(m_hifukuGrid, kCoatingHeaderRows);
        return false;
    case InsertCoatingBlankRow:
        m_coatingEditRow = -1;
        insertBlankRow(m_hifukuGrid, kCoatingHeaderRows);
        return false;
    case Help:
        if (m_opener) {
            m_shell.project.helpFilePath = m_root.file(shell::kInfoFolder, kHelpFile);
            m_opener->open(services::WindowId::InfoForm);
        }
        return false;
    }
    return false;
}

sheets::EntryDialogResult HariInpForm::result() const {
    return {m_payload, ExpandBeamEntry(m_payload), m_addAsNew};
}

} // namespace tv::beam_input
