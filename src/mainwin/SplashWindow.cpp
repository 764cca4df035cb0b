// The splash window.
#include "mainwin/SplashWindow.h"

#include "ui/Messages.h"
#include "ui/WindowPlacement.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

QPixmap ProductLogo()
{
    QPixmap logo(330, 44);
    logo.fill(Qt::black);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    // A carrier wave running into the name.
    QPainterPath wave;
    wave.moveTo(4, 22);
    for (int x = 4; x <= 120; x += 2)
        wave.lineTo(x, 22 - 14 * std::sin((x - 4) / 7.0) * (x - 4) / 116.0);
    QLinearGradient gradient(0, 0, 120, 0);
    gradient.setColorAt(0, QColor(0, 60, 120));
    gradient.setColorAt(1, QColor(90, 190, 255));
    painter.setPen(QPen(QBrush(gradient), 2.5));
    painter.drawPath(wave);
    // A drawing of fixed size: its letters keep their size in pixels
    // whatever the desktop's font size.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(32);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(90, 190, 255));
    painter.drawText(QRect(128, 0, 200, 44), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tessaline"));
    return logo;
}

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setWindowTitle(tr("Welcome"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(11, 12, 11, 12);
    auto* logo = new QLabel(this);
    logo->setPixmap(ProductLogo());
    logo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(logo);
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Bold);
    for (const QString& text : {Msg::ApplicationTitle, QStringLiteral("Tessaline for ZT-Q2/Q3")}) {
        auto* line = new QLabel(text, this);
        line->setFont(font);
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    setFixedSize(sizeHint().expandedTo(QSize(353, 145)));

    closeTimer_ = new QTimer(this);
    closeTimer_->setInterval(ShowMilliseconds);
    closeTimer_->setSingleShot(false);
    connect(closeTimer_, &QTimer::timeout, this, &SplashWindow::CloseSplash);
}

void SplashWindow::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
    closeTimer_->start();
}

void SplashWindow::CloseSplash()
{
    closeTimer_->stop();
    close();
}
