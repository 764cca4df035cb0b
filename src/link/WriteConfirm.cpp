// Write confirmation texts.
#include "link/WriteConfirm.h"

#include "link/WriteEffect.h"
#include "model/CoreMessages.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QDateTime>

QString BaselineText(const RadioBaseline& baseline)
{
    const QString time =
        QDateTime::fromMSecsSinceEpoch(baseline.WhenMs()).toString(QStringLiteral("HH:mm:ss"));
    const QString type = QString::fromStdString(baseline.Image().TypeCode());
    const QString model = QString::fromStdString(baseline.Image().Model());
    switch (baseline.From()) {
    case RadioBaseline::Source::Read:
        //: What the radio held is known from this; it goes into "Against what the radio held at %1,
        //: ...", "... as of %1: nothing to write." and "... what it held at %1.". %1: the time
        //: (12:31:05); %2 %3: the type code and model (KK,0F ZT-Q2).
        return QCoreApplication::translate("WriteConfirm", "the last read at %1 (%2 %3)")
            .arg(time, type, model);
    case RadioBaseline::Source::Compare:
        //: As "the last read at %1 (%2 %3)", for Compare with Radio.
        return QCoreApplication::translate("WriteConfirm", "the last compare at %1 (%2 %3)")
            .arg(time, type, model);
    case RadioBaseline::Source::Write:
        //: As "the last read at %1 (%2 %3)", for a finished write.
        return QCoreApplication::translate("WriteConfirm", "the last write at %1 (%2 %3)")
            .arg(time, type, model);
    }
    return {};
}

QString IncompleteWriteNote(const FileGaps& gaps, const SlotSet& chosen)
{
    if (!gaps.Touches(chosen)) return {};
    //: Follows "This file ends early: ...", which names what the file lacked.
    return MessageText(EndsEarlyMessage(gaps)) + QLatin1Char('\n') +
           QCoreApplication::translate("WriteConfirm", "The write sends those values in their place.");
}

QString WriteQuestionText(const RadioBaseline& baseline, const RadioImage& image, LinkScope scope,
                          const FileGaps& gaps)
{
    const SlotSet covered = SlotSet::Covered(scope);
    QStringList lines;
    if (const QString note = IncompleteWriteNote(gaps, covered); !note.isEmpty()) lines << note;
    if (!baseline.Unavailable(image).Empty()) {
        //: "Compare First..." is the button of the same question.
        lines << QCoreApplication::translate(
            "WriteConfirm",
            "What the radio holds is not known: no read, compare or finished write of this radio "
            "version in this session tells it, so what this write changes or empties there "
            "cannot be shown. Compare First... reads the radio and lists the differences.");
    } else {
        const WriteEffect effect = EffectOfWrite(baseline.Image(), image, covered);
        //: %1: "the last read at 12:31:05 (KK,0F ZT-Q2)"; %2: "changes 3 channels and 2 settings" or
        //: "changes nothing".
        lines << QCoreApplication::translate("WriteConfirm",
                                             "Against what the radio held at %1, this write %2.")
                     .arg(BaselineText(baseline), MessageText(ChangesText(effect)));
        if (effect.Empties()) lines << MessageText(EmptiesText(effect));
    }
    lines << Msg::WriteConfirm;
    return lines.join(QLatin1Char('\n'));
}
