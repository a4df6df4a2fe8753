// Application set-up: Japanese button texts, a Japanese Gothic window font, the start window.
#include "ui/window_program.h"

#include "shell/startup.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWidget>

namespace tv::ui {

int runWindowProgram(QApplication& app, const QString& dataRootOption) {
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(10.5);
    app.setFont(font);

    shell::Startup start = shell::startUp(dataRootOption, QCoreApplication::applicationDirPath());
    if (!start.error.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("確認"), start.error);

    QWidget window;
    window.setWindowTitle(QStringLiteral("VOR鉄骨積算シート"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("VOR鉄骨積算シート  Ver2.00")));
    layout->addWidget(new QLabel(QStringLiteral("【現在開いている物件名】")));
    layout->addWidget(new QLabel(start.state.project.projectName));
    window.show();
    return app.exec();
}

} // namespace tv::ui
