#include "registration/module1.h"

#include "core/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

namespace {

// A store larger than this is not ours: it reads as empty.
constexpr qint64 kLargestStore = 1 << 20;

} // namespace

QString Module1::defaultStoreFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/xuanyinfang/classes.json");
}

QString Module1::sdaGetRegEntry(const QString& root, const QString& keyPath, const QString& valueName,
                                int& type) const
{
    if (root != kClassesRoot)
        return {};
    const QJsonObject keys = readKeys();
    const QString name = storedKeyName(keys, keyPath);
    if (name.isEmpty())
        return {};
    const QJsonValue value = keys.value(name).toObject().value(valueName);
    if (value.isString()) {
        type = kString;
        return value.toString();
    }
    if (value.isDouble()) {
        type = kNumber;
        return QString::number(value.toInteger());
    }
    return {};
}

void Module1::reg_create_key(const QString& root, const QString& keyPath)
{
    if (root != kClassesRoot || keyPath.isEmpty())
        return;
    QJsonObject keys = readKeys();
    if (!storedKeyName(keys, keyPath).isEmpty())
        return;
    keys.insert(keyPath, QJsonObject());
    writeKeys(keys);
}

void Module1::reg_set_key_value(const QString& root, const QString& keyPath, const QString& valueName,
                                const QString& value, int type)
{
    if (root != kClassesRoot)
        return;
    QJsonObject keys = readKeys();
    const QString name = storedKeyName(keys, keyPath);
    if (name.isEmpty()) // the key cannot be opened
        return;
    QJsonObject values = keys.value(name).toObject();
    if (type == kString)
        values.insert(valueName, value);
    else if (type == kNumber)
        values.insert(valueName, qint64(quint32(value.toLongLong())));
    else
        return;
    keys.insert(name, values);
    writeKeys(keys);
}

QJsonObject Module1::readKeys() const
{
    QFile file(storeFile_);
    if (file.size() > kLargestStore || !file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.object().value(QStringLiteral("HKEY_CLASSES_ROOT")).toObject();
}

bool Module1::writeKeys(const QJsonObject& keys) const
{
    QDir().mkpath(QFileInfo(storeFile_).absolutePath());
    QJsonObject document;
    document.insert(QStringLiteral("HKEY_CLASSES_ROOT"), keys);
    return replaceFile(storeFile_, QJsonDocument(document).toJson(QJsonDocument::Indented));
}

// The key's name as the store spells it, or empty when there is none.
QString Module1::storedKeyName(const QJsonObject& keys, const QString& keyPath)
{
    if (keys.contains(keyPath))
        return keyPath;
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it.key().compare(keyPath, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return {};
}
