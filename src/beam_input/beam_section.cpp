// Building and reading the beam section caption, and looking up registered beams.
#include "beam_input/beam_section.h"

#include "services/format_number.h"
#include "services/num.h"
#include "services/text.h"

namespace tv::beam_input {

using services::Num;

QString SectionText(const QString& sectionField) {
    const QStringList p = lists::splitParts(sectionField, lists::kSectionParts);
    const QChar times(0x00D7);
    return services::Trim(p[0]) + u' ' + p[1] + u'-' + p[2] + times + p[3] + times + p[4] + times + p[5];
}

QString BeamSectionCaption(const lists::HariListEntry& entry) {
    const QString centre = SectionText(entry.Centre);
    if (lists::splitParts(entry.End, lists::kSectionParts)[0].isEmpty())
        return centre;
    return kCentreTag.toString() + u' ' + centre + u' ' + kEndTag.toString() + u' ' + SectionText(entry.End);
}

QStringList CaptionTokens(const QString& caption) {
    return caption.split(u' ');
}

QString CentreSizeToken(const QString& caption) {
    const QStringList tokens = CaptionTokens(caption);
    if (tokens.size() == 2)
        return tokens[1];
    if (tokens.size() == 6)
        return tokens[2];
    return {};
}

QString EndSizeToken(const QString& caption) {
    const QStringList tokens = CaptionTokens(caption);
    if (tokens.size() == 2)
        return tokens[1];
    if (tokens.size() == 6)
        return tokens[5];
    return {};
}

bool HasSectionForm(const QString& caption) {
    const qsizetype n = CaptionTokens(caption).size();
    return n == 2 || n == 6;
}

SectionSize ReadSectionSize(QStringView token) {
    const QList<QStringView> parts = token.split(QChar(0x00D7));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QStringView(); };
    const QList<QStringView> head = part(0).split(u'-');
    SectionSize size;
    size.H = head.size() > 1 ? Num(head[1]) : 0;
    size.B = Num(part(1));
    size.tw = Num(part(2));
    size.tf = Num(part(3));
    return size;
}

QString MemberName(const QString& token) {
    return token.section(u'-', 0, 0) + u'鋼';
}

namespace {
QString plain(QString text) {
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
} // namespace

QString NumberText(double value) {
    return plain(services::formatNumber(value, u"0.#######"));
}

QString NumberText(float value) {
    return plain(services::formatNumber(value, u"0.#######"));
}

QString FloorOfCaption(const QString& caption) {
    return caption.endsWith(u'階') ? caption.chopped(1) : caption;
}

const lists::HariListEntry* FindBeam(const QList<lists::HariListEntry>& list, const QString& floor,
                                     const QString& mark) {
    const lists::HariListEntry* found = nullptr;
    for (const lists::HariListEntry& e : list)
        if (!e.isDeleted() && services::SameIdentifier(e.Floor, floor) &&
            services::SameIdentifier(e.Mark, mark))
            found = &e;
    if (found)
        return found;
    for (const lists::HariListEntry& e : list)
        if (!e.isDeleted() && services::SameIdentifier(e.Mark, mark))
            found = &e;
    return found;
}

} // namespace tv::beam_input
