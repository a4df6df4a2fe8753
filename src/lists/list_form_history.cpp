// ListForm, history: what a step keeps of the window and how it is put back.
#include "lists/list_form.h"

#include "registries/reference_lists.h"

namespace tv::lists {

namespace {

// The grades as the grade file holds them: an empty field adds an empty item, which it never holds.
QStringList withoutEmpty(const QStringList& grades) {
    QStringList kept;
    for (const QString& grade : grades)
        if (!grade.isEmpty())
            kept.append(grade);
    return kept;
}

} // namespace

ListForm::State ListForm::state() const {
    return State{m_category,         m_shape,          m_beamKind,        m_columnFields,
                 m_beamFields,       m_jointMark,      m_galvanized,      {m_hasiraGrid},
                 {m_hariGrid},       {m_jointGrid},    m_jointMarks,      m_jointNotice,
                 m_lists.HasiraList, m_lists.HariList, m_lists.JointList, m_grades};
}

void ListForm::restore(const State& state) {
    // Lists put back differ from the files until the next save, as after any registration.
    if (state.hasiraList != m_lists.HasiraList || state.hariList != m_lists.HariList ||
        state.jointList != m_lists.JointList)
        m_dirty = true;
    m_category = state.category;
    m_shape = state.shape;
    m_beamKind = state.beamKind;
    m_columnFields = state.columnFields;
    m_beamFields = state.beamFields;
    m_jointMark = state.jointMark;
    m_galvanized = state.galvanized;
    m_hasiraGrid = state.hasiraGrid.grid;
    m_hariGrid = state.hariGrid.grid;
    m_jointGrid = state.jointGrid.grid;
    m_jointMarks = state.jointMarks;
    m_jointNotice = state.jointNotice;
    m_lists.HasiraList = state.hasiraList;
    m_lists.HariList = state.hariList;
    m_lists.JointList = state.jointList;
    // A registration writes the grades it adds to the grade file at once, so taking it back or
    // making it again writes the file too.
    const bool gradeFileChanges = withoutEmpty(state.grades) != withoutEmpty(m_grades);
    m_grades = state.grades;
    if (gradeFileChanges && m_gradeFileReadable) {
        const services::Status written =
            registries::saveList(m_root.file(shell::kSetFolder, registries::kHasiraKikakuFile), m_grades);
        if (!written.ok())
            m_prompter.tellFailure(written.error);
    }
    markChanged();
}

} // namespace tv::lists
