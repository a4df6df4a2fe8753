// ListForm: opening, options, fields, candidate lists, commands and closing.
#include "lists/list_form.h"

#include "lists/list_files.h"
#include "registries/reference_lists.h"
#include "services/cp932.h"
#include "services/text.h"
#include "services/typed_text.h"
#include "shell/missing_files.h"

#include <algorithm>

namespace tv::lists {

using services::Cp932;
using services::PromptAnswer;
using services::PromptButtons;

namespace {
const QString kConfirm = QStringLiteral("確認");
} // namespace

QString storedValue(const QString& typed) {
    return services::SanitizeField(services::Trim(typed));
}

ListForm::ListForm(const shell::DataRoot& root, MemberLists& lists, services::Prompter& prompter,
                   QObject* parent)
    : QObject(parent), m_root(root), m_lists(lists), m_prompter(prompter) {
    setUpColumnGrid();
    setUpBeamGrid();
    setUpJointGrid();
}

bool ListForm::open() {
    QStringList files;
    for (const QStringView name : {kHasiraListFile, kHariListFile, kJointListFile})
        files.append(m_root.file(shell::kListFolder, name));
    if (!shell::offerToCreateMissing(files, m_prompter))
        return false;
    loadCandidates();
    const services::Status loaded = LoadLists(m_root, m_lists);
    if (!loaded.ok()) {
        m_prompter.tellFailure(loaded.error);
        return false;
    }
    showJointMarks();
    m_category = ListCategory::Hasira;
    m_shape = ColumnShape::H;
    m_beamKind = BeamKind::Ordinary;
    showColumns();
    showBeams();
    m_dirty = false;
    m_history.clear();
    markChanged();
    return true;
}

void ListForm::loadCandidates() {
    // A candidate list that cannot be read only leaves its list empty; the grade file is then never
    // rewritten, so that its entries are not lost.
    const auto read = [this](QStringView name, QStringList& into) {
        const registries::ReferenceList list = registries::loadList(m_root.file(shell::kSetFolder, name));
        if (!list.error.isEmpty())
            m_prompter.tellFailure(list.error);
        into = list.entries;
        return list.error.isEmpty();
    };
    read(registries::kHasiraKataSikiFile, m_types);
    m_gradeFileReadable = read(registries::kHasiraKikakuFile, m_grades);
    read(registries::kHtbKataFile, m_boltKinds);
    read(registries::kBoltKeiFile, m_boltDiameters);
}

QStringList ListForm::columnTypeCandidates() const {
    QStringList types;
    for (const QString& t : m_types)
        if (t != u"C" && t != u"2C")
            types.append(t);
    return types;
}

QStringList ListForm::jointGradeCandidates() const {
    return m_grades + QStringList{QStringLiteral("クリア")};
}

void ListForm::addGrades(const QStringList& values) {
    bool added = false;
    for (const QString& value : values) {
        const bool known = std::any_of(m_grades.cbegin(), m_grades.cend(), [&value](const QString& grade) {
            return services::SameIdentifier(grade, value);
        });
        if (known)
            continue;
        m_grades.append(value); // an empty field adds an empty item, which the file never holds
        added = added || !value.isEmpty();
    }
    if (!added || !m_gradeFileReadable)
        return;
    const services::Status written =
        registries::saveList(m_root.file(shell::kSetFolder, registries::kHasiraKikakuFile), m_grades);
    if (!written.ok())
        m_prompter.tellFailure(written.error);
}

void ListForm::selectCategory(ListCategory category) {
    const Change change(m_states);
    m_category = category;
    if (category == ListCategory::Hasira)
        showColumns();
    else if (category == ListCategory::Hari)
        showBeams();
    else if (category == ListCategory::Joint)
        showJointMarks();
    markChanged();
}

void ListForm::selectShape(ColumnShape shape) {
    const Change change(m_states);
    m_shape = shape;
    markChanged();
}

void ListForm::selectBeamKind(BeamKind kind) {
    const Change change(m_states);
    m_beamKind = kind;
    if (kind == BeamKind::Secondary)
        m_beamFields[0] = kSecondaryBeamFloor.toString();
    markChanged();
}

bool ListForm::acceptText(QString& text) {
    // Every field and cell holds an identifier or a number: full-width letters, digits and size signs
    // typed with an input method are stored half-width, so that "Ｃ２" and "C2" are one mark. A
    // character that may not be stored leaves the text alone; the rest stays as typed.
    const services::StorableText storable = services::TakeOutRefused(
        services::HalfWidthIdentifier(Cp932::mapLookAlikes(text)), QStringView(&kPartSeparator, 1));
    text = storable.text;
    if (!storable.refused)
        return true;
    characterRefused(*storable.refused);
    return false;
}

void ListForm::characterRefused(char32_t character) {
    m_prompter.tell(services::refusedCharacterMessage(character), kConfirm);
}

bool ListForm::setInpTx(int index, const QString& text) {
    const Change change(m_states, columnFieldKey(index));
    if (index < 0 || index >= kColumnFieldCount) {
        markChanged();
        return false;
    }
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    m_columnFields[index] = accepted;
    markChanged();
    return asTyped;
}

bool ListForm::setHariInpTx(int index, const QString& text) {
    const Change change(m_states, beamFieldKey(index));
    if (index < 0 || index >= kBeamFieldCount || (index == 0 && beamFloorLocked())) {
        markChanged();
        return false;
    }
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    m_beamFields[index] = accepted;
    markChanged();
    return asTyped;
}

bool ListForm::setJointInpTx(const QString& text) {
    const Change change(m_states, jointMarkKey());
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    m_jointMark = accepted;
    markChanged();
    return asTyped;
}

void ListForm::setMekkiCh(bool checked) {
    const Change change(m_states);
    m_galvanized = checked;
    markChanged();
}

QList<int> ListForm::columnFieldOrder() const {
    QList<int> order{0, 1};
    const auto range = [&order](int first, int last) {
        for (int i = first; i <= last; ++i)
            order.append(i);
    };
    if (m_shape == ColumnShape::H)
        range(2, 17);
    else if (m_shape == ColumnShape::SquareTube)
        range(18, 21);
    else
        range(22, 24);
    return order;
}

void ListForm::command(int index) {
    switch (index) {
    case Finish:
        finish();
        break;
    case ClearColumn:
        clearColumnFields();
        break;
    case Register:
        registerEntry();
        break;
    case ClearBeam:
        clearBeamFields();
        break;
    case DeleteJoint:
        deleteJoint();
        break;
    case ClearJointInput:
        clearJointInput();
        break;
    case DeleteColumn:
        deleteColumn();
        break;
    case DeleteBeam:
        deleteBeam();
        break;
    default:
        break;
    }
}

bool ListForm::finish() {
    const services::Status saved = SaveLists(m_root, m_lists);
    if (!saved.ok()) {
        m_prompter.tellFailure(saved.error);
        return false;
    }
    m_dirty = false;
    m_prompter.tell(QStringLiteral("リストデータを保存しました。"), kConfirm);
    return true;
}

bool ListForm::closeRequested() {
    if (!m_dirty)
        return true;
    switch (m_prompter.ask(QStringLiteral("リストデータを保存しますか？"), kConfirm,
                           PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        return finish();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void ListForm::registerEntry() {
    const Change change(m_states);
    switch (m_category) {
    case ListCategory::Hasira:
        registerColumn();
        break;
    case ListCategory::Hari:
        registerBeam();
        break;
    case ListCategory::Joint:
        registerJoint();
        break;
    case ListCategory::Gusset:
        break;
    }
}

QString ListForm::commandCaption(int index) {
    static const QStringList captions{
        QStringLiteral("終了"),   QStringLiteral("クリア"), QStringLiteral("登録実行"),
        QStringLiteral("クリア"), QStringLiteral("削除"),   QStringLiteral("入力クリア"),
        QStringLiteral("削除"),   QStringLiteral("削除"),
    };
    return captions.value(index);
}

const QStringList& ListForm::notes() {
    static const QStringList texts{
        QStringLiteral("※各欄入力後「登録実行」をクリックします。F12キーを押すことでも登録できます。"),
        QStringLiteral("※修正は一覧の該当符号を選択し、入力後登録実行します。"),
        QStringLiteral("※規格は初期設定で追加できます。"),
        QStringLiteral("※中央部・端部が同じ場合は中央部のみ入力します。"),
        QStringLiteral("※入力は1ヶ所分です。ボルトの本数は実数を入れてください。"),
        QStringLiteral("W厚(爪巾)"),
        QStringLiteral("F厚(肉厚)"),
    };
    return texts;
}

bool startsWithNumber(QStringView text) {
    const QString t = services::Trim(text);
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    if (i < t.size() && t[i] == u'.')
        ++i;
    return i < t.size() && t[i] >= u'0' && t[i] <= u'9';
}

bool ListForm::refuseNonNumbers(const QList<NumberField>& fields) {
    for (const NumberField& field : fields) {
        if (field.text.isEmpty() || startsWithNumber(field.text))
            continue;
        m_prompter.tell(QStringLiteral("「%1」には数値を入力してください。").arg(field.name), kConfirm);
        if (field.index >= 0 || field.panel == ListPanel::Joint)
            Q_EMIT focusRequested(field.panel, field.index);
        return true;
    }
    return false;
}

bool ListForm::confirmDeletion(const QString& floor, const QString& mark) {
    return m_prompter.ask(floor + QStringLiteral("階の") + mark + QStringLiteral("を削除します。"),
                          QStringLiteral("確認"), PromptButtons::OkCancel) == PromptAnswer::Ok;
}

} // namespace tv::lists
