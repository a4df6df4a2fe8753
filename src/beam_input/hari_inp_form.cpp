// The beam dialog's fields, mark lists, girder choice, option groups and the recomputation that
// follows every change of an input field.
#include "beam_input/hari_inp_form.h"

#include "beam_input/beam_section.h"
#include "beam_input/plate_columns.h"
#include "lists/list_files.h"
#include "registries/input_codes.h"
#include "registries/reference_lists.h"
#include "registries/registry_text.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"
#include "services/typed_text.h"

namespace tv::beam_input {

using services::Num;
using services::StoreSingle;
using namespace Qt::StringLiterals;

namespace {

const QString kConfirm = QStringLiteral("確認");
const QString kFloorSuffix = QStringLiteral("階");
const QString kNone = QStringLiteral("無し");
const QChar kTimes(0x00D7);

void setupGrids(services::TextGrid& index, services::TextGrid& plates, services::TextGrid& coating) {
    index = services::TextGrid(1, 1);
    index.setFixedRows(1);
    index.setText(0, 0, QStringLiteral("符号"));

    plates = services::TextGrid(kPlateHeaderRows + kPlateLines, kPlateColumns);
    plates.setFixedRows(kPlateHeaderRows);
    plates.setFixedColumns(1);
    const QStringList groups{{},        u"PL"_s,   u"PL"_s,   u"PL"_s,   u"PL"_s,   u"PL"_s,   u"PL"_s,
                             u"溶接"_s, u"溶接"_s, u"溶接"_s, u"溶接"_s, u"溶接"_s, u"溶接"_s, u"BOLT"_s,
                             u"BOLT"_s, u"BOLT"_s, u"BOLT"_s, u"BOLT"_s, u"BOLT"_s};
    const QStringList captions{{},         u"名称"_s,      u"規格"_s,   u"厚"_s,   u"B(mm)"_s,
                               u"D(mm)"_s, u"枚"_s,        u"工法"_s,   u"継手"_s, u"面"_s,
                               u"(厚)"_s,  u"単位L(mm)"_s, u"数量"_s,   u"規格"_s, u"呼径"_s,
                               u"締付L"_s, u"L"_s,         u"単位本"_s, u"数量"_s};
    plates.setRowTexts(0, groups);
    plates.setRowTexts(1, captions);
    plates.addSpan({0, 1, 1, 6});
    plates.addSpan({0, 7, 1, 6});
    plates.addSpan({0, 13, 1, 6});
    for (int line = 0; line < kPlateLines; ++line)
        plates.setText(kPlateHeaderRows + line, 0, QString::number(line + 1));
    plates.setCurrent(kPlateHeaderRows, 1);

    coating = services::TextGrid(kCoatingHeaderRows + kCoatingLines, kCoatingColumns);
    coating.setFixedRows(kCoatingHeaderRows);
    coating.setFixedColumns(1);
    coating.setRowTexts(
        0, {{}, u"種類"_s, u"厚"_s, u"形状"_s, u"糸尺"_s, u"単位L(mm)"_s, u"本"_s, u"数量(m2)"_s, {}});
    coating.setColumnWidth(8, 1);
    for (int line = 0; line < kCoatingLines; ++line)
        coating.setText(kCoatingHeaderRows + line, 0, QString::number(line + 1));
    coating.setCurrent(kCoatingHeaderRows, 1);
}

// Half the flange width of the girder in a girder caption, or "0" without one.
QString halfFlange(const QString& girderCaption) {
    if (!girderCaption.contains(kTimes))
        return QStringLiteral("0");
    const float half = services::SingleQuotient(Num(girderCaption.section(kTimes, 1, 1)), 2);
    return services::EvaluateFormula(NumberText(half), services::FormulaModeCount);
}

} // namespace

HariInpForm::HariInpForm(shell::ShellState& shell, lists::MemberLists& lists, services::Prompter& prompter,
                         QString& lastFloor, EntryPicker* picker, services::WindowOpener* opener,
                         QObject* parent)
    : QObject(parent), m_shell(shell), m_root(shell.dataRoot), m_lists(lists), m_prompter(prompter),
      m_lastFloor(lastFloor), m_picker(picker),
      m_opener(opener), m_snapshots{m_history, [this] { return state(); },
                                    [this](const State& state) { restore(state); }} {
    setupGrids(m_indexGrid, m_dataGrid, m_hifukuGrid);
    m_kouhoList[1] = registries::weldMethodItems();
    m_kouhoList[2] = registries::weldJointItems();
    m_kouhoList[3] = registries::weldSidesItems();
    m_kouhoList[8] = {u"吹付材"_s, u"板材"_s};
    fillPlateNames();
}

void HariInpForm::open(const sheets::EntryPayload& payload) {
    const ChangeNotice notice{this};
    m_payload = payload;
    m_addAsNew = false;
    const bool entered = payload[kOptionText].contains(lists::kPartSeparator);
    const QStringList captions = lists::splitParts(payload[kCaptionText], 1 + kCaptionCount);
    m_openedFloor = entered ? captions[3] : QString();
    m_openedMark = entered ? captions[4] : QString();
    // Lists that cannot be read are left empty: the dialog then offers no marks.
    if (const services::Status loaded = lists::LoadLists(m_root, m_lists); !loaded.ok())
        m_prompter.tellFailure(loaded.error);
    // A set file that cannot be read leaves its list empty; the dialog still opens.
    const auto read = [this](QStringView name, QStringList& into) {
        const registries::ReferenceList list = registries::loadList(m_root.file(shell::kSetFolder, name));
        if (!list.ok())
            m_prompter.tellFailure(list.error);
        into = list.entries;
    };
    read(registries::kHtbKataFile, m_kouhoList[4]);
    read(registries::kBoltKeiFile, m_kouhoList[5]);
    read(registries::kHasiraKikakuFile, m_kouhoList[7]);
    m_kouhoList[0].clear();
    for (const lists::JointListEntry& joint : m_lists.JointList)
        if (!joint.isDeleted() && !m_kouhoList[0].contains(joint.Mark))
            m_kouhoList[0].append(joint.Mark);

    m_bunrui = SurfaceClass::Painted;
    m_tanbu = EndKind::Welded;
    m_leftOp = m_rightOp = m_saisunOp = 0;
    fillPlateNames();
    if (entered) {
        ReadBeamEntry(payload, true);
    } else {
        startWeldLines();
        setKaiTx(m_lastFloor);
    }
    m_history.clear();
}

HariInpForm::State HariInpForm::state() const {
    return {m_payload, m_kaiTx,   m_inpTx,    m_infoGd,  {m_indexGrid}, m_bunrui,      m_tanbu,
            m_leftOp,  m_rightOp, m_saisunOp, m_jointCh, {m_dataGrid},  {m_hifukuGrid}};
}

void HariInpForm::restore(const State& state) {
    const ChangeNotice notice{this};
    m_payload = state.payload;
    m_kaiTx = state.kaiTx;
    m_inpTx = state.inpTx;
    m_infoGd = state.infoGd;
    m_indexGrid = state.indexGrid.grid;
    rebuildFugoList();
    m_bunrui = state.bunrui;
    m_tanbu = state.tanbu;
    fillPlateNames();
    m_leftOp = state.leftOp;
    m_rightOp = state.rightOp;
    m_saisunOp = state.saisunOp;
    m_jointCh = state.jointCh;
    m_dataGrid = state.dataGrid.grid;
    m_hifukuGrid = state.hifukuGrid.grid;
    m_plateEditRow = m_plateEditColumn = -1;
    m_coatingEditRow = m_coatingEditColumn = -1;
}

bool HariInpForm::acceptTyped(QString& text, bool identifier) {
    // A character that may not be stored leaves the text alone; the rest stays as typed.
    const services::StorableText storable =
        services::TakeOutRefused(registries::storableText(text), QStringView(&lists::kPartSeparator, 1));
    text = identifier ? services::HalfWidthIdentifier(storable.text) : storable.text;
    if (!storable.refused)
        return true;
    m_prompter.tell(services::refusedCharacterMessage(*storable.refused), kConfirm);
    return false;
}

bool HariInpForm::setKaiTx(const QString& text) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots, kFloorKey);
    QString accepted = text;
    const bool asTyped = acceptTyped(accepted, true);
    m_kaiTx = accepted;
    rebuildMarkLists();
    return asTyped;
}

