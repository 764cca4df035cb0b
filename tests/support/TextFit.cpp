// The text-fit check shared by the large-text tests.
#include "support/TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QToolButton>

namespace tslq::test {

namespace {

QString Describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
}

void Check(QStringList& cut, const QWidget* widget, const QString& text, int needed, int has)
{
    if (needed > has)
        cut << Describe(widget, text) + QStringLiteral(": needs %1 px, has %2").arg(needed).arg(has);
}

// The widest line of the text, without the '&' of a mnemonic.
int TextWidth(const QFontMetrics& metrics, QString text, bool mnemonic)
{
    if (mnemonic) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

void CheckLabel(QStringList& cut, const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull()) return;
    const QRect room = label->contentsRect();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (label->wordWrap()) {
        Check(cut, label, text, label->heightForWidth(label->width()), label->height());
        return;
    }
    const QFontMetrics metrics(label->font());
    const auto lines = static_cast<int>(text.count(QLatin1Char('\n')) + 1);
    Check(cut, label, text, metrics.height() + (lines - 1) * metrics.lineSpacing(), room.height());
    if (rich) {
        Check(cut, label, text, label->sizeHint().width(), label->width());
        return;
    }
    // A framed label without an indent of its own keeps half an 'x' free
    // on the side it is aligned to.
    int indent = label->indent() >= 0      ? label->indent()
                 : label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                           : 0;
    if (label->alignment() & Qt::AlignHCenter) indent = 0;
    Check(cut, label, text, TextWidth(metrics, text, label->buddy() != nullptr) + indent, room.width());
}

void CheckButton(QStringList& cut, const QAbstractButton* button)
{
    const QString text = button->text();
    if (text.isEmpty()) return;
    const QFontMetrics metrics(button->font());
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly || tool->arrowType() != Qt::NoArrow) return;
        Check(cut, button, text, tool->sizeHint().width(), tool->width());
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(button))
        return;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    int needed = TextWidth(metrics, text, true);
    if (contents == QStyle::SE_PushButtonContents && !option.icon.isNull())
        needed += option.iconSize.width() + 4;
    Check(cut, button, text, needed, room.width());
}

void CheckGroupTitle(QStringList& cut, const QGroupBox* box)
{
    if (box->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The style sizes the title's own rectangle from the text as it draws it
    // (Fusion: the ink of a bold title), so only the box's width can cut it.
    const int needed = TextWidth(QFontMetrics(box->font()), box->title(), true);
    Check(cut, box, box->title(), needed, box->width() - title.left());
}

void CheckTabs(QStringList& cut, const QTabBar* tabs)
{
    const QFontMetrics metrics(tabs->font());
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        Check(cut, tabs, tabs->tabText(i), TextWidth(metrics, tabs->tabText(i), true),
              tabs->tabRect(i).width());
    }
}

void CheckHeader(QStringList& cut, const QHeaderView* header)
{
    const QAbstractItemModel* model = header->model();
    if (!model) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const int count = header->count();
    for (int section = 0; section < count; ++section) {
        if (header->isSectionHidden(section)) continue;
        const QString text = model->headerData(section, header->orientation()).toString();
        if (text.isEmpty()) continue;
        QFont font = header->font();
        if (const QVariant role = model->headerData(section, header->orientation(), Qt::FontRole);
            role.canConvert<QFont>())
            font = role.value<QFont>();
        int needed = TextWidth(QFontMetrics(font), text, false) + 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
            needed += mark + margin;
        const int has =
            header->orientation() == Qt::Horizontal ? header->sectionSize(section) : header->width();
        Check(cut, header, text, needed, has);
    }
}

// A menu bar too narrow for its menus hides the last ones behind a button.
void CheckMenuBar(QStringList& cut, const QMenuBar* bar)
{
    const QFontMetrics metrics(bar->font());
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || action->isSeparator()) continue;
        const QRect room = bar->actionGeometry(action);
        const bool shown = !room.isEmpty() && bar->rect().contains(room);
        Check(cut, bar, action->text(), TextWidth(metrics, action->text(), true), shown ? room.width() : 0);
    }
}

} // namespace

QStringList CutTexts(QWidget* window)
{
    window->ensurePolished();
    if (window->layout()) window->layout()->activate();
    QStringList cut;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->width() <= 0) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            CheckLabel(cut, label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            CheckButton(cut, button);
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            CheckGroupTitle(cut, box);
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            CheckTabs(cut, tabs);
        else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
            CheckHeader(cut, header);
        else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            CheckMenuBar(cut, bar);
    }
    return cut;
}

} // namespace tslq::test
