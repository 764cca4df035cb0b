// Write confirmation texts.
#include "link/WriteConfirm.h"

#include "link/WriteEffect.h"
#include "model/CoreMessages.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("WriteConfirm", text);
}

} // namespace

QString BaselineText(const RadioBaseline& baseline)
{
    QString source;
    switch (baseline.From()) {
    case RadioBaseline::Source::Read:
        source = QStringLiteral("the last read");
        break;
    case RadioBaseline::Source::Compare:
        source = QStringLiteral("the last compare");
        break;
    case RadioBaseline::Source::Write:
        source = QStringLiteral("the last write");
        break;
    }
    const QString time =
        QDateTime::fromMSecsSinceEpoch(baseline.WhenMs()).toString(QStringLiteral("HH:mm:ss"));
    return QStringLiteral("%1 at %2 (%3 %4)")
        .arg(source, time, QString::fromStdString(baseline.Image().TypeCode()),
             QString::fromStdString(baseline.Image().Model()));
}

QString IncompleteWriteNote(const FileGaps& gaps, const SlotSet& chosen)
{
    if (!gaps.Touches(chosen)) return {};
    return MessageText(EndsEarlyMessage(gaps)) + QLatin1Char('\n') +
           Tr("The write sends those values in their place.");
}

QString WriteQuestionText(const RadioBaseline& baseline, const RadioImage& image, LinkScope scope,
                          const FileGaps& gaps)
{
    const SlotSet covered = SlotSet::Covered(scope);
    QStringList lines;
    if (const QString note = IncompleteWriteNote(gaps, covered); !note.isEmpty()) lines << note;
    if (!baseline.Unavailable(image).Empty()) {
        lines << Tr("What the radio holds is not known: no read, compare or finished write of this radio "
                    "version in this session tells it, so what this write changes or empties there cannot "
                    "be shown. Compare First... reads the radio and lists the differences.");
    } else {
        const WriteEffect effect = EffectOfWrite(baseline.Image(), image, covered);
        lines << Tr("Against what the radio held at %1, this write %2.")
                     .arg(BaselineText(baseline), MessageText(ChangesText(effect)));
        if (effect.Empties()) lines << MessageText(EmptiesText(effect));
    }
    lines << Msg::WriteConfirm;
    return lines.join(QLatin1Char('\n'));
}