bool HariInpForm::setInpTx(int index, const QString& text) {
    const ChangeNotice notice{this};
    if (index < 0 || index >= kInputCount)
        return false;
    const RecordedChange change(m_snapshots, kFirstInputKey + index);
    QString accepted = text;
    const bool asTyped = acceptTyped(accepted, index != 1);
    if (accepted == m_inpTx[index])
        return asTyped;
    m_inpTx[index] = accepted;
    inputChanged(index);
    return asTyped;
}

void HariInpForm::inputChanged(int index) {
    if ((index == 9 || index == 11) && !m_reading) {
        // A typed girder mark is looked up like a picked one, so that the girder-side lines never
        // keep the figures of a girder that is no longer named.
        lookUpGirders();
        RecalcBeamInputs(index);
        RecalcPlateGrid();
        return;
    }
    RecalcBeamInputs(index);
}

void HariInpForm::rebuildMarkLists() {
    m_indexGrid.resize(1, 1);
    if (!m_kaiTx.isEmpty()) {
        for (const lists::HariListEntry& e : m_lists.HariList)
            if (!e.isDeleted() && services::SameIdentifier(e.Floor, m_kaiTx))
                m_indexGrid.insertRow(m_indexGrid.rowCount(), {e.Mark});
        if (m_indexGrid.rowCount() > 1)
            for (const lists::HariListEntry& e : m_lists.HariList)
                if (e.Floor == lists::kSecondaryBeamFloor)
                    m_indexGrid.insertRow(m_indexGrid.rowCount(), {e.Mark});
    }
    rebuildFugoList();
}

