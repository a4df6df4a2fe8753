// Each value is one whole line, so names and paths may hold commas and blanks.
#include "shell/bukken_name.h"

#include "shell/record_file.h"

namespace tv::shell {

BukkenName readBukkenName(const DataRoot& root) {
    const LinesResult read = readLines(root.file(kSetFolder, kBukkenNameFile));
    BukkenName result;
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    result.name = fieldAt(read.lines, 0);
    result.path = fieldAt(read.lines, 1);
    return result;
}

services::Status writeBukkenName(const DataRoot& root, const QString& name, const QString& path) {
    return writeLines(root.file(kSetFolder, kBukkenNameFile), {name, path});
}

} // namespace tv::shell
