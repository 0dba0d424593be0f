#include "ui/KeptLists.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace ui {
namespace {

// A kept list's name says when it was kept (in UTC, so that names sort by
// time across a change of clocks) and how many lines it has: the menu needs
// neither to read the files.
const QString TimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

QDir Folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                QStringLiteral("/unsaved"));
}

std::optional<KeptList> Described(const QFileInfo& file) {
    static const QRegularExpression name(
        QStringLiteral("^unsaved-(\\d{8}-\\d{6}-\\d{3})-(\\d+)\\.csv$"));
    const QRegularExpressionMatch match = name.match(file.fileName());
    if (!match.hasMatch()) return std::nullopt;
    QDateTime when = QDateTime::fromString(match.captured(1), TimeFormat);
    when.setTimeSpec(Qt::UTC);
    return KeptList{file.absoluteFilePath(), match.captured(2).toInt(), when.toLocalTime()};
}

bool SameText(const QString& path, const std::string& text) {
    QFile file(path);
    if (file.size() != qint64(text.size()) || !file.open(QIODevice::ReadOnly)) return false;
    return file.readAll() == QByteArrayView(text.data(), qsizetype(text.size()));
}

} // namespace

std::vector<KeptList> KeptLists() {
    std::vector<KeptList> lists;
    for (const QFileInfo& file : Folder().entryInfoList({QStringLiteral("unsaved-*.csv")},
                                                        QDir::Files, QDir::Name | QDir::Reversed))
        if (const auto list = Described(file)) lists.push_back(*list);
    return lists;
}

QString KeepList(const std::string& text, int lines) {
    const QDir folder = Folder();
    if (!folder.mkpath(QStringLiteral("."))) return {};
    // Two lists kept in one millisecond get times of their own.
    const auto path = [&](const QDateTime& when) {
        return folder.filePath(
            QStringLiteral("unsaved-%1-%2.csv").arg(when.toString(TimeFormat)).arg(lines));
    };
    QDateTime now = QDateTime::currentDateTimeUtc();
    while (QFile::exists(path(now)))
        now = now.addMSecs(1);
    QSaveFile file(path(now));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
        return {};
    std::vector<KeptList> kept = KeptLists();
    std::erase_if(kept, [&](const KeptList& list) {
        if (list.Path == file.fileName() || !SameText(list.Path, text)) return false;
        QFile::remove(list.Path);
        return true;
    });
    for (std::size_t i = MostKeptLists; i < kept.size(); ++i)
        QFile::remove(kept[i].Path);
    return file.fileName();
}

void ForgetKeptList(const QString& path) {
    QFile::remove(path);
}

QString KeptListCaption(const KeptList& list) {
    return QStringLiteral("Unsaved list of %1 line%2, %3")
        .arg(list.Lines)
        .arg(list.Lines == 1 ? QString() : QStringLiteral("s"))
        .arg(QLocale().toString(list.When, QStringLiteral("d MMM HH:mm")));
}

} // namespace ui