void HariInpForm::rebuildFugoList() {
    m_fugoList.clear();
    for (int row = 1; row < m_indexGrid.rowCount(); ++row)
        m_fugoList.append(m_indexGrid.text(row, 0));
    if (!m_fugoList.isEmpty())
        m_fugoList.append(kNone);
}

void HariInpForm::chooseMark(int row) {
    const ChangeNotice notice{this};
    if (row < 1 || row >= m_indexGrid.rowCount())
        return;
    const RecordedChange change(m_snapshots);
    m_infoGd[2] = services::Trim(m_kaiTx) + kFloorSuffix;
    m_infoGd[3] = m_indexGrid.text(row, 0);
    if (const lists::HariListEntry* beam =
            FindBeam(m_lists.HariList, FloorOfCaption(m_infoGd[2]), m_infoGd[3]))
        m_infoGd[0] = BeamSectionCaption(*beam);
}

int HariInpForm::pickGirder(int field, const QString& mark) {
    const ChangeNotice notice{this};
    if (field != 9 && field != 11)
        return field;
    const RecordedChange change(m_snapshots);
    m_inpTx[field] = mark;
    lookUpGirders();
    RecalcBeamInputs(field);
    RecalcPlateGrid();
    return field + 1;
}

void HariInpForm::lookUpGirders() {
    const QString floor = FloorOfCaption(m_infoGd[2]);
    const auto caption = [&](const QString& mark, const QString& side) {
        const lists::HariListEntry* girder = FindBeam(m_lists.HariList, floor, mark);
        return girder ? side + SectionText(girder->Centre) : QString();
    };
    m_infoGd[4] = caption(m_inpTx[9], QStringLiteral("A梁:"));
    m_infoGd[5] = caption(m_inpTx[11], QStringLiteral("B梁:"));
}

void HariInpForm::setTanbuOp(EndKind value) {
    const ChangeNotice notice{this};
    if (value == m_tanbu)
        return;
    const RecordedChange change(m_snapshots);
    m_tanbu = value;
    clearPlateGrid();
    fillPlateNames();
    if (value == EndKind::Welded)
        startWeldLines();
}

void HariInpForm::startWeldLines() {
    // The flange and web welds of welded ends, with the weld kinds of an H section's flange (one-side
    // T joint) and web (fillet on both sides); their thickness and length follow the section.
    const QStringList flange{kFlangeWeld.toString(), {}, {}, {}, {}, {}, u"H"_s, u"T"_s, u"1"_s};
    const QStringList web{kWebWeld.toString(), {}, {}, {}, {}, {}, u"H"_s, u"F"_s, u"2"_s};
    for (int column = kName; column <= kWeldFaces; ++column) {
        m_dataGrid.setText(kPlateHeaderRows, column, flange[column - kName]);
        m_dataGrid.setText(kPlateHeaderRows + 1, column, web[column - kName]);
    }
    RecalcPlateGrid();
}

