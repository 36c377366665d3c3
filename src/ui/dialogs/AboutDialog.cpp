#include "ui/dialogs/AboutDialog.h"

#include "platform/Desktop.h"
#include "platform/WindowPlacement.h"
#include "ui/dialogs/VersionInfo.h"
#include "ui_AboutDialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QUrl>

AboutDialog::AboutDialog(QWidget* owner, const QString& programFile)
    : QDialog(owner), ui(std::make_unique<Ui::AboutDialog>()),
      m_versionInfo(programFile.isEmpty() ? new VersionInfo(this)
                                          : new VersionInfo(programFile, this)) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->Image1->setPixmap(ProgramIcon());

    // Plain blue cannot be read on a dark window; there the links take a light blue.
    const bool darkWindow = palette().color(QPalette::Window).lightnessF() < 0.5;
    const QColor linkColor = darkWindow ? QColor(0x7A, 0xB4, 0xFF) : QColor(Qt::blue);
    for (LinkLabel* link : {ui->HLinkLabel5, ui->HLinkLabel1, ui->HLinkLabel3, ui->HLinkLabel2,
                            ui->HLinkLabel4, ui->EMailHLink1Label, ui->EMailHLink2Label}) {
        QPalette p = link->palette();
        p.setColor(QPalette::WindowText, linkColor);
        link->setPalette(p);
        link->setCursor(Qt::PointingHandCursor);
    }
    ui->EMailHLink1Label->SetOnClick([this] { EMailHLink1LabelClick(); });
    ui->EMailHLink2Label->SetOnClick([this] { EMailHLink2LabelClick(); });
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    // The links come first in the tab order, but the dialog opens on its button, so that Enter
    // closes it rather than opening a web page.
    ui->CloseButton->setFocus();

    // The opener sets the same caption; setting it here as well keeps the dialog right on its own.
    SetVersionCaption(FileVersion());
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::FileVersion() const {
    return m_versionInfo->FileVersion();
}

void AboutDialog::SetVersionCaption(const QString& text) {
    ui->VersionLabel->setText(text);
}

void AboutDialog::EMailHLink1LabelClick() {
    AppDesktop().OpenUrl(QUrl(QStringLiteral("mailto:") + ui->EMailHLink1Label->URL()));
}

void AboutDialog::EMailHLink2LabelClick() {
    AppDesktop().OpenUrl(QUrl(QStringLiteral("mailto:") + ui->EMailHLink2Label->URL()));
}

QPixmap AboutDialog::ProgramIcon() {
    // Drawn at the screen's pixel density, so that it stays sharp at 200 %.
    const qreal dpr = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(32, 32) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A dark blue tile with a white "Z" and an amber spark: memory caught in a flash.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x3A, 0x7A));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QPainterPath z;
    z.moveTo(8, 8);
    z.lineTo(23, 8);
    z.lineTo(9, 24);
    z.lineTo(24, 24);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xB3, 0x00));
    p.drawEllipse(QPointF(25, 6.5), 3.5, 3.5);
    return pixmap;
}
