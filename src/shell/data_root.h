// The data folder tree: where every file of the program lives.
#pragma once

#include <QString>
#include <QStringView>

namespace tv::shell {

// Folder names under the data root.
inline constexpr QStringView kDataFolder = u"Data";         // project bundles
inline constexpr QStringView kListFolder = u"List";         // member-list files
inline constexpr QStringView kSetFolder = u"set";           // registries, reference lists, current project
inline constexpr QStringView kWorkDataFolder = u"WorkData"; // sheet work files
inline constexpr QStringView kInfoFolder = u"info";         // help texts

class DataRoot {
public:
    DataRoot() = default;
    explicit DataRoot(QString path);

    // The root folder: the --data-root option, else the TORVANEL_DATA_ROOT environment value,
    // else on Windows the program's drive + "\Torvanel", else <home>/Torvanel.
    static QString resolve(const QString& option, const QString& environment, const QString& programFolder,
                           const QString& home);

    const QString& path() const { return m_path; }
    QString folder(QStringView name) const;
    QString file(QStringView folder, QStringView name) const;

private:
    QString m_path;
};

} // namespace tv::shell