void HariInpForm::setBunruiOp(SurfaceClass value) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots);
    m_bunrui = value;
}

void HariInpForm::setLeftOp(int option) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots);
    m_leftOp = option;
}

void HariInpForm::setRightOp(int option) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots);
    m_rightOp = option;
}

void HariInpForm::setSaisunOp(int option) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots);
    m_saisunOp = option;
    RecalcPlateGrid();
}

void HariInpForm::setJointCh(bool ticked) {
    const ChangeNotice notice{this};
    const RecordedChange change(m_snapshots);
    m_jointCh = ticked;
    if (!ticked)
        m_inpTx[2].clear();
}

void HariInpForm::fillPlateNames() {
    if (m_tanbu == EndKind::Welded)
        m_kouhoList[6] = {kFlangeWeld.toString(), kWebWeld.toString(), u"スチフナー"_s,
                          kSplice.toString(),     kFiller.toString(),  kSundry.toString(),
                          kWeldOnly.toString()};
    else
        m_kouhoList[6] = {kGussetA.toString(),    kGussetB.toString(), kStiffenerA.toString(),
                          kStiffenerB.toString(), kSplice.toString(),  kFiller.toString(),
                          kSundry.toString(),     kWeldOnly.toString()};
}

void HariInpForm::clearPlateGrid() {
    for (int row = kPlateHeaderRows; row < m_dataGrid.rowCount(); ++row)
        for (int column = 1; column < kPlateColumns; ++column)
            m_dataGrid.setText(row, column, {});
}

void HariInpForm::RecalcBeamInputs(int index) {
    if (m_infoGd[0].isEmpty()) {
        if (!m_reading)
            m_prompter.tell(QStringLiteral("積算する梁の符号を選択してください。"), kConfirm);
        return;
    }
    if (m_inpTx[0].isEmpty() && index != 0) {
        if (!m_reading)
            m_prompter.tell(QStringLiteral("本数を入力してください。"), kConfirm);
        return;
    }
    using services::EvaluateFormula;
    using services::FormulaModeCount;
    switch (index) {
    case 0:
    case 7:
    case 10:
    case 12:
    case 13:
    case 14:
        RecalcPlateGrid();
        break;
    case 4:
    case 5:
    case 6: {
        m_infoGd[1] = EvaluateFormula(m_inpTx[4], FormulaModeCount);
        m_infoGd[6] = EvaluateFormula(m_inpTx[5], FormulaModeCount);
        m_infoGd[7] = EvaluateFormula(m_inpTx[6], FormulaModeCount);
        const float centre = StoreSingle(StoreSingle(Num(m_infoGd[1]) - Num(m_infoGd[6])) - Num(m_infoGd[7]));
        m_infoGd[9] = services::formatNumber(centre, u"####");
        break;
    }
    case 8:
    case 9:
    case 11: {
        m_infoGd[10] = halfFlange(m_infoGd[4]);
        m_infoGd[11] = halfFlange(m_infoGd[5]);
        const double span = Num(EvaluateFormula(m_inpTx[8], services::FormulaModeQuantity));
        const float clear = StoreSingle(StoreSingle(span - Num(m_infoGd[10])) - Num(m_infoGd[11]));
        m_infoGd[8] = EvaluateFormula(NumberText(clear), FormulaModeCount);
        break;
    }
    default:
        break;
    }
}

bool HariInpForm::inputVisible(int index) const {
    if (index == 0 || index == 1)
        return true;
    const bool welded = m_tanbu == EndKind::Welded;
    if (index == 2 || index == 3)
        return welded && m_jointCh;
    return (index <= 7) == welded;
}

int HariInpForm::nextInputOnEnter(int from) const {
    // Fields 0 to 5 lead on to the next shown field; every other field back to the count.
    if (from < 0 || from > 5)
        return 0;
    for (int next = from + 1; next < kInputCount; ++next)
        if (inputVisible(next))
            return next;
    return 0;
}

} // namespace tv::beam_input
