#include "shell/platform/desktop_entry.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Exec= needs quoting of paths with blanks; backslash, quote, backtick and dollar are escaped.
QString quotedExec(const QString& path) {
    QString escaped;
    for (QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') escaped += u'\\';
        escaped += c;
    }
    return u'"' + escaped + u'"';
}

}  // namespace

bool WriteDesktopEntry(const QString& filePath, const DesktopEntry& entry) {
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath())) return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nPath=%3\n"
                                        "Terminal=false\nCategories=Office;\n")
                             .arg(entry.name, quotedExec(entry.executablePath), entry.workingFolder);
    file.write(text.toUtf8());
    if (!file.commit()) return false;
    QFile::setPermissions(filePath, QFile::permissions(filePath) | QFileDevice::ExeOwner);
    return true;
}
