// Each value is one whole line, so names and paths may hold commas and blanks.
#include "shell/bukken_name.h"

#include "services/cp932.h"
#include "shell/durable_file.h"

namespace tv::shell {

QString bukkenNamePath(const DataRoot& root) {
    return root.file(kSetFolder, kBukkenNameFile);
}

BukkenName readBukkenName(const DataRoot& root) {
    const LinesResult read = readLines(bukkenNamePath(root));
    BukkenName result;
    result.missing = !read.exists;
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    result.name = fieldAt(read.lines, 0);
    result.path = fieldAt(read.lines, 1);
    return result;
}

EncodedLines encodeBukkenName(const DataRoot& root, const QString& name, const QString& path) {
    if (const auto bad = services::Cp932::firstUnencodable(name + path)) {
        EncodedLines refused;
        refused.status = services::Status::failure(
            QStringLiteral("物件ファイル「%1」の名前か場所に、Shift-JISで保存できない文字%2があります。\n"
                           "別の名前か場所を選んでください。")
                .arg(displayPath(path), services::Cp932::describe(*bad)));
        return refused;
    }
    return encodeLines(bukkenNamePath(root), {name, path});
}

services::Status writeBukkenName(const DataRoot& root, const QString& name, const QString& path) {
    const EncodedLines encoded = encodeBukkenName(root, name, path);
    if (!encoded.status.ok())
        return encoded.status;
    return writeBytesAtomically(bukkenNamePath(root), encoded.bytes);
}

} // namespace tv::shell
