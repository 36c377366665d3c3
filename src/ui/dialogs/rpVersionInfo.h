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
class TrpVersionInfo : public QObject {
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
    explicit TrpVersionInfo(QObject* owner = nullptr);
    // Reads the given file instead.
    explicit TrpVersionInfo(const QString& fileName, QObject* owner = nullptr);
    ~TrpVersionInfo() override;

    virtual QString GetVersionString(TVersionType kind) const;
    // Fills the ten strings from the file; whatever is missing stays empty.
    virtual void ReadVersionInfo();

    QString CompanyName() const { return GetVersionString(TVersionType::vtCompanyName); }
    QString FileDescription() const { return GetVersionString(TVersionType::vtFileDescription); }
    QString FileVersion() const { return GetVersionString(TVersionType::vtFileVersion); }
    QString InternalName() const { return GetVersionString(TVersionType::vtInternalName); }
    QString LegalCopyright() const { return GetVersionString(TVersionType::vtLegalCopyright); }
    QString LegalTradeMark() const { return GetVersionString(TVersionType::vtLegalTradeMark); }
    QString OriginalFileName() const { return GetVersionString(TVersionType::vtOriginalFileName); }
    QString ProductName() const { return GetVersionString(TVersionType::vtProductName); }
    QString ProductVersion() const { return GetVersionString(TVersionType::vtProductVersion); }
    QString Comments() const { return GetVersionString(TVersionType::vtComments); }

private:
    QString m_fileName;
    std::array<QString, kVersionTypeCount> m_strings;
};
