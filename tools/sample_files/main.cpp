// tv_make_samples SHARE_DIR: rewrites the made shipped files under SHARE_DIR (share/torvanel)
// where they differ from what the models make now.
#include "sample_files/sample_files.h"
#include "shell/record_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "使い方: tv_make_samples SHARE_DIR\n";
        return 2;
    }
    const QDir share(args.at(1));
    const tv::samples::MadeFiles made = tv::samples::makeSampleFiles(share.path());
    if (!made.error.isEmpty()) {
        err << made.error << '\n';
        return 1;
    }
    for (const tv::samples::ShippedFile& file : made.files) {
        const QString path = share.filePath(file.relativePath);
        const QByteArray bytes = tv::samples::shippedBytes(file.lines);
        QFile present(path);
        if (present.open(QIODevice::ReadOnly) && present.readAll() == bytes)
            continue;
        const tv::services::Status written = tv::shell::writeBytesAtomically(path, bytes);
        if (!written.ok()) {
            err << written.error << '\n';
            return 1;
        }
        err << "更新: " << file.relativePath << '\n';
    }
    return 0;
}
