#pragma once

#include <QDialog>

// The about dialog: name, version from the executable's own version block, links.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* owner = nullptr);
    ~TAboutForm() override;
    // FileVersion as the dialog's version reader found it.
    QString FileVersion() const;
    void SetVersionCaption(const QString& text);
};
