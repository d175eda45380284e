#include "picturedialog/FolderPath.h"

namespace FolderPath {

QString WithSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString NodePath(const QStringList& texts) {
    if (texts.isEmpty())
        return {};
    QString path = WithSlash(texts.first());
    for (qsizetype i = 1; i < texts.size(); ++i)
        path += texts[i] + QLatin1Char('/');
    return path;
}

QStringList WalkComponents(const QString& folder) {
    if (!folder.startsWith(QLatin1Char('/')))
        return {};
    QStringList components{QStringLiteral("/")};
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        components << part;
    return components;
}

} // namespace FolderPath
