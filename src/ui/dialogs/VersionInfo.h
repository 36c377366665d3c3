#pragma once

#include "core/VersionBlockParser.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// Reads the version strings of the program's own executable (or of a given file) when created and
// offers them as read-only properties. A file without a version block gives empty strings.
class VersionInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName CONSTANT)
    Q_PROPERTY(QString FileDescription READ FileDescription CONSTANT)
    Q_PROPERTY(QString FileVersion READ FileVersion CONSTANT)
    Q_PROPERTY(QString InternalName READ InternalName CONSTANT)
    Q_PROPERTY(QString LegalCopyright READ LegalCopyright CONSTANT)
    Q_PROPERTY(QString LegalTradeMark READ LegalTradeMark CONSTANT)
    Q_PROPERTY(QString OriginalFileName READ OriginalFileName CONSTANT)
    Q_PROPERTY(QString ProductName READ ProductName CONSTANT)
    Q_PROPERTY(QString ProductVersion READ ProductVersion CONSTANT)
    Q_PROPERTY(QString Comments READ Comments CONSTANT)
public:
    // Reads the running program's own file.
    explicit VersionInfo(QObject* owner = nullptr);
    // Reads the given file instead.
    explicit VersionInfo(const QString& fileName, QObject* owner = nullptr);
    ~VersionInfo() override;

    virtual QString GetVersionString(VersionField kind) const;
    // Fills the ten strings from the file; whatever is missing stays empty.
    virtual void ReadVersionInfo();

    QString CompanyName() const { return GetVersionString(VersionField::CompanyName); }
    QString FileDescription() const { return GetVersionString(VersionField::FileDescription); }
    QString FileVersion() const { return GetVersionString(VersionField::FileVersion); }
    QString InternalName() const { return GetVersionString(VersionField::InternalName); }
    QString LegalCopyright() const { return GetVersionString(VersionField::LegalCopyright); }
    QString LegalTradeMark() const { return GetVersionString(VersionField::LegalTradeMark); }
    QString OriginalFileName() const { return GetVersionString(VersionField::OriginalFileName); }
    QString ProductName() const { return GetVersionString(VersionField::ProductName); }
    QString ProductVersion() const { return GetVersionString(VersionField::ProductVersion); }
    QString Comments() const { return GetVersionString(VersionField::Comments); }

private:
    QString m_fileName;
    std::array<QString, kVersionTypeCount> m_strings;
};
