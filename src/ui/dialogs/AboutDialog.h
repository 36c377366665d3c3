#pragma once

#include <QDialog>
#include <memory>

class VersionInfo;
class QPixmap;

namespace Ui {
class AboutDialog;
}

// The about dialog: name, version from the executable's own version block, links.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // programFile names the file whose version is shown; empty means the running program.
    explicit AboutDialog(QWidget* owner = nullptr, const QString& programFile = QString());
    ~AboutDialog() override;
    // FileVersion as the dialog's version reader found it.
    QString FileVersion() const;
    void SetVersionCaption(const QString& text);

    // The e-mail labels open a message to their address in the mail program, not the browser.
    void EMailHLink1LabelClick();
    void EMailHLink2LabelClick();

    Ui::AboutDialog* Controls() const { return ui.get(); }

    // The program's 32 by 32 icon, drawn rather than stored, so the dialog needs no image file.
    static QPixmap ProgramIcon();

private:
    std::unique_ptr<Ui::AboutDialog> ui;
    VersionInfo* m_versionInfo = nullptr;
};
