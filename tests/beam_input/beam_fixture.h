// A beam dialog on a fresh data root: registered beams and joints, the set files, a scripted
// prompter and picker, and helpers that enter input the way the user does.
#pragma once

#include "beam_input/hari_inp_form.h"
#include "beam_input/plate_columns.h"
#include "lists/list_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

namespace tv::test {

using beam_input::HariInpForm;

// "grade･H･height･width･web･flange" of a registered section.
inline QString section(const QString& grade, int h, int b, int tw, int tf) {
    return lists::joinParts({grade, QStringLiteral("H"), QString::number(h), QString::number(b),
                             QString::number(tw), QString::number(tf)});
}

inline lists::HariListEntry beam(const QString& floor, const QString& mark, const QString& centre,
                                 const QString& end = {}) {
    return {floor, mark, centre, end};
}

// Sections of the worked examples.
inline const QString kBeam600 = section(QStringLiteral("SN400B"), 600, 200, 11, 17);
inline const QString kBeam400 = section(QStringLiteral("SN400B"), 400, 200, 8, 13);
inline const QString kGirder700 = section(QStringLiteral("SN490B"), 700, 300, 12, 24);
inline const QString kEnd600 = section(QStringLiteral("SN490B"), 600, 250, 12, 22);

class ScriptedEntryPicker : public beam_input::EntryPicker {
public:
    std::optional<sheets::EntryPayload> answer;
    int shown = 0;
    std::optional<sheets::EntryPayload> pickBeamEntry() override {
        ++shown;
        return answer;
    }
};

class RecordingOpener : public services::WindowOpener {
public:
    QList<services::WindowId> opened;
    bool open(services::WindowId id) override {
        opened.append(id);
        return true;
    }
};

class BeamFixture {
public:
    explicit BeamFixture(const QList<lists::HariListEntry>& beams, bool withSetFiles = true) {
        makeDataRoot(m_dir.path());
        shell.dataRoot = root;
        lists::MemberLists registered;
        for (const lists::HariListEntry& b : beams)
            lists::appendEntry(registered.HariList, b);
        lists::JointListEntry joint;
        joint.Mark = QStringLiteral("J1");
        joint.Galvanized = QStringLiteral("0");
        lists::appendEntry(registered.JointList, joint);
        QVERIFY(lists::SaveLists(root, registered).ok());
        if (withSetFiles) {
            writeCp932Lines(root.file(shell::kSetFolder, u"HtbKata.ini"), {QStringLiteral("HTB-F8T"), {}});
            writeCp932Lines(root.file(shell::kSetFolder, u"BoltKei.ini"),
                            {QStringLiteral("M20"), QStringLiteral("M22")});
            writeCp932Lines(root.file(shell::kSetFolder, u"HasiraKikaku.ini"), {QStringLiteral("SS400")});
        }
    }

    // A new entry starts with its flange and web weld lines; most tests start from an empty grid
    // (`withWeldLines` false): the lines are emptied as a right click does, and the history starts
    // after that.
    HariInpForm& open(const sheets::EntryPayload& payload = {}, bool withWeldLines = false) {
        form = std::make_unique<HariInpForm>(shell, memberLists, prompter, lastFloor, &picker, &opener);
        form->open(payload);
        if (!withWeldLines && !payload[beam_input::kOptionText].contains(lists::kPartSeparator)) {
            for (int row = beam_input::kPlateHeaderRows; row < beam_input::kPlateHeaderRows + 2; ++row)
                for (int column = 1; column < beam_input::kPlateColumns; ++column)
                    form->plateCellEmptied(row, column);
            form->history().clear();
        }
        return *form;
    }

    // Floor and mark as the user picks them.
    void choose(const QString& floor, const QString& mark) {
        QVERIFY(form->setKaiTx(floor));
        for (int row = 1; row < form->IndexGrid().rowCount(); ++row)
            if (form->IndexGrid().text(row, 0) == mark) {
                form->chooseMark(row);
                return;
            }
        QFAIL("mark not listed");
    }

    // Fills cells of a plate line (1 to 10) through the cell offers: typed or picked.
    void plateLine(int line, const std::map<int, QString>& cells) {
        for (const auto& [column, text] : cells) {
            const services::CellOffer offer =
                form->plateCellClicked(beam_input::kPlateHeaderRows + line - 1, column);
            if (offer.kind == services::CellOffer::Kind::List)
                form->plateListPicked(text);
            else
                QVERIFY2(offer.kind == services::CellOffer::Kind::Text && form->plateEditorChanged(text),
                         qPrintable(QStringLiteral("column %1 not editable").arg(column)));
        }
    }
    QString plate(int line, int column) const {
        return form->DataGrid().text(beam_input::kPlateHeaderRows + line - 1, column);
    }

    void coatingLine(int line, const std::map<int, QString>& cells) {
        for (const auto& [column, text] : cells) {
            const services::CellOffer offer =
                form->coatingCellClicked(beam_input::kCoatingHeaderRows + line - 1, column);
            if (offer.kind == services::CellOffer::Kind::List)
                form->coatingListPicked(text);
            else
                QVERIFY(form->coatingEditorChanged(text));
        }
    }
    QString coating(int line, int column) const {
        return form->HifukuGrid().text(beam_input::kCoatingHeaderRows + line - 1, column);
    }

    QTemporaryDir m_dir;
    shell::DataRoot root{m_dir.path()};
    shell::ShellState shell;
    RecordingOpener opener;
    lists::MemberLists memberLists;
    ScriptedPrompter prompter;
    ScriptedEntryPicker picker;
    QString lastFloor;
    std::unique_ptr<HariInpForm> form;
};

} // namespace tv::test
