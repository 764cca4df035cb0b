// The About box.
#include "mainwin/AboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A handheld radio, drawn rather than shipped as a file.
QPixmap RadioIcon()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(60, 60, 70));
    painter.drawRect(QRectF(20, 1, 3, 10)); // antenna
    painter.drawRoundedRect(QRectF(9, 9, 16, 22), 3, 3);
    painter.setBrush(QColor(150, 210, 150));
    painter.drawRect(QRectF(12, 12, 10, 6)); // display
    painter.setBrush(QColor(200, 200, 200));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            painter.drawRect(QRectF(12 + column * 3.5, 21 + row * 3, 2.5, 2));
    }
    return icon;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("About TSL-Q2/Q3"));
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* icon = new QLabel(panel);
    icon->setPixmap(RadioIcon());
    icon->setAlignment(Qt::AlignTop);
    panelLayout->addWidget(icon);
    auto* lines = new QVBoxLayout;
    for (const QString& text : {QStringLiteral("Tessaline for ZT-Q2/Q3"), tr("Version 1.00")}) {
        auto* line = new QLabel(text, panel);
        // A line in another script, drawn in a fallback font, is asked for
        // that font's height; it gets at least the line height of its own.
        line->setMinimumHeight(line->fontMetrics().height());
        lines->addWidget(line);
    }
    lines->addStretch(1);
    panelLayout->addLayout(lines, 1);
    layout->addWidget(panel, 1);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    // Its size in the usual font; a larger font makes it as large as its
    // texts need.
    setFixedSize(sizeHint().expandedTo(QSize(337, 164)));
}
