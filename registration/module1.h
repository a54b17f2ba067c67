#pragma once

#include <QJsonObject>
#include <QString>

// The registry functions the registration window uses, on a store of our
// own that stands in for HKEY_CLASSES_ROOT: one small JSON file in the
// user's config folder holding keys (paths like "qmxlumo\defaultIcon",
// compared without regard to case) and their named values ("" is the
// unnamed one). Keys are never deleted.
//
// Roots are given by name. Only "HKEY_CLASSES_ROOT" is kept; the other
// predefined roots read as keys that cannot be opened. Every call that
// fails leaves the store as it was and reports nothing; a damaged or
// unreadable store reads as empty keys.
class Module1 {
public:
    static constexpr int kString = 1; // REG_SZ
    static constexpr int kNumber = 4; // REG_DWORD
    static inline const QString kClassesRoot = QStringLiteral("HKEY_CLASSES_ROOT");

    // The store in the user's config folder ($XDG_CONFIG_HOME/xuanyinfang).
    static QString defaultStoreFile();
    explicit Module1(QString storeFile = defaultStoreFile()) : storeFile_(std::move(storeFile)) {}

    // The value as stored, untrimmed; empty when the root, the key or the
    // value is not there. type is set to the value's type when it is read.
    QString sdaGetRegEntry(const QString& root, const QString& keyPath, const QString& valueName,
                           int& type) const;
    // Creates the key (an existing one stays as it is).
    void reg_create_key(const QString& root, const QString& keyPath);
    // Sets a value of an existing key: type 1 a string, type 4 a 32-bit
    // number given as text; other types write nothing.
    void reg_set_key_value(const QString& root, const QString& keyPath, const QString& valueName,
                           const QString& value, int type);

    const QString& storeFile() const { return storeFile_; }

private:
    QJsonObject readKeys() const;
    bool writeKeys(const QJsonObject& keys) const;
    static QString storedKeyName(const QJsonObject& keys, const QString& keyPath);

    QString storeFile_;
};
