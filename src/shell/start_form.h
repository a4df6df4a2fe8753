// The start window: the main menu, the open project's name, and New, Open and Save of the project.
//
// The model holds what the window shows (captions, project name, progress text, the hovered
// command) and runs every command; the view draws it and forwards clicks, hovering and closing.
#pragma once

#include "services/file_chooser.h"
#include "services/prompter.h"
#include "services/settings_store.h"
#include "services/window_opener.h"
#include "shell/project_state.h"

#include <QList>
#include <QString>
#include "services/rgb.h"

#include <QStringList>

#include <functional>

namespace tv::shell {

using services::Rgb;

class StartForm {
public:
    // Indexes of CmdGd.
    enum Command {
        Exit = 0,
        ListRegistration,
        ColumnSheet,
        SecondarySheet,
        BeamSheet,
        Totals,
        UnitWeights,
        WeldRates,
        InitialSettings,
        NewProject,
        OpenProject,
        SaveProject,
        Help,
        CommandCount
    };

    static constexpr Rgb kBackground{239, 239, 239};
    static constexpr Rgb kCaption{0, 0, 0};
    static constexpr Rgb kHoveredCaption{255, 0, 0};
    // Where the window is placed, in twips from the screen's left and top edges.
    static constexpr int kLeftTwips = 1500;
    static constexpr int kTopTwips = 1500;

    StartForm(ShellState& state, services::Prompter& prompter, services::FileChooser& chooser,
              services::SettingsStore& settings, services::WindowOpener& opener);

    // Texts of the window.
    static QString title() { return QStringLiteral("VOR鉄骨積算シート"); }
    static QString version() { return QStringLiteral("Ver2.00"); }
    static QString projectHeading() { return QStringLiteral("【現在開いている物件名】"); }

    QStringList CmdGd; // command captions, indexed by Command
    QString BNameGd;   // name of the open project
    QString GuideGd;   // progress text of a project operation; empty otherwise

    // Called whenever the texts above change; the view redraws and, for a progress text, paints
    // at once so that it is visible before the long operation starts.
    std::function<void()> changed;
    // Called when the window should close (the exit command).
    std::function<void()> closeRequested;

    // Runs command `index` (a click on CmdGd(index)).
    void command(int index);
    void newProject();
    void openProject();
    void saveProject();
    void showHelp();

    // Pointer feedback: over command `index`, or over the background (-1).
    void hover(int index);
    int hoveredCommand() const { return m_hovered; }
    Rgb captionColour(int index) const { return index == m_hovered ? kHoveredCaption : kCaption; }

    // The window is going: records its position (twips from the screen's top-left corner).
    void closing(int leftTwips, int topTwips);

private:
    void notify();
    void showStatus(const QString& text);
    void openWindow(services::WindowId id);
    // The save question of New and Open, asked only when the working files differ from the project
    // file; false when the user cancels or the save fails.
    bool askToSave();
    bool hasProjectFile() const;

    ShellState& m_state;
    services::Prompter& m_prompter;
    services::FileChooser& m_chooser;
    services::SettingsStore& m_settings;
    services::WindowOpener& m_opener;
    int m_hovered = -1;
};

} // namespace tv::shell
